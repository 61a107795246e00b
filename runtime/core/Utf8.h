#pragma once
// Walking UTF-8 text by characters (internal to runtime/core). A byte that
// does not begin a valid sequence is a character of its own.

#include <cstddef>
#include <string_view>

#include <unicode/utf8.h>

namespace runtime::detail {

// The offset of the character after the one at pos.
inline size_t NextCharacter(std::string_view s, size_t pos) {
    auto b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) return pos + 1;
    int32_t i = static_cast<int32_t>(pos);
    UChar32 c;
    U8_NEXT(s.data(), i, static_cast<int32_t>(s.size()), c);
    return c < 0 ? pos + 1 : static_cast<size_t>(i);
}

inline size_t CharacterCount(std::string_view s) {
    size_t n = 0;
    for (size_t pos = 0; pos < s.size(); pos = NextCharacter(s, pos)) ++n;
    return n;
}

// Byte offset of the character with 0-based index (s.size() when past the end).
inline size_t CharacterOffset(std::string_view s, size_t index) {
    size_t pos = 0;
    while (index > 0 && pos < s.size()) {
        pos = NextCharacter(s, pos);
        --index;
    }
    return pos;
}

}  // namespace runtime::detail
