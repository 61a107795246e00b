#pragma once
// Finder info: the 32 bytes in which Mac OS keeps a file's type, creator and
// Finder flags. On Linux they are found in the extended attribute
// "user.com.apple.FinderInfo", else in the Finder-info entry of an AppleDouble
// file "._name" beside the item (what Mac OS writes on foreign volumes).

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace runtime::files {

inline constexpr const char* kFinderInfoAttribute = "user.com.apple.FinderInfo";
inline constexpr uint16_t kFinderFlagInvisible = 0x4000;

struct FinderInfo {
    std::array<uint8_t, 32> bytes{};

    // A 4-byte code of all zero bytes is no code: "".
    std::string Type() const;     // bytes 0..3
    std::string Creator() const;  // bytes 4..7
    uint16_t Flags() const;       // bytes 8..9, big-endian
    bool Invisible() const { return (Flags() & kFinderFlagInvisible) != 0; }
};

// The extended attribute of the item (of a symbolic link's target).
// A shorter attribute is padded with zero bytes.
std::optional<FinderInfo> ReadFinderInfoAttribute(const std::string& path);

// Reads `length` bytes at `offset` into `out`; returns the number read.
using ReadAt = std::function<size_t(uint64_t offset, void* out, size_t length)>;

// The Finder-info entry (id 9) of AppleDouble data of `size` bytes. Every
// offset and length in the entry table is bounded by the size.
std::optional<FinderInfo> ParseAppleDouble(const ReadAt& read, uint64_t size);

// The AppleDouble file at `path`, when it is a regular file.
std::optional<FinderInfo> ReadAppleDoubleFile(const std::string& path);

// The AppleDouble companion's name: "._" + name.
std::string AppleDoubleName(std::string_view name);

}  // namespace runtime::files
