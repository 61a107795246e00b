#include "platform/finder/MountTop.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "platform/finder/ItemPath.h"

namespace platform::finder {

bool FileSystemKey::operator==(const FileSystemKey& other) const {
    if (device != other.device) return false;
    return !(hasMountId && other.hasMountId) || mountId == other.mountId;
}

std::optional<FileSystemKey> FileSystemOf(const std::string& path) {
    struct statx info {};
    if (statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_TYPE | STATX_MNT_ID, &info) != 0) {
        return std::nullopt;
    }
    FileSystemKey key;
    key.device = makedev(info.stx_dev_major, info.stx_dev_minor);
    key.hasMountId = (info.stx_mask & STATX_MNT_ID) != 0;
    key.mountId = key.hasMountId ? info.stx_mnt_id : 0;
    return key;
}

std::optional<FileSystemKey> FileSystemOfNearest(const std::string& absolutePath) {
    std::string path = absolutePath;
    for (;;) {
        if (auto key = FileSystemOf(path)) return key;
        if (path == "/" || path.empty()) return std::nullopt;
        path = ParentOf(path);
    }
}

std::string MountTopOf(const std::string& folder) {
    const auto key = FileSystemOf(folder);
    std::string top = folder;
    if (!key) return top;
    while (top != "/") {
        const std::string up = ParentOf(top);
        const auto upKey = FileSystemOf(up);
        if (!upKey || !(*upKey == *key)) break;
        top = up;
    }
    return top;
}

bool IsMountPoint(const std::string& itemLocation) {
    if (itemLocation == "/") return true;
    const auto item = FileSystemOf(itemLocation);
    const auto parent = FileSystemOf(ParentOf(itemLocation));
    return item && parent && !(*item == *parent);
}

}  // namespace platform::finder
