#include "platform/icons/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform::icons {

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& posixPath, size_t maxBytes) {
    const int fd = ::open(posixPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<std::vector<uint8_t>> result;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0 && uint64_t(st.st_size) <= maxBytes) {
        std::vector<uint8_t> bytes(size_t(st.st_size));
        size_t done = 0;
        bool failed = false;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) failed = true;
            if (n <= 0) break;
            done += size_t(n);
        }
        bytes.resize(done);  // a file that shrank meanwhile reads as what is there
        if (!failed) result = std::move(bytes);
    }
    ::close(fd);
    return result;
}

}  // namespace platform::icons
