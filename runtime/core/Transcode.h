#pragma once
// Reading and writing the bytes of an encoding (internal to runtime/core).
//
// A nil encoding means untagged bytes, read as UTF-8. Bytes that are invalid
// in the source encoding become U+FFFD; characters the target encoding cannot
// hold become "?" (Unicode targets hold every character).

#include <string>
#include <string_view>

#include <unicode/unistr.h>

#include "runtime/core/TextEncoding.h"

namespace runtime::detail {

icu::UnicodeString Decode(std::string_view bytes, const TextEncoding* encoding);
std::string Encode(const icu::UnicodeString& text, const TextEncoding* encoding);

// Conversions through UTF-8; a UTF-8 or nil side passes its bytes unchanged.
std::string ToUTF8(std::string_view bytes, const TextEncoding* encoding);
std::string FromUTF8(std::string_view utf8, const TextEncoding* encoding);

inline bool ReadsAsUTF8(const TextEncoding* encoding) { return encoding == nullptr || encoding->IsUTF8(); }

}  // namespace runtime::detail
