#pragma once
// A text file read line by line. Lines end at CR, LF or CR LF; the text
// returned carries the stream's encoding as its tag (none when no encoding
// was given) and is never converted.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"
#include "runtime/files/StreamEOF.h"

namespace runtime {

class TextInputStream : public Object {
public:
    // Takes over an open file descriptor.
    explicit TextInputStream(int fd);
    ~TextInputStream() override;

    // The next line without its end; "" for an empty line and at the end.
    String ReadLine();
    String ReadLine(const TextEncodingRef& encoding);
    // The next `count` bytes, fewer at the end; "" for a count below 1.
    String Read(int64_t count);
    String Read(int64_t count, const TextEncodingRef& encoding);
    // Everything not read yet.
    String ReadAll();
    String ReadAll(const TextEncodingRef& encoding);
    // No byte is left to read (also after Close).
    bool EOF();
    void Close();

    const TextEncodingRef& Encoding() const { return encoding_; }
    void SetEncoding(TextEncodingRef encoding) { encoding_ = std::move(encoding); }

private:
    bool Fill();  // reads more when everything buffered is used; false at the end
    std::string ReadLineBytes();
    std::string ReadBytes(int64_t count);
    std::string ReadAllBytes();

    int fd_;
    std::string buffer_;
    size_t position_ = 0;  // next unread byte in buffer_
    size_t end_ = 0;       // bytes held in buffer_
    TextEncodingRef encoding_;
};

using TextInputStreamRef = std::shared_ptr<TextInputStream>;

}  // namespace runtime
