#include "runtime/core/MacJapanese.h"

#include <cstdint>

#include <unicode/utf16.h>

#include "runtime/core/MacJapaneseForms.h"
#include "runtime/core/TextEncoding.h"
#include "runtime/core/Transcode.h"

namespace runtime::detail {
namespace {

// Apple's single bytes that differ from the Shift_JIS table.
struct SingleByte {
    unsigned char byte;
    UChar32 character;
};
constexpr SingleByte kAppleSingleBytes[] = {
    {0x5C, 0x00A5},  // YEN SIGN
    {0x80, 0x005C},  // REVERSE SOLIDUS
    {0xA0, 0x00A0},  // NO-BREAK SPACE
    {0xFD, 0x00A9},  // COPYRIGHT SIGN
    {0xFE, 0x2122},  // TRADE MARK SIGN
    {0xFF, 0x2026},  // HORIZONTAL ELLIPSIS (written back as the double-byte 0x8163)
};

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

UChar32 AppleCharacter(unsigned char b) {
    for (const auto& m : kAppleSingleBytes)
        if (m.byte == b) return m.character;
    return -1;
}

// Apple keeps the JIS characters where the CP932-style table has full-width
// forms; those forms are still written to the same bytes by the base table.
UChar32 AppleCharacter(unsigned char lead, unsigned char trail) {
    const auto pair = static_cast<uint16_t>(lead << 8 | trail);
    for (const auto& v : kMacJapaneseVariants)
        if (v.bytes == pair) return static_cast<UChar32>(v.jis);
    return -1;
}

int AppleByte(UChar32 c) {
    for (const auto& m : kAppleSingleBytes)
        if (m.character == c && c != 0x2026) return m.byte;
    // Characters the base table would write as one of Apple's single bytes.
    if (c == 0x0080 || (c >= 0xF8F0 && c <= 0xF8F3)) return '?';
    return -1;
}

// The bytes Apple writes for c: one byte, two (high byte first), or none (-1).
int AppleBytes(UChar32 c) {
    for (const auto& v : kMacJapaneseVariants)
        if (static_cast<UChar32>(v.jis) == c) return v.bytes;
    return AppleByte(c);
}

TextEncoding BaseTable(const char* name) {
    return TextEncoding("Shift_JIS", 0, 0, 0, TextEncoding::Scheme::Converter, name);
}

}  // namespace

icu::UnicodeString DecodeMacJapanese(std::string_view bytes, const char* baseConverter) {
    const TextEncoding base = BaseTable(baseConverter);
    icu::UnicodeString out;
    size_t runStart = 0;
    size_t i = 0;
    auto flush = [&](size_t end) {
        if (end > runStart) out.append(Decode(bytes.substr(runStart, end - runStart), &base));
    };
    while (i < bytes.size()) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (IsLeadByte(b) && i + 1 < bytes.size()) {
            // A trail byte is never one of Apple's single bytes.
            UChar32 apple = AppleCharacter(b, static_cast<unsigned char>(bytes[i + 1]));
            if (apple >= 0) {
                flush(i);
                out.append(apple);
                runStart = i + 2;
            }
            i += 2;
            continue;
        }
        UChar32 apple = AppleCharacter(b);
        if (apple >= 0) {
            flush(i);
            out.append(apple);
            runStart = i + 1;
        }
        ++i;
    }
    flush(bytes.size());
    return out;
}

std::string EncodeMacJapanese(const icu::UnicodeString& text, const char* baseConverter) {
    const TextEncoding base = BaseTable(baseConverter);
    std::string out;
    int32_t runStart = 0;
    int32_t i = 0;
    auto flush = [&](int32_t end) {
        if (end > runStart) out += Encode(text.tempSubStringBetween(runStart, end), &base);
    };
    while (i < text.length()) {
        UChar32 c = text.char32At(i);
        int32_t next = i + U16_LENGTH(c);
        int apple = AppleBytes(c);
        if (apple >= 0) {
            flush(i);
            if (apple > 0xFF) out.push_back(static_cast<char>(apple >> 8));
            out.push_back(static_cast<char>(apple & 0xFF));
            runStart = next;
        }
        i = next;
    }
    flush(text.length());
    return out;
}

}  // namespace runtime::detail
