#pragma once
// Reading .icns files into icon families.
//
// A file is "icns", its total length, then entries of a type, a length that
// counts the 8 header bytes, and the data. Every length is bounded by the
// bytes present: the entries before a damaged one are kept, nothing from it
// on. An element is kept only when its data has the form and size its type
// needs (see ElementTypes.h); unknown types are skipped.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/icons/IconFamily.h"

namespace platform::icons {

// Files larger than this are not read.
inline constexpr size_t kMaxIcnsFileBytes = 32u << 20;

// The family of the bytes of an .icns file; an empty family when none of it
// is usable. The 32-bit elements are unpacked and take their alpha from the
// 8-bit mask of their size where the file has one (255 otherwise); the PNG
// images give ic08 and ic09 and the sizes the file lacks (see PngFamily.h).
std::shared_ptr<IconFamily> ReadIcnsData(const std::vector<uint8_t>& file);

// The family of an .icns file; nullptr when it is no regular file or cannot
// be read.
std::shared_ptr<IconFamily> ReadIcnsFile(const std::string& posixPath);

}  // namespace platform::icons
