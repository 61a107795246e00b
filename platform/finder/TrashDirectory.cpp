#include "platform/finder/TrashDirectory.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/finder/ItemPath.h"

namespace platform::finder {

namespace {

std::string AbsoluteSetting(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return {};
    std::string path = value;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string AccountHome() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        return {};
    }
    return found->pw_dir;
}

// Makes `folder` when missing; 0 when it then is a directory (followed or
// not, as asked), else an errno.
int EnsureFolder(const std::string& folder, bool followLinks) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return errno;
    struct stat info {};
    if ((followLinks ? stat(folder.c_str(), &info) : lstat(folder.c_str(), &info)) != 0) return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

int EnsureFolderWithParents(const std::string& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    if (folder != "/") {
        if (const int error = EnsureFolderWithParents(ParentOf(folder)); error != 0) return error;
    }
    return EnsureFolder(folder, true);
}

// A trash folder on a shared volume: made when missing, then a real
// directory of the user's own, with real files/ and info/ folders.
int EnsureOwnTrash(const std::string& trash, uid_t uid) {
    if (const int error = EnsureFolder(trash, false); error != 0) return error;
    struct stat info {};
    if (lstat(trash.c_str(), &info) != 0) return errno;
    if (info.st_uid != uid) return EPERM;
    if (const int error = EnsureFolder(trash + "/files", false); error != 0) return error;
    return EnsureFolder(trash + "/info", false);
}

}  // namespace

std::string HomeTrashDirectory() {
    if (std::string data = AbsoluteSetting("XDG_DATA_HOME"); !data.empty()) {
        return (data == "/" ? std::string() : data) + "/Trash";
    }
    std::string home = AbsoluteSetting("HOME");
    if (home.empty()) home = AccountHome();
    if (home.empty()) return {};
    return (home == "/" ? std::string() : home) + "/.local/share/Trash";
}

int PrepareHomeTrash(const std::string& trash) {
    if (trash.empty() || trash.front() != '/') return ENOENT;
    if (const int error = EnsureFolderWithParents(trash); error != 0) return error;
    if (const int error = EnsureFolder(trash + "/files", true); error != 0) return error;
    return EnsureFolder(trash + "/info", true);
}

std::string PrepareTopdirTrash(const std::string& topdir, uid_t uid, int* error) {
    const std::string base = topdir == "/" ? std::string() : topdir;
    const std::string uidText = std::to_string(uid);

    const std::string shared = base + "/.Trash";
    struct stat info {};
    if (lstat(shared.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX) != 0) {
        const std::string own = shared + "/" + uidText;
        if (EnsureOwnTrash(own, uid) == 0) return own;
    }

    const std::string own = base + "/.Trash-" + uidText;
    if (const int failure = EnsureOwnTrash(own, uid); failure != 0) {
        if (error != nullptr) *error = failure;
        return {};
    }
    return own;
}

}  // namespace platform::finder
