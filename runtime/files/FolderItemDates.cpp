// FolderItem: modification and creation dates.

#include "runtime/files/FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace runtime {

DateRef FolderItem::ModificationDate() const {
    struct stat st;
    if (stat(path_.c_str(), &st) != 0) return nullptr;
    return std::make_shared<Date>(st.st_mtim.tv_sec);
}

DateRef FolderItem::CreationDate() const {
    struct statx sx;
    if (statx(AT_FDCWD, path_.c_str(), 0, STATX_BTIME | STATX_MTIME, &sx) != 0) return nullptr;
    // File systems that keep no birth time give the modification time.
    const auto seconds = (sx.stx_mask & STATX_BTIME) ? sx.stx_btime.tv_sec : sx.stx_mtime.tv_sec;
    return std::make_shared<Date>(static_cast<std::time_t>(seconds));
}

}  // namespace runtime
