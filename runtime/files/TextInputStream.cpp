#include "runtime/files/TextInputStream.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace runtime {

namespace {
constexpr size_t kBufferSize = 64 * 1024;
}

TextInputStream::TextInputStream(int fd) : fd_(fd), buffer_(kBufferSize, '\0') {}

TextInputStream::~TextInputStream() { Close(); }

void TextInputStream::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    position_ = end_ = 0;
}

bool TextInputStream::Fill() {
    if (position_ < end_) return true;
    position_ = end_ = 0;
    if (fd_ < 0) return false;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        end_ = static_cast<size_t>(n);
        return true;
    }
}

bool TextInputStream::EOF() { return !Fill(); }

std::string TextInputStream::ReadLineBytes() {
    std::string line;
    while (Fill()) {
        const char* begin = buffer_.data() + position_;
        const char* end = buffer_.data() + end_;
        const char* stop = begin;
        while (stop != end && *stop != '\r' && *stop != '\n') ++stop;
        line.append(begin, stop);
        position_ += static_cast<size_t>(stop - begin);
        if (stop == end) continue;
        ++position_;
        // A CR LF split between two reads is still one line end.
        if (*stop == '\r' && Fill() && buffer_[position_] == '\n') ++position_;
        return line;
    }
    return line;
}

std::string TextInputStream::ReadBytes(int64_t count) {
    std::string bytes;
    while (count > 0 && Fill()) {
        const size_t n = std::min(end_ - position_, static_cast<size_t>(count));
        bytes.append(buffer_.data() + position_, n);
        position_ += n;
        count -= static_cast<int64_t>(n);
    }
    return bytes;
}

std::string TextInputStream::ReadAllBytes() {
    std::string all;
    while (Fill()) {
        all.append(buffer_.data() + position_, end_ - position_);
        position_ = end_;
    }
    return all;
}

String TextInputStream::ReadLine() { return String::FromBytes(ReadLineBytes(), encoding_); }
String TextInputStream::ReadLine(const TextEncodingRef& encoding) {
    return String::FromBytes(ReadLineBytes(), encoding);
}
String TextInputStream::Read(int64_t count) { return String::FromBytes(ReadBytes(count), encoding_); }
String TextInputStream::Read(int64_t count, const TextEncodingRef& encoding) {
    return String::FromBytes(ReadBytes(count), encoding);
}
String TextInputStream::ReadAll() { return String::FromBytes(ReadAllBytes(), encoding_); }
String TextInputStream::ReadAll(const TextEncodingRef& encoding) { return String::FromBytes(ReadAllBytes(), encoding); }

}  // namespace runtime
