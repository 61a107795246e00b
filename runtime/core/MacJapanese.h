#pragma once
// Mac Japanese (internal to runtime/core): the Shift_JIS table of ICU with
// Apple's single-byte mappings and its JIS forms of a few double bytes laid
// over it.

#include <string>
#include <string_view>

#include <unicode/unistr.h>

namespace runtime::detail {

icu::UnicodeString DecodeMacJapanese(std::string_view bytes, const char* baseConverter);
std::string EncodeMacJapanese(const icu::UnicodeString& text, const char* baseConverter);

}  // namespace runtime::detail
