#pragma once
// Test writer of alias records, version 2, laid out as a product stores them
// in its record files: the fixed part (volume name, parent directory ID,
// target name) and the tagged extra fields (absolute path, POSIX path).
// Names and the absolute path are written in Mac Japanese, the POSIX path in
// UTF-8. Header only; link runtime_core and runtime_files.

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "runtime/core/Encodings.h"
#include "runtime/core/String.h"
#include "runtime/core/TextConverter.h"
#include "runtime/files/PathForms.h"

namespace testsupport {

// Tags of the extra fields.
inline constexpr int16_t kTagDirectoryName = 0;
inline constexpr int16_t kTagAbsolutePath = 2;
inline constexpr int16_t kTagUnicodeName = 14;
inline constexpr int16_t kTagPosixPath = 18;
inline constexpr int16_t kTagPosixMountPoint = 19;
inline constexpr int16_t kTagEnd = -1;

inline constexpr size_t kFixedPartSize = 150;

// Every piece of a record, for tests that need an unusual or damaged one.
struct AliasRecordParts {
    uint32_t userType = 0;
    bool folder = false;
    std::string volumeName = "Macintosh HD";  // bytes; the length byte says what it says, at most 27 are stored
    uint32_t parentID = 100;
    std::string name;                                     // bytes; at most 63 are stored
    int nameLengthOverride = -1;                          // >= 0: the length byte written instead of the name's length
    std::vector<std::pair<int16_t, std::string>> fields;  // in order; each padded to an even length
    bool endMarker = true;                                // the closing field of tag -1
    int recordSizeOverride = -1;                          // >= 0: the record-size word written instead of the real size
};

namespace detail {

inline void PutWord(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v >> 8));
    out.push_back(static_cast<char>(v & 0xFF));
}

inline void PutLong(std::string& out, uint32_t v) {
    PutWord(out, static_cast<uint16_t>(v >> 16));
    PutWord(out, static_cast<uint16_t>(v & 0xFFFF));
}

// A length byte and `capacity` bytes of text, padded with zeros.
inline void PutPadded(std::string& out, const std::string& text, size_t capacity, int lengthByte) {
    const size_t stored = std::min(text.size(), capacity);
    out.push_back(static_cast<char>(lengthByte >= 0 ? lengthByte : static_cast<int>(stored)));
    out.append(text, 0, stored);
    out.append(capacity - stored, '\0');
}

}  // namespace detail

// The UTF-8 text in Mac Japanese bytes.
inline std::string MacJapanese(const std::string& utf8) {
    return runtime::ConvertEncoding(runtime::String(utf8), runtime::Encodings::MacJapanese()).Bytes();
}

inline std::string BuildAliasRecord(const AliasRecordParts& parts) {
    using namespace detail;
    std::string out;
    PutLong(out, parts.userType);
    PutWord(out, 0);  // record size, filled in below
    PutWord(out, 2);  // version
    PutWord(out, parts.folder ? 1 : 0);
    PutPadded(out, parts.volumeName, 27, -1);
    PutLong(out, 0);       // volume creation date
    PutWord(out, 0x482B);  // volume signature "H+"
    PutWord(out, 0);       // fixed disk
    PutLong(out, parts.parentID);
    PutPadded(out, parts.name, 63, parts.nameLengthOverride);
    PutLong(out, 0);                                         // file number
    PutLong(out, 0);                                         // creation date
    PutLong(out, parts.folder ? 0x666F6C64u : 0x3F3F3F3Fu);  // "fold" or "????"
    PutLong(out, 0);                                         // creator
    PutWord(out, 0xFFFF);                                    // levels from
    PutWord(out, 0xFFFF);                                    // levels to
    PutLong(out, 0);                                         // volume attributes
    PutWord(out, 0);                                         // file system ID
    out.append(10, '\0');                                    // reserved
    for (const auto& [tag, data] : parts.fields) {
        PutWord(out, static_cast<uint16_t>(tag));
        PutWord(out, static_cast<uint16_t>(data.size()));
        out += data;
        if (data.size() % 2 != 0) out.push_back('\0');
    }
    if (parts.endMarker) {
        PutWord(out, 0xFFFF);
        PutWord(out, 0);
    }
    const uint16_t size = static_cast<uint16_t>(parts.recordSizeOverride >= 0 ? parts.recordSizeOverride : out.size());
    out[4] = static_cast<char>(size >> 8);
    out[5] = static_cast<char>(size & 0xFF);
    return out;
}

struct AliasRecordOptions {
    bool absolutePath = true;  // the Mac absolute path field (tag 2)
    bool posixPath = true;     // the POSIX path field (tag 18)
    uint32_t parentID = 100;
    uint32_t userType = 0;
};

// A record of the item at posixPath (absolute; the item need not exist), as
// the root volume "Macintosh HD" would hold it: the absolute path in the Mac
// form ("Macintosh HD:home:user:Documents:" for a folder), the target's name
// and its parent's name in Mac Japanese, the POSIX path as it is.
inline std::string AliasRecordFor(const std::string& posixPath, bool folder, const AliasRecordOptions& options = {}) {
    AliasRecordParts parts;
    parts.userType = options.userType;
    parts.folder = folder;
    parts.parentID = options.parentID;
    const std::string_view last = runtime::files::LastName(posixPath);
    if (last.empty()) {  // the volume itself
        parts.name = parts.volumeName;
        parts.parentID = 1;
    } else {
        parts.name = MacJapanese(runtime::files::MacNameFromLinux(last));
        const std::string parentPath = runtime::files::ParentPath(posixPath);
        const std::string_view parent = runtime::files::LastName(parentPath);
        parts.fields.emplace_back(kTagDirectoryName, parent.empty()
                                                         ? parts.volumeName
                                                         : MacJapanese(runtime::files::MacNameFromLinux(parent)));
    }
    if (options.absolutePath) {
        std::string macPath = runtime::files::MacPathFromPosix(posixPath, folder);
        parts.fields.emplace_back(kTagAbsolutePath, MacJapanese(macPath));
    }
    if (options.posixPath) parts.fields.emplace_back(kTagPosixPath, posixPath);
    return BuildAliasRecord(parts);
}

}  // namespace testsupport
