#pragma once
// Text comparison without regard to letter case (internal to runtime/core).
//
// Texts are UTF-8. Characters are compared after Unicode full case folding,
// in code-point order; a byte that is not valid UTF-8 counts as a unit of its
// own that sorts after every character. Pure ASCII takes a fast path.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace runtime::detail {

int CompareCaseless(std::string_view a, std::string_view b);
bool EqualCaseless(std::string_view a, std::string_view b);

// A text that is equal, byte for byte, for every two texts EqualCaseless calls equal.
std::string FoldCase(std::string_view utf8);

struct ByteRange {
    size_t begin;
    size_t end;
};

// The first occurrence of needle in haystack at or after the byte offset from
// (a character boundary), letter case ignored. A match begins and ends on
// character boundaries. An empty needle finds nothing.
std::optional<ByteRange> FindCaseless(std::string_view haystack, std::string_view needle, size_t from = 0);

}  // namespace runtime::detail
