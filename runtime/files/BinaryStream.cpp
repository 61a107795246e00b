#include "runtime/files/BinaryStream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace runtime {

namespace {
constexpr size_t kReadAhead = 64 * 1024;
}

BinaryStream::BinaryStream(int fd, bool writable) : fd_(fd), writable_(writable) {}

BinaryStream::~BinaryStream() { Close(); }

void BinaryStream::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    buffer_.clear();
}

int64_t BinaryStream::Length() const {
    struct stat st;
    if (fd_ < 0 || fstat(fd_, &st) != 0) return 0;
    return st.st_size;
}

size_t BinaryStream::ReadBytes(void* out, size_t count) {
    auto* target = static_cast<char*>(out);
    size_t done = 0;
    while (done < count && fd_ >= 0) {
        const int64_t bufferEnd = bufferAt_ + static_cast<int64_t>(buffer_.size());
        if (position_ >= bufferAt_ && position_ < bufferEnd) {
            const size_t offset = static_cast<size_t>(position_ - bufferAt_);
            const size_t n = std::min(count - done, buffer_.size() - offset);
            std::memcpy(target + done, buffer_.data() + offset, n);
            done += n;
            position_ += static_cast<int64_t>(n);
            continue;
        }
        buffer_.resize(kReadAhead);
        ssize_t n;
        do {
            n = ::pread(fd_, buffer_.data(), buffer_.size(), position_);
        } while (n < 0 && errno == EINTR);
        buffer_.resize(n > 0 ? static_cast<size_t>(n) : 0);
        bufferAt_ = position_;
        if (n <= 0) break;
    }
    return done;
}

uint64_t BinaryStream::ReadNumber(size_t size) {
    unsigned char bytes[8] = {};
    if (ReadBytes(bytes, size) != size) return 0;
    uint64_t value = 0;
    for (size_t i = 0; i < size; ++i) {
        const unsigned char byte = littleEndian_ ? bytes[size - 1 - i] : bytes[i];
        value = (value << 8) | byte;
    }
    return value;
}

int32_t BinaryStream::ReadByte() { return static_cast<int32_t>(ReadNumber(1)); }
int32_t BinaryStream::ReadShort() { return static_cast<int16_t>(ReadNumber(2)); }
int32_t BinaryStream::ReadLong() { return static_cast<int32_t>(static_cast<uint32_t>(ReadNumber(4))); }
uint32_t BinaryStream::ReadUInt32() { return static_cast<uint32_t>(ReadNumber(4)); }

String BinaryStream::ReadPString(const TextEncodingRef& encoding) {
    unsigned char length = 0;
    if (ReadBytes(&length, 1) != 1) return String::FromBytes({}, encoding);
    return Read(length, encoding);
}

String BinaryStream::Read(int64_t count, const TextEncodingRef& encoding) {
    const int64_t left = Length() - position_;
    if (count <= 0 || left <= 0) return String::FromBytes({}, encoding);
    std::string bytes(static_cast<size_t>(std::min(count, left)), '\0');
    bytes.resize(ReadBytes(bytes.data(), bytes.size()));
    return String::FromBytes(std::move(bytes), encoding);
}

void BinaryStream::WriteBytes(const void* data, size_t count) {
    if (fd_ < 0 || !writable_) return;
    const auto* source = static_cast<const char*>(data);
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(fd_, source + done, count - done, position_);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
        position_ += n;
    }
    buffer_.clear();
}

void BinaryStream::WriteNumber(uint64_t value, size_t size) {
    unsigned char bytes[8];
    for (size_t i = 0; i < size; ++i) {
        const unsigned char byte = static_cast<unsigned char>(value >> (8 * (size - 1 - i)));
        bytes[littleEndian_ ? size - 1 - i : i] = byte;
    }
    WriteBytes(bytes, size);
}

void BinaryStream::Write(const String& bytes) { WriteBytes(bytes.Bytes().data(), bytes.Bytes().size()); }
void BinaryStream::WriteByte(int32_t value) { WriteNumber(static_cast<uint8_t>(value), 1); }
void BinaryStream::WriteShort(int32_t value) { WriteNumber(static_cast<uint16_t>(value), 2); }
void BinaryStream::WriteLong(int32_t value) { WriteNumber(static_cast<uint32_t>(value), 4); }

}  // namespace runtime
