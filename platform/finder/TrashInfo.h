#pragma once
// The text of a trash info file and the names items take inside a trash.

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>

namespace platform::finder {

// Longest name an item may take in files/, so that NAME.trashinfo still fits
// a file name of 255 bytes.
inline constexpr std::size_t kMaxTrashedNameBytes = 255 - 10;

// Percent-encodes a path byte by byte: letters, digits, "-", ".", "_", "~"
// and "/" stay, every other byte becomes %XX (upper-case hex).
std::string PercentEncodePath(std::string_view path);

// "YYYY-MM-DDThh:mm:ss" in local time.
std::string DeletionDateText(std::time_t when);

// "[Trash Info]", Path= (encoded here) and DeletionDate=, one line each.
std::string TrashInfoText(std::string_view originalPath, std::time_t when);

// The name tried on the given attempt (1, 2, 3 ...): the item's own name first,
// then "name 2.ext", "name 3.ext" ... The extension is what follows the last
// "." that is not the first byte. Names longer than kMaxTrashedNameBytes lose
// bytes at the end of the stem, never inside a UTF-8 character.
std::string TrashedName(std::string_view name, int attempt);

}  // namespace platform::finder
