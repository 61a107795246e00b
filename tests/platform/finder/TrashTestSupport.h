#pragma once
// Item facts and trash readers for the finder tests.

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace finder_test {

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

// A fresh folder on /dev/shm when that is a file system apart from the one
// holding `near`; nullptr otherwise.
inline std::unique_ptr<testsupport::TempFolder> FolderOnAnotherFileSystem(const std::string& near) {
    if (access("/dev/shm", W_OK) != 0) return nullptr;
    auto folder = std::make_unique<testsupport::TempFolder>("/dev/shm");
    if (DeviceOf(folder->Path()) == DeviceOf(near)) return nullptr;
    return folder;
}

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
    std::istringstream lines(testsupport::ReadFile(path));
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
