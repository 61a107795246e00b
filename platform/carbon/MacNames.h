#pragma once
// Names as this layer hands them out (internal to platform/carbon): the Mac
// form of a Linux name (":" and "/" trade places) in Mac Japanese bytes.

#include <optional>
#include <string>
#include <string_view>

namespace platform::carbon::detail {

// The Mac Japanese bytes of the Linux name (UTF-8); nothing when the name
// holds a character Mac Japanese cannot carry there and back, or bytes that
// are no UTF-8. A full-width form that Mac Japanese reads back as its JIS
// character (～ as 〜) is carried: the two name the same item.
std::optional<std::string> MacJapaneseName(std::string_view linuxName);

// The Mac Japanese bytes as UTF-8 text.
std::string Utf8FromMacJapanese(std::string_view bytes);

// Copies bytes into a Pascal string of the given capacity; false, and nothing
// written, when they do not fit.
[[nodiscard]] bool StorePString(unsigned char* target, size_t capacity, std::string_view bytes);

}  // namespace platform::carbon::detail
