#pragma once
// What a character is in Japanese names and paths, by its place in the JIS
// tables (internal to runtime/core): the grounds on which the encoding guess
// weighs one reading of some bytes against another.

#include <cstdint>

#include <unicode/umachine.h>

namespace runtime::detail {

// From the most to the least expected in a name.
enum class CharacterKind : uint8_t {
    Ascii,        // printable ASCII, and the yen sign Mac Japanese reads from 0x5C
    Space,        // tab, line feed, carriage return
    Kana,         // hiragana, katakana, the prolonged sound and iteration marks
    Punctuation,  // Japanese punctuation and full-width ASCII
    HalfWidthKana,
    Kanji1,     // JIS X 0208 level 1: the common kanji
    Latin,      // Latin letters and general punctuation outside ASCII
    JisSymbol,  // the other JIS X 0208 characters (symbols, Greek, Cyrillic, box drawing) and NEC's row 13 (①, ㈱)
    Kanji2,     // JIS X 0208 level 2
    VendorExtension,  // the IBM kanji of the Windows-style Shift_JIS table
    Other,            // any other assigned character
    PrivateUse,
    Invalid,  // U+FFFD, unassigned code points, noncharacters, lone surrogates
    Control,  // NUL, DEL and the other C0 and C1 controls: never in a name
};

CharacterKind KindOf(UChar32 c);

}  // namespace runtime::detail
