#include "platform/carbon/AliasRecord.h"

#include <algorithm>

namespace platform::carbon {
namespace {

constexpr size_t kHeadSize = 10;  // user type, record size, version, kind
constexpr size_t kFixedPartSize = 150;
constexpr size_t kVolumeNameOffset = 10;
constexpr size_t kVolumeNameCapacity = 27;
constexpr size_t kParentIDOffset = 46;
constexpr size_t kNameOffset = 50;
constexpr size_t kNameCapacity = 63;
constexpr uint16_t kVersion = 2;
constexpr int16_t kTagEnd = -1;

// Reads inside the record's bytes; each read says whether it fitted.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}

    size_t Size() const { return bytes_.size(); }
    uint16_t Word(size_t at) const { return static_cast<uint16_t>(Byte(at) << 8 | Byte(at + 1)); }
    uint32_t Long(size_t at) const { return static_cast<uint32_t>(Word(at)) << 16 | Word(at + 2); }
    // A length byte and the bytes it counts, within capacity and the record.
    std::optional<std::string> PString(size_t at, size_t capacity) const {
        if (at >= bytes_.size()) return std::nullopt;
        const size_t length = Byte(at);
        if (length > capacity || length > bytes_.size() - at - 1) return std::nullopt;
        return std::string(bytes_.substr(at + 1, length));
    }
    std::string_view Bytes(size_t at, size_t length) const { return bytes_.substr(at, length); }

private:
    // 0 past the end: callers check the size before they trust a number.
    unsigned Byte(size_t at) const { return at < bytes_.size() ? static_cast<unsigned char>(bytes_[at]) : 0; }

    std::string_view bytes_;
};

void Keep(std::optional<std::string>& slot, std::string_view data) {
    if (!slot && !data.empty()) slot = std::string(data);
}

struct Reading {
    AliasRecordFields fields;
    bool whole = true;  // every field present and inside the record
};

// Every field of the record that lies wholly inside it.
Reading Read(const RecordReader& record) {
    Reading r;
    r.fields.userType = record.Long(0);
    r.fields.folder = record.Word(8) == 1;
    r.fields.parentID = static_cast<int32_t>(record.Long(kParentIDOffset));
    auto volumeName = record.PString(kVolumeNameOffset, kVolumeNameCapacity);
    auto name = record.PString(kNameOffset, kNameCapacity);
    r.whole = record.Size() >= kFixedPartSize && volumeName && name;
    if (volumeName) r.fields.volumeName = std::move(*volumeName);
    if (name) r.fields.name = std::move(*name);

    size_t at = kFixedPartSize;
    while (record.Size() >= at + 4) {
        const auto tag = static_cast<int16_t>(record.Word(at));
        const size_t length = record.Word(at + 2);
        if (tag == kTagEnd) break;
        if (length > record.Size() - at - 4) {
            r.whole = false;
            break;
        }
        const std::string_view data = record.Bytes(at + 4, length);
        if (tag == kAliasTagAbsolutePath) Keep(r.fields.absolutePath, data);
        if (tag == kAliasTagPosixPath) Keep(r.fields.posixPath, data);
        if (tag == kAliasTagPosixMountPoint) Keep(r.fields.posixMountPoint, data);
        at += 4 + length + (length % 2);  // the last field's padding byte may be missing
    }
    return r;
}

bool IsVersion2(const RecordReader& head) { return head.Size() >= kHeadSize && head.Word(6) == kVersion; }

}  // namespace

std::optional<AliasRecordFields> ParseAliasRecord(std::string_view bytes) {
    const RecordReader head(bytes);
    const size_t recordSize = head.Word(4);
    if (!IsVersion2(head) || recordSize < kFixedPartSize || recordSize > bytes.size()) return std::nullopt;
    Reading r = Read(RecordReader(bytes.substr(0, recordSize)));
    if (!r.whole) return std::nullopt;
    return std::move(r.fields);
}

std::optional<AliasRecordFields> SalvageAliasRecord(std::string_view bytes) {
    const RecordReader head(bytes);
    if (!IsVersion2(head) || head.Word(8) > 1) return std::nullopt;  // a file or a folder
    const size_t recordSize = head.Word(4);
    const size_t size = recordSize >= kFixedPartSize ? std::min(recordSize, bytes.size()) : bytes.size();
    return Read(RecordReader(bytes.substr(0, size))).fields;
}

}  // namespace platform::carbon
