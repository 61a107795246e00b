#include "runtime/files/FinderInfo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "runtime/files/FileDescriptor.h"

namespace runtime::files {

namespace {

constexpr uint32_t kAppleDoubleMagic = 0x00051607;
constexpr uint32_t kFinderInfoEntry = 9;
constexpr uint64_t kHeaderSize = 26;  // magic, version, 16 filler bytes, entry count
constexpr uint64_t kEntrySize = 12;   // id, offset, length

uint32_t BigEndian32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

std::string Code(const uint8_t* p) {
    if (p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] == 0) return {};
    return std::string(reinterpret_cast<const char*>(p), 4);
}

}  // namespace

std::string FinderInfo::Type() const { return Code(bytes.data()); }
std::string FinderInfo::Creator() const { return Code(bytes.data() + 4); }
uint16_t FinderInfo::Flags() const { return static_cast<uint16_t>((bytes[8] << 8) | bytes[9]); }

std::optional<FinderInfo> ReadFinderInfoAttribute(const std::string& path) {
    FinderInfo info;
    const ssize_t n = getxattr(path.c_str(), kFinderInfoAttribute, info.bytes.data(), info.bytes.size());
    if (n > 0) return info;
    if (n < 0 && errno == ERANGE) {
        // Longer than Finder info: its first 32 bytes are.
        std::vector<uint8_t> buffer(64 * 1024);
        const ssize_t m = getxattr(path.c_str(), kFinderInfoAttribute, buffer.data(), buffer.size());
        if (m <= 0) return std::nullopt;
        std::copy(buffer.begin(), buffer.begin() + static_cast<long>(info.bytes.size()), info.bytes.begin());
        return info;
    }
    return std::nullopt;
}

std::optional<FinderInfo> ParseAppleDouble(const ReadAt& read, uint64_t size) {
    if (size < kHeaderSize) return std::nullopt;
    uint8_t header[kHeaderSize];
    if (read(0, header, sizeof header) != sizeof header) return std::nullopt;
    if (BigEndian32(header) != kAppleDoubleMagic) return std::nullopt;
    const uint64_t count = (uint64_t{header[24]} << 8) | header[25];
    if (count > (size - kHeaderSize) / kEntrySize) return std::nullopt;
    for (uint64_t i = 0; i < count; ++i) {
        uint8_t entry[kEntrySize];
        if (read(kHeaderSize + i * kEntrySize, entry, sizeof entry) != sizeof entry) return std::nullopt;
        if (BigEndian32(entry) != kFinderInfoEntry) continue;
        const uint64_t offset = BigEndian32(entry + 4);
        const uint64_t length = BigEndian32(entry + 8);
        if (offset > size || length > size - offset || length == 0) return std::nullopt;
        FinderInfo info;
        const size_t wanted = length < info.bytes.size() ? static_cast<size_t>(length) : info.bytes.size();
        if (read(offset, info.bytes.data(), wanted) != wanted) return std::nullopt;
        return info;
    }
    return std::nullopt;
}

std::optional<FinderInfo> ReadAppleDoubleFile(const std::string& path) {
    const FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!fd) return std::nullopt;
    struct stat st;
    if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    const ReadAt read = [&fd](uint64_t offset, void* out, size_t length) -> size_t {
        size_t done = 0;
        while (done < length) {
            const ssize_t n =
                pread(fd.get(), static_cast<char*>(out) + done, length - done, static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        return done;
    };
    return ParseAppleDouble(read, static_cast<uint64_t>(st.st_size));
}

std::string AppleDoubleName(std::string_view name) { return "._" + std::string(name); }

}  // namespace runtime::files
