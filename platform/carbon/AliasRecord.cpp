#include "platform/carbon/AliasRecord.h"

namespace platform::carbon {
namespace {

constexpr size_t kFixedPartSize = 150;
constexpr size_t kVolumeNameOffset = 10;
constexpr size_t kVolumeNameCapacity = 27;
constexpr size_t kParentIDOffset = 46;
constexpr size_t kNameOffset = 50;
constexpr size_t kNameCapacity = 63;
constexpr int16_t kTagEnd = -1;

// Reads inside a record whose size has been checked.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}

    uint16_t Word(size_t at) const {
        return static_cast<uint16_t>(Byte(at) << 8 | Byte(at + 1));
    }
    uint32_t Long(size_t at) const { return static_cast<uint32_t>(Word(at)) << 16 | Word(at + 2); }
    // A length byte and the bytes it counts, within capacity.
    std::optional<std::string> PString(size_t at, size_t capacity) const {
        const size_t length = Byte(at);
        if (length > capacity) return std::nullopt;
        return std::string(bytes_.substr(at + 1, length));
    }

private:
    unsigned Byte(size_t at) const { return static_cast<unsigned char>(bytes_[at]); }

    std::string_view bytes_;
};

void Keep(std::optional<std::string>& slot, std::string_view data) {
    if (!slot && !data.empty()) slot = std::string(data);
}

}  // namespace

std::optional<AliasRecordFields> ParseAliasRecord(std::string_view bytes) {
    if (bytes.size() < kFixedPartSize) return std::nullopt;
    const RecordReader head(bytes);
    const size_t recordSize = head.Word(4);
    if (head.Word(6) != 2 || recordSize < kFixedPartSize || recordSize > bytes.size()) return std::nullopt;
    const std::string_view record = bytes.substr(0, recordSize);
    const RecordReader reader(record);

    AliasRecordFields fields;
    fields.userType = reader.Long(0);
    fields.folder = reader.Word(8) == 1;
    fields.parentID = static_cast<int32_t>(reader.Long(kParentIDOffset));
    auto volumeName = reader.PString(kVolumeNameOffset, kVolumeNameCapacity);
    auto name = reader.PString(kNameOffset, kNameCapacity);
    if (!volumeName || !name) return std::nullopt;
    fields.volumeName = std::move(*volumeName);
    fields.name = std::move(*name);

    size_t at = kFixedPartSize;
    while (record.size() - at >= 4) {
        const auto tag = static_cast<int16_t>(reader.Word(at));
        const size_t length = reader.Word(at + 2);
        if (tag == kTagEnd) break;
        if (length > record.size() - at - 4) return std::nullopt;
        const std::string_view data = record.substr(at + 4, length);
        if (tag == kAliasTagAbsolutePath) Keep(fields.absolutePath, data);
        if (tag == kAliasTagPosixPath) Keep(fields.posixPath, data);
        if (tag == kAliasTagPosixMountPoint) Keep(fields.posixMountPoint, data);
        at += 4 + length + (length % 2);
        if (at > record.size()) break;  // the last field's padding byte may be missing
    }
    return fields;
}

}  // namespace platform::carbon
