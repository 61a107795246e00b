#include "runtime/core/JapaneseCharacters.h"

#include <vector>

#include <unicode/uchar.h>
#include <unicode/utf.h>

#include "runtime/core/Encodings.h"
#include "runtime/core/Transcode.h"

namespace runtime::detail {
namespace {

constexpr uint8_t kNotInJis = 0xFF;

CharacterKind KindOfDoubleByte(uint16_t code) {
    if (code >= 0x889F && code <= 0x9872) return CharacterKind::Kanji1;
    if (code >= 0x989F && code <= 0xEAA4) return CharacterKind::Kanji2;
    if (code < 0x8540) return CharacterKind::JisSymbol;                     // rows 1 to 8
    if (code >= 0x8740 && code <= 0x879C) return CharacterKind::JisSymbol;  // NEC's ① ㈱ ㍻ and kin
    if (code >= 0xF040 && code <= 0xF9FC) return CharacterKind::PrivateUse;
    return CharacterKind::VendorExtension;
}

// The kind of every BMP character either Shift_JIS table reads from a double
// byte, the more common kind where two double bytes give the same character.
std::vector<uint8_t> BuildJisTable() {
    std::vector<uint8_t> table(0x10000, kNotInJis);
    const TextEncoding* tables[] = {Encodings::ShiftJIS().get(), Encodings::MacJapanese().get()};
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead == 0xA0) lead = 0xE0;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
            const auto kind = static_cast<uint8_t>(KindOfDoubleByte(static_cast<uint16_t>(lead << 8 | trail)));
            for (const TextEncoding* encoding : tables) {
                const icu::UnicodeString text = Decode(std::string_view(bytes, 2), encoding);
                if (text.length() != 1 || text[0] == 0xFFFD) continue;
                uint8_t& slot = table[text[0]];
                if (kind < slot) slot = kind;
            }
        }
    }
    return table;
}

CharacterKind JisKind(UChar32 c) {
    static const std::vector<uint8_t> table = BuildJisTable();
    if (c > 0xFFFF || table[static_cast<size_t>(c)] == kNotInJis) return CharacterKind::Other;
    return static_cast<CharacterKind>(table[static_cast<size_t>(c)]);
}

bool IsKana(UChar32 c) {
    return (c >= 0x3041 && c <= 0x3096) || (c >= 0x309B && c <= 0x309F) || (c >= 0x30A1 && c <= 0x30FA) ||
           (c >= 0x30FC && c <= 0x30FF) || c == 0x3005;
}

bool IsLatin(UChar32 c) {
    return (c >= 0xA0 && c <= 0x24F) || (c >= 0x1E00 && c <= 0x1EFF) || (c >= 0x2000 && c <= 0x206F) ||
           (c >= 0x2100 && c <= 0x214F);
}

}  // namespace

CharacterKind KindOf(UChar32 c) {
    if (c < 0 || c > 0x10FFFF) return CharacterKind::Invalid;
    if (c == '\t' || c == '\n' || c == '\r') return CharacterKind::Space;
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return CharacterKind::Control;
    if (c < 0x7F || c == 0xA5) return CharacterKind::Ascii;
    if (IsKana(c)) return CharacterKind::Kana;
    if (c >= 0xFF61 && c <= 0xFF9F) return CharacterKind::HalfWidthKana;
    if ((c >= 0x3000 && c <= 0x301F) || (c >= 0xFF01 && c <= 0xFF5E) || c == 0x30FB) return CharacterKind::Punctuation;
    if (const CharacterKind jis = JisKind(c); jis != CharacterKind::Other) return jis;
    if ((c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000) return CharacterKind::PrivateUse;
    if (c == 0xFFFD || U_IS_UNICODE_NONCHAR(c) || U_IS_SURROGATE(c) || u_charType(c) == U_UNASSIGNED)
        return CharacterKind::Invalid;
    if (IsLatin(c)) return CharacterKind::Latin;
    return CharacterKind::Other;
}

}  // namespace runtime::detail
