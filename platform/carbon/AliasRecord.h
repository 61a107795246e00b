#pragma once
// The fields of an alias record, version 2, read from its bytes.
//
// Layout (big-endian): user type (4), record size (2), version (2), kind (2:
// 0 file, 1 folder), volume name (length byte + 27), volume date (4),
// signature (2), volume type (2), parent directory ID (4), target name
// (length byte + 63), then fixed facts up to byte 150, then tagged fields:
// tag (2), length (2), data padded to an even length, closed by tag -1.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::carbon {

inline constexpr int16_t kAliasTagAbsolutePath = 2;  // "Volume:folder:name", Mac Japanese
inline constexpr int16_t kAliasTagPosixPath = 18;    // path below the volume's mount point, UTF-8
inline constexpr int16_t kAliasTagPosixMountPoint = 19;

struct AliasRecordFields {
    uint32_t userType = 0;
    bool folder = false;
    std::string volumeName;  // bytes as recorded
    int32_t parentID = 0;    // the recording system's directory ID
    std::string name;        // bytes as recorded
    // Tagged fields; absent when missing or empty. The first of a tag counts.
    std::optional<std::string> absolutePath;
    std::optional<std::string> posixPath;
    std::optional<std::string> posixMountPoint;
};

// The fields, or nothing when the bytes are no version 2 record or any length
// in it reaches past the record.
std::optional<AliasRecordFields> ParseAliasRecord(std::string_view bytes);

// What a damaged record still holds: each field that lies wholly inside the
// bytes (and inside the record size, when that is at least the fixed part),
// tagged fields up to the first that reaches past the end; a name or volume
// name that does not fit is left empty. Nothing when the bytes do not begin
// as a version 2 record of a file or a folder.
std::optional<AliasRecordFields> SalvageAliasRecord(std::string_view bytes);

}  // namespace platform::carbon
