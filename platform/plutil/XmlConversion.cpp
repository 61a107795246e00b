#include "platform/plutil/XmlConversion.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "platform/plist/PropertyList.h"

namespace platform::plutil {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and tells whether the data reached the file.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

struct XmlDeleter {
    void operator()(char* text) const { plist_to_xml_free(text); }
};

std::string Reason(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// The whole of a regular file; nullopt with the reason otherwise. Opened
// without blocking, so a pipe or device cannot hang the command.
std::optional<std::string> ReadRegularFile(const std::string& path, mode_t& mode, std::string& reason) {
    const Descriptor in(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (in.get() < 0) {
        reason = Reason("cannot open");
        return std::nullopt;
    }
    struct stat st;
    if (fstat(in.get(), &st) != 0) {
        reason = Reason("cannot read");
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        reason = "not a regular file";
        return std::nullopt;
    }
    if (st.st_size > std::numeric_limits<uint32_t>::max()) {
        reason = "file too large";
        return std::nullopt;
    }
    mode = st.st_mode & 07777;
    std::string data;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            reason = Reason("cannot read");
            return std::nullopt;
        }
        if (n == 0) break;
        data.append(buffer, static_cast<size_t>(n));
        if (data.size() > std::numeric_limits<uint32_t>::max()) {
            reason = "file too large";
            return std::nullopt;
        }
    }
    return data;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Writes the text beside the file and renames it over the file.
std::string ReplaceFile(const std::string& path, const char* text, size_t size, mode_t mode) {
    std::string temporary = FolderOf(path) + "/.plutil-XXXXXX";
    Descriptor out(mkostemp(temporary.data(), O_CLOEXEC));
    if (out.get() < 0) return Reason("cannot write");
    const bool written = WriteAll(out.get(), text, size) && fchmod(out.get(), mode) == 0;
    std::string reason = written ? "" : Reason("cannot write");
    if (!out.Close() && reason.empty()) reason = Reason("cannot write");
    if (!reason.empty()) {
        ::unlink(temporary.c_str());
        return reason;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        reason = Reason("cannot write");
        ::unlink(temporary.c_str());
        return reason;
    }
    return "";
}

}  // namespace

std::string ConvertFileToXml(const std::string& path) {
    mode_t mode = 0644;
    std::string reason;
    const auto data = ReadRegularFile(path, mode, reason);
    if (!data) return reason;
    if (data->empty()) return "not a property list";

    // libplist's XML writer would put a string's U+0000 into the text as it is;
    // such a list is refused here with the deep, the cyclic and the expanding ones.
    const auto root = plist::ParsePropertyList(*data);
    if (!root) return "not a property list";

    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    const std::unique_ptr<char, XmlDeleter> text(xml);
    if (!text || length == 0) return "cannot convert to XML";
    return ReplaceFile(path, text.get(), length, mode);
}

}  // namespace platform::plutil
