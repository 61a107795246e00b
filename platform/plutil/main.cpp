// plutil -convert xml1 FILE: rewrites a property list, binary or XML, in the
// XML form in place. Exit status 0 on success; otherwise one line on stderr.

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/plutil/XmlConversion.h"

namespace {

constexpr int kBadUsage = 64;
constexpr int kFailed = 1;

// The path as it can stand in a one-line message.
std::string Printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return text;
}

int Usage() {
    std::fputs("usage: plutil -convert xml1 FILE\n", stderr);
    return kBadUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || std::strcmp(argv[1], "-convert") != 0 || std::strcmp(argv[2], "xml1") != 0 || argv[3][0] == '\0')
        return Usage();
    const std::string path = argv[3];
    const std::string failure = platform::plutil::ConvertFileToXml(path);
    if (!failure.empty()) {
        std::fprintf(stderr, "plutil: %s: %s\n", Printable(path).c_str(), failure.c_str());
        return kFailed;
    }
    return 0;
}
