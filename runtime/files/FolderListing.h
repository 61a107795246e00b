#pragma once
// One reading of a folder: its entries sorted by name (case-insensitive, then
// bytewise), "." and ".." left out, each with its kind after resolving
// symbolic links. A listing remembers the folder's identity and modification
// time (nanoseconds) so that its owner can tell when to read the folder again.
// Inside a thread, a long folder is read and sorted in steps with a yield
// after each.
//
// Like every framework object, a listing is used from one thread at a time.

#include <sys/stat.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/files/FinderInfo.h"

namespace runtime::files {

enum class ItemKind : uint8_t {
    Missing,  // nothing there, or a symbolic link that leads nowhere
    File,
    Folder,
    Other,  // device, pipe or socket: shown as a file
};

ItemKind KindOfMode(mode_t mode);

class FolderListing {
public:
    struct Entry {
        std::string_view name;              // in the listing's own storage
        ItemKind kind = ItemKind::Missing;  // of the link's target for a link
        bool symlink = false;
        // Filled at first need.
        mutable bool finderInfoRead = false;
        mutable std::optional<FinderInfo> finderInfo;
        mutable std::string resolvedPath;
    };

    // Reads the folder at `folderPath`; nullptr when it cannot be read.
    static std::shared_ptr<const FolderListing> Read(const std::string& folderPath);
    // The same, with the folder's status as the caller has just taken it.
    static std::shared_ptr<const FolderListing> Read(const std::string& folderPath, const struct stat& folderStat);

    // The folder, as `folderStat` shows it now, is the one read and unchanged
    // since. A listing read in the same clock tick as the folder's last change
    // is never taken as current: a later change could carry the same time.
    bool IsCurrent(const struct stat& folderStat) const;

    const std::string& FolderPath() const { return folderPath_; }
    size_t Count() const { return entries_.size(); }
    const Entry& At(size_t index) const { return entries_[index]; }
    size_t IndexOf(const Entry& entry) const { return static_cast<size_t>(&entry - entries_.data()); }

    const Entry* Find(std::string_view name) const;              // exact bytes
    const Entry* FindIgnoringCase(std::string_view name) const;  // first in order

    // The entry's own path, and the path it leads to: the target of a link
    // (fully resolved), else its own path.
    std::string EntryPath(const Entry& entry) const;
    const std::string& ResolvedPath(const Entry& entry) const;

    // From the attribute, else from the AppleDouble companion; read once.
    // `itemPath` is the path the entry's item names: the entry's own, or the
    // resolved path of a link.
    const std::optional<FinderInfo>& EntryFinderInfo(const Entry& entry, const std::string& itemPath) const;

private:
    FolderListing() = default;

    std::string folderPath_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    struct timespec modified_ {};
    bool racy_ = false;
    bool hasCompanions_ = false;  // some name begins with "._"
    std::vector<Entry> entries_;
    // Every entry's name, one after another: a long listing is freed at once.
    std::string names_;
};

// Finder info of the item at `path` (a link's target), read afresh.
std::optional<FinderInfo> ReadFinderInfo(const std::string& path);

}  // namespace runtime::files
