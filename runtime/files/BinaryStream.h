#pragma once
// A file read (and written) as bytes and numbers, big-endian unless
// LittleEndian is set. Reading past the end gives 0 or "" and never fails;
// every read is bounded by the bytes left in the file.

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"
#include "runtime/files/StreamEOF.h"

namespace runtime {

class BinaryStream : public Object {
public:
    // Takes over an open file descriptor; `writable` when opened for writing.
    BinaryStream(int fd, bool writable);
    ~BinaryStream() override;

    bool LittleEndian() const { return littleEndian_; }
    void SetLittleEndian(bool value) { littleEndian_ = value; }

    int64_t Position() const { return position_; }
    void SetPosition(int64_t position) { position_ = position < 0 ? 0 : position; }
    int64_t Length() const;
    bool EOF() const { return position_ >= Length(); }
    void Close();

    int32_t ReadByte();   // 0 to 255
    int32_t ReadShort();  // signed 16 bits
    int32_t ReadLong();   // signed 32 bits
    uint32_t ReadUInt32();
    // One length byte, then that many bytes (fewer when the file ends first).
    String ReadPString(const TextEncodingRef& encoding = nullptr);
    // Up to `count` bytes.
    String Read(int64_t count, const TextEncodingRef& encoding = nullptr);

    // Writes at the position (only on a stream opened for writing).
    void Write(const String& bytes);
    void WriteByte(int32_t value);
    void WriteShort(int32_t value);
    void WriteLong(int32_t value);

private:
    size_t ReadBytes(void* out, size_t count);
    uint64_t ReadNumber(size_t size);  // 0 unless all `size` bytes are there
    void WriteNumber(uint64_t value, size_t size);
    void WriteBytes(const void* data, size_t count);

    int fd_;
    bool writable_;
    bool littleEndian_ = false;
    int64_t position_ = 0;
    std::string buffer_;    // bytes read ahead ...
    int64_t bufferAt_ = 0;  // ... from this offset
};

using BinaryStreamRef = std::shared_ptr<BinaryStream>;

}  // namespace runtime
