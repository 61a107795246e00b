#pragma once
// The seven double bytes that Mac Japanese and the Windows-style Shift_JIS
// table read differently: Mac Japanese keeps the JIS characters where that
// table has full-width and other forms. Both forms are written to the same
// bytes, so a name written in Mac Japanese and read back holds the JIS form.

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

struct MacJapaneseVariant {
    uint16_t bytes;    // lead byte high
    char32_t jis;      // what Mac Japanese reads
    char32_t windows;  // what the Windows-style table reads
};

inline constexpr MacJapaneseVariant kMacJapaneseVariants[] = {
    {0x815C, 0x2014, 0x2015},  // EM DASH; HORIZONTAL BAR
    {0x8160, 0x301C, 0xFF5E},  // WAVE DASH; FULLWIDTH TILDE
    {0x8161, 0x2016, 0x2225},  // DOUBLE VERTICAL LINE; PARALLEL TO
    {0x817C, 0x2212, 0xFF0D},  // MINUS SIGN; FULLWIDTH HYPHEN-MINUS
    {0x8191, 0x00A2, 0xFFE0},  // CENT SIGN; FULLWIDTH CENT SIGN
    {0x8192, 0x00A3, 0xFFE1},  // POUND SIGN; FULLWIDTH POUND SIGN
    {0x81CA, 0x00AC, 0xFFE2},  // NOT SIGN; FULLWIDTH NOT SIGN
};

// The UTF-8 text with each Windows-style form above replaced by its JIS
// character, as Mac Japanese gives it back; other text, ill-formed bytes
// included, is kept.
std::string MacJapaneseForms(std::string_view utf8);

}  // namespace runtime
