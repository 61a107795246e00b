#pragma once
// A fresh folder for one test, removed with everything in it when the object
// goes, and the whole-file reads and writes the tests lay files out with.
// The folder lies under $TMPDIR (or /tmp) unless a base folder is given; its
// path is resolved, so it compares with the paths the code under test reports.
// Creating it throws when the base folder takes no new folder.

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/files/FolderItem.h"

namespace testsupport {

// Writes bytes to path, creating the folders above it.
inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}
inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class TempFolder {
public:
    explicit TempFolder(std::string base = {}) {
        if (base.empty()) {
            const char* tmp = std::getenv("TMPDIR");
            base = tmp && tmp[0] == '/' ? tmp : "/tmp";
        }
        std::string pattern = base + "/keldo-test-XXXXXX";
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder in " + base);
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

    // Each returns the path it made.
    std::string Write(const std::string& relative, const std::string& bytes) const {
        WriteFile(*this / relative, bytes);
        return *this / relative;
    }
    std::string MakeFolder(const std::string& relative) const {
        std::filesystem::create_directories(*this / relative);
        return *this / relative;
    }
    // The item at a path inside the folder, or the folder itself (links runtime_files).
    runtime::FolderItemRef Item(const std::string& relative = {}) const {
        return runtime::FolderItem::FromNativePath(relative.empty() ? path_ : *this / relative);
    }

private:
    std::string path_;
};

}  // namespace testsupport
