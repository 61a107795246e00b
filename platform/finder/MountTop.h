#pragma once
// Which mounted file system holds a path, and the top folder of that mount.

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace platform::finder {

struct FileSystemKey {
    dev_t device = 0;
    std::uint64_t mountId = 0;
    bool hasMountId = false;  // the kernel reported the mount id

    // Same device, and the same mount where both ids are known, so that a
    // bind mount counts as a file system of its own (rename cannot cross it).
    bool operator==(const FileSystemKey& other) const;
};

// The key of the file system holding `path`; a symbolic link is not followed.
std::optional<FileSystemKey> FileSystemOf(const std::string& path);

// The key of `path` or, when it does not exist, of its nearest existing folder.
std::optional<FileSystemKey> FileSystemOfNearest(const std::string& absolutePath);

// The highest folder above or at `folder` (an absolute, resolved path) on the
// same mounted file system: the mount's top folder.
std::string MountTopOf(const std::string& folder);

// True when the item (absolute, resolved) lies on another file system than
// the folder holding it: it is a mount point.
bool IsMountPoint(const std::string& itemLocation);

}  // namespace platform::finder
