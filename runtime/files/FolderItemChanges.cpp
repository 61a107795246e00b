// FolderItem: making, removing, copying and moving items, and opening files.

#include "runtime/files/FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "runtime/files/FileDescriptor.h"
#include "runtime/files/FinderInfo.h"
#include "runtime/files/PathForms.h"

namespace runtime {

using files::FileDescriptor;

namespace {

// Where a copy or move of `source` into `destination` goes: inside it when it
// is a folder, else at its own path.
std::string TargetPath(const std::string& source, const FolderItem& destination) {
    if (destination.Directory()) return files::JoinPath(destination.NativePath(), files::LastName(source));
    return destination.NativePath();
}

bool CopyData(int from, int to) {
    // copy_file_range first; plain reads and writes where it is not supported.
    for (;;) {
        const ssize_t n = copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
        if (n == 0) return true;
        if (n > 0) continue;
        if (errno == EINTR) continue;
        if (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL) break;
        return false;
    }
    std::vector<char> buffer(256 * 1024);
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(to, buffer.data() + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return false;
            done += w;
        }
    }
}

void CopyFinderInfoAttribute(int from, int to) {
    char info[64 * 1024];
    const ssize_t n = fgetxattr(from, files::kFinderInfoAttribute, info, sizeof info);
    if (n > 0) fsetxattr(to, files::kFinderInfoAttribute, info, static_cast<size_t>(n), 0);
}

// A regular file opened for reading, or for reading and writing; -1 for
// anything else. Opened without blocking, so that a pipe cannot hang the open.
int OpenRegularFile(const std::string& path, bool write) {
    const int fd = ::open(path.c_str(), (write ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || fcntl(fd, F_SETFL, write ? O_RDWR : O_RDONLY) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

void FolderItem::CreateAsFolder() {
    origin_.reset();
    lastError_ = mkdir(path_.c_str(), 0700) == 0 ? 0 : errno;
}

void FolderItem::Delete() {
    origin_.reset();
    struct stat st;
    if (lstat(path_.c_str(), &st) != 0) {
        lastError_ = errno;
        return;
    }
    const int result = S_ISDIR(st.st_mode) ? rmdir(path_.c_str()) : unlink(path_.c_str());
    lastError_ = result == 0 ? 0 : errno;
}

void FolderItem::CopyFileTo(const FolderItemRef& destination) {
    if (!destination) {
        lastError_ = EINVAL;
        return;
    }
    const FileDescriptor from(::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st;
    if (!from || fstat(from.get(), &st) != 0) {
        lastError_ = errno;
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        lastError_ = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return;
    }
    const std::string target = TargetPath(path_, *destination);
    const FileDescriptor to(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!to) {
        lastError_ = errno;
        return;
    }
    errno = 0;
    if (!CopyData(from.get(), to.get()) || fchmod(to.get(), st.st_mode & 07777) != 0) {
        lastError_ = errno ? errno : EIO;
        unlink(target.c_str());  // the incomplete copy this call made
        return;
    }
    CopyFinderInfoAttribute(from.get(), to.get());
    lastError_ = 0;
}

void FolderItem::MoveFileTo(const FolderItemRef& destination) {
    if (!destination) {
        lastError_ = EINVAL;
        return;
    }
    const std::string target = TargetPath(path_, *destination);
    if (renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        lastError_ = 0;
        return;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        lastError_ = errno;
        return;
    }
    // A file system without RENAME_NOREPLACE: look first.
    struct stat st;
    if (lstat(target.c_str(), &st) == 0) {
        lastError_ = EEXIST;
        return;
    }
    lastError_ = rename(path_.c_str(), target.c_str()) == 0 ? 0 : errno;
}

TextInputStreamRef FolderItem::OpenAsTextFile() const {
    const int fd = OpenRegularFile(path_, false);
    if (fd < 0) return nullptr;
    return std::make_shared<TextInputStream>(fd);
}

BinaryStreamRef FolderItem::OpenAsBinaryFile(bool write) const {
    const int fd = OpenRegularFile(path_, write);
    if (fd < 0) return nullptr;
    return std::make_shared<BinaryStream>(fd, write);
}

}  // namespace runtime
