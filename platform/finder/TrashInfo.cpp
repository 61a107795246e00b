#include "platform/finder/TrashInfo.h"

namespace platform::finder {

namespace {

bool KeptAsIs(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == '/';
}

// Shortens `text` to at most `limit` bytes without cutting a UTF-8 sequence.
std::string_view CutUtf8(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    // Bytes that are no UTF-8 at all are cut where they fall.
    return text.substr(0, end > 0 ? end : limit);
}

}  // namespace

std::string PercentEncodePath(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size() * 3);
    for (char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (KeptAsIs(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

std::string DeletionDateText(std::time_t when) {
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) return "1970-01-01T00:00:00";
    char text[32];
    if (std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local) == 0) return "1970-01-01T00:00:00";
    return text;
}

std::string TrashInfoText(std::string_view originalPath, std::time_t when) {
    std::string text = "[Trash Info]\nPath=";
    text += PercentEncodePath(originalPath);
    text += "\nDeletionDate=";
    text += DeletionDateText(when);
    text += '\n';
    return text;
}

std::string TrashedName(std::string_view name, int attempt) {
    std::string_view stem = name;
    std::string_view extension;
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos && dot > 0) {
        stem = name.substr(0, dot);
        extension = name.substr(dot);
    }
    const std::string suffix = attempt > 1 ? " " + std::to_string(attempt) : std::string();
    if (suffix.size() + extension.size() >= kMaxTrashedNameBytes) {
        // An extension this long is no extension: shorten the whole name.
        stem = name;
        extension = {};
    }
    const std::size_t room = kMaxTrashedNameBytes - suffix.size() - extension.size();
    std::string result(CutUtf8(stem, room));
    result += suffix;
    result += extension;
    return result;
}

}  // namespace platform::finder
