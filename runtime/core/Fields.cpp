#include <string>

#include "runtime/core/TextFunctions.h"
#include "runtime/core/Transcode.h"

namespace runtime {
namespace {

// The separator's bytes in the encoding of s.
std::string SeparatorFor(const String& s, const String& separator) {
    if (SameEncoding(s.Encoding(), separator.Encoding()) ||
        (detail::ReadsAsUTF8(s.Encoding().get()) && detail::ReadsAsUTF8(separator.Encoding().get())))
        return separator.Bytes();
    return detail::FromUTF8(separator.ToUTF8(), s.Encoding().get());
}

}  // namespace

int32_t CountFields(const String& s, const String& separator) {
    const std::string& text = s.Bytes();
    if (text.empty()) return 0;
    const std::string sep = SeparatorFor(s, separator);
    if (sep.empty()) return 1;
    int32_t n = 1;
    for (size_t at = text.find(sep); at != std::string::npos; at = text.find(sep, at + sep.size())) ++n;
    return n;
}

String NthField(const String& s, const String& separator, int32_t n) {
    const std::string& text = s.Bytes();
    const std::string sep = SeparatorFor(s, separator);
    if (n < 1 || text.empty()) return String::FromBytes({}, s.Encoding());
    if (sep.empty()) return n == 1 ? s : String::FromBytes({}, s.Encoding());
    size_t begin = 0;
    for (int32_t field = 1; field < n; ++field) {
        size_t at = text.find(sep, begin);
        if (at == std::string::npos) return String::FromBytes({}, s.Encoding());
        begin = at + sep.size();
    }
    size_t end = text.find(sep, begin);
    return String::FromBytes(text.substr(begin, end == std::string::npos ? std::string::npos : end - begin),
                             s.Encoding());
}

std::vector<String> Fields(const String& s, const String& separator) {
    const std::string& text = s.Bytes();
    if (text.empty()) return {};
    const std::string sep = SeparatorFor(s, separator);
    if (sep.empty()) return {s};
    std::vector<String> fields;
    size_t begin = 0;
    for (size_t at = text.find(sep); at != std::string::npos; at = text.find(sep, begin)) {
        fields.push_back(String::FromBytes(text.substr(begin, at - begin), s.Encoding()));
        begin = at + sep.size();
    }
    fields.push_back(String::FromBytes(text.substr(begin), s.Encoding()));
    return fields;
}

}  // namespace runtime
