#pragma once
// Finder info as a Mac keeps it: the 32 bytes, the extended attribute that
// holds them on this system, and an AppleDouble "._name" companion file.

#include <sys/xattr.h>

#include <cstdint>
#include <string>

namespace testsupport {

// 32 bytes of Finder info with the given type, creator and flags.
inline std::string FinderInfoBytes(const std::string& type, const std::string& creator, uint16_t flags = 0) {
    std::string info(32, '\0');
    for (size_t i = 0; i < 4 && i < type.size(); ++i) info[i] = type[i];
    for (size_t i = 0; i < 4 && i < creator.size(); ++i) info[4 + i] = creator[i];
    info[8] = static_cast<char>(flags >> 8);
    info[9] = static_cast<char>(flags & 0xFF);
    return info;
}

// Sets the Finder info attribute; false when the file system refuses user attributes.
inline bool SetFinderInfoAttribute(const std::string& path, const std::string& info) {
    return setxattr(path.c_str(), "user.com.apple.FinderInfo", info.data(), info.size(), 0) == 0;
}

inline std::string BigEndian32(uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

// AppleDouble data with one Finder-info entry (id 9) at offset 50, as Mac OS writes it.
inline std::string AppleDoubleBytes(const std::string& finderInfo) {
    std::string data = BigEndian32(0x00051607) + BigEndian32(0x00020000) + std::string(16, '\0');
    data += std::string("\x00\x02", 2);                          // two entries
    data += BigEndian32(9) + BigEndian32(50) + BigEndian32(32);  // Finder info
    data += BigEndian32(2) + BigEndian32(82) + BigEndian32(0);   // empty resource fork
    data += std::string(50 - data.size(), '\0');
    data += finderInfo;
    return data;
}

}  // namespace testsupport
