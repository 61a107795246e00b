#pragma once
// A fresh folder under $TMPDIR (or /tmp) for one test, removed with everything
// in it afterwards, and small helpers to lay out files in it.

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "runtime/files/FolderItem.h"

namespace runtime::testing {

class TempFolder {
public:
    TempFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/runtime_files_XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        // Resolved, so that paths compare with what the runtime reports.
        path_ = std::filesystem::canonical(pattern).string();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

    std::string Write(const std::string& relative, const std::string& bytes) const {
        const std::string path = *this / relative;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // The item at a path inside the folder, or the folder itself.
    FolderItemRef Item(const std::string& relative = {}) const {
        return FolderItem::FromNativePath(relative.empty() ? path_ : *this / relative);
    }
    std::string MakeFolder(const std::string& relative) const {
        const std::string path = *this / relative;
        std::filesystem::create_directories(path);
        return path;
    }

private:
    std::string path_;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

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
    data += std::string("\x00\x02", 2);                                       // two entries
    data += BigEndian32(9) + BigEndian32(50) + BigEndian32(32);               // Finder info
    data += BigEndian32(2) + BigEndian32(82) + BigEndian32(0);                // empty resource fork
    data += std::string(50 - data.size(), '\0');
    data += finderInfo;
    return data;
}

}  // namespace runtime::testing
