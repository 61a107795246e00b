#pragma once
// Temporary homes, environment overrides and trash readers for the finder tests.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace finder_test {

// Sets or clears an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_) setenv(name_.c_str(), old_->c_str(), 1);
        else unsetenv(name_.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// A fresh folder under `base`, removed with everything in it at the end.
class TempDir {
public:
    explicit TempDir(const std::string& base = "/tmp") {
        std::string pattern = base + "/finder-test-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

inline void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The item itself (a link is not followed); all zero when it does not exist.
inline struct stat StatOf(const std::string& path) {
    struct stat info {};
    lstat(path.c_str(), &info);
    return info;
}

inline bool Exists(const std::string& path) { return StatOf(path).st_nlink != 0; }
inline ino_t InodeOf(const std::string& path) { return StatOf(path).st_ino; }
inline mode_t ModeOf(const std::string& path) { return StatOf(path).st_mode & 07777; }
inline dev_t DeviceOf(const std::string& path) { return StatOf(path).st_dev; }

// Decodes %XX as a reader of info files does; nullopt on a malformed escape.
inline std::optional<std::string> PercentDecode(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[i + 1])) ||
            !std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            return std::nullopt;
        }
        out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
        i += 2;
    }
    return out;
}

struct TrashInfoFile {
    std::string header;
    std::string rawPath;       // Path= as written
    std::string deletionDate;  // DeletionDate= as written
};

inline TrashInfoFile ReadTrashInfo(const std::string& path) {
    TrashInfoFile info;
    std::istringstream lines(ReadFile(path));
    std::string line;
    std::getline(lines, info.header);
    while (std::getline(lines, line)) {
        if (line.rfind("Path=", 0) == 0) info.rawPath = line.substr(5);
        if (line.rfind("DeletionDate=", 0) == 0) info.deletionDate = line.substr(13);
    }
    return info;
}

// Seconds between now and a DeletionDate= text read as local time; -1 when unreadable.
inline long AgeOfDeletionDate(const std::string& text) {
    std::tm local{};
    const char* end = strptime(text.c_str(), "%Y-%m-%dT%H:%M:%S", &local);
    if (end == nullptr || *end != '\0' || text.size() != 19) return -1;
    local.tm_isdst = -1;
    return static_cast<long>(std::difftime(std::time(nullptr), std::mktime(&local)));
}

inline std::size_t CountEntries(const std::string& folder) {
    using std::filesystem::directory_iterator;
    return static_cast<std::size_t>(std::distance(directory_iterator(folder), directory_iterator()));
}

}  // namespace finder_test
