#include "platform/finder/Trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>

#include "platform/finder/ItemPath.h"
#include "platform/finder/MountTop.h"
#include "platform/finder/TrashDirectory.h"
#include "platform/finder/TrashInfo.h"

namespace platform::finder {

namespace {

TrashResult Outcome(TrashOutcome outcome, const std::string& trash = {}, int error = 0) {
    TrashResult result;
    result.outcome = outcome;
    result.trashDirectory = trash;
    result.error = error;
    return result;
}

int WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// rename(2) that never replaces: RENAME_NOREPLACE, or, on a file system that
// does not know the flag, a plain rename after checking the target is free.
int RenameNoReplace(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL) return errno;
    struct stat info {};
    if (lstat(to.c_str(), &info) == 0) return EEXIST;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// True when the item is an entry the lookup of `path` passes through, or holds
// one: the path as written, each folder and link on it and the folder it
// resolves to. Moving such an item would move the trash into itself or out of
// its own path.
bool HoldsAnEntryOnTheWay(const std::string& itemLocation, const std::string& path) {
    const auto entries = EntriesOnTheWay(path);
    return std::any_of(entries.begin(), entries.end(),
                       [&](const std::string& entry) { return IsSameOrInside(entry, itemLocation); });
}

}  // namespace

TrashResult MoveIntoTrash(const std::string& itemLocation, const std::string& trash, const std::string& pathValue) {
    const std::string text = TrashInfoText(pathValue, std::time(nullptr));
    const std::string name = NameOf(itemLocation);

    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        const std::string candidate = TrashedName(name, attempt);
        const std::string info = trash + "/info/" + candidate + ".trashinfo";
        const int fd = open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return Outcome(TrashOutcome::InfoNotWritten, trash, errno);
        }

        const std::string target = trash + "/files/" + candidate;
        struct stat existing {};
        if (lstat(target.c_str(), &existing) == 0) {
            // An item without its info file, left by an interrupted move: keep it.
            close(fd);
            unlink(info.c_str());
            continue;
        }

        int error = WriteAll(fd, text);
        if (close(fd) != 0 && error == 0) error = errno;
        if (error != 0) {
            unlink(info.c_str());
            return Outcome(TrashOutcome::InfoNotWritten, trash, error);
        }

        error = RenameNoReplace(itemLocation, target);
        if (error == 0) {
            TrashResult result = Outcome(TrashOutcome::Moved, trash);
            result.trashedPath = target;
            result.infoPath = info;
            return result;
        }
        unlink(info.c_str());
        if (error == EEXIST) continue;
        return Outcome(TrashOutcome::MoveFailed, trash, error);
    }
    return Outcome(TrashOutcome::InfoNotWritten, trash, EEXIST);
}

TrashResult MoveToTopdirTrash(const std::string& itemLocation, const std::string& topdir) {
    const std::string base = topdir == "/" ? std::string() : topdir;
    const uid_t uid = geteuid();
    if (itemLocation == topdir || IsSameOrInside(itemLocation, base + "/.Trash") ||
        IsSameOrInside(itemLocation, base + "/.Trash-" + std::to_string(uid))) {
        return Outcome(TrashOutcome::Refused);
    }

    int error = 0;
    const std::string trash = PrepareTopdirTrash(topdir, uid, &error);
    if (trash.empty()) return Outcome(TrashOutcome::NoUsableTrash, {}, error);
    return MoveIntoTrash(itemLocation, trash, itemLocation.substr(base.size() + 1));
}

TrashResult MoveToTrash(const std::string& posixPath) {
    struct stat info {};
    if (posixPath.empty() || lstat(posixPath.c_str(), &info) != 0) {
        return Outcome(TrashOutcome::NotFound, {}, posixPath.empty() ? ENOENT : errno);
    }
    const std::string location = ItemLocation(posixPath);
    if (location.empty()) return Outcome(TrashOutcome::NotFound, {}, ENOENT);
    if (location == "/" || IsMountPoint(location)) return Outcome(TrashOutcome::Refused);
    const auto itemFileSystem = FileSystemOf(location);
    if (!itemFileSystem) return Outcome(TrashOutcome::NotFound, {}, errno);

    if (const std::string homeTrash = HomeTrashDirectory(); !homeTrash.empty()) {
        const std::string resolvedTrash = ResolveExistingPart(homeTrash);
        if (IsSameOrInside(location, resolvedTrash) || HoldsAnEntryOnTheWay(location, homeTrash)) {
            return Outcome(TrashOutcome::Refused);
        }
        const auto homeFileSystem = FileSystemOfNearest(resolvedTrash);
        if (homeFileSystem && *homeFileSystem == *itemFileSystem) {
            if (const int error = PrepareHomeTrash(homeTrash); error != 0) {
                return Outcome(TrashOutcome::NoUsableTrash, homeTrash, error);
            }
            return MoveIntoTrash(location, homeTrash, location);
        }
    }
    return MoveToTopdirTrash(location, MountTopOf(ParentOf(location)));
}

}  // namespace platform::finder
