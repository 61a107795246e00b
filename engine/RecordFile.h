#pragma once
// The record files in which some products keep the location of their
// documents folder. Read front to back: a header, a leading count and that
// many leading values, a record count and the records, numbered from 0.
// Records 17, 18 and 19 are location records (an Int32 length, then that many
// bytes: alias data or an absolute path); record 19 names the documents
// folder. The others are counted strings (a length byte, then the bytes).
//
// Two layouts: in the scrambled one ("pref2") every field is scrambled path
// text and the counts are decimal text; in the plain one ("pref") nothing is
// scrambled and the counts are Int32.

#include <array>
#include <cstdint>
#include <optional>

#include "runtime/core/String.h"
#include "runtime/files/FolderItem.h"

namespace RecordFile {

enum class Layout { Scrambled, Plain };

// The encoding tag each record gets once read.
enum class Marking {
    AllUTF8,      // every record
    CountedUTF8,  // the counted strings; location records stay untagged
    AllShiftJIS,  // every record
};

// Records 17, 18 and 19, marked; "" for a record the file does not hold.
using LocationRecords = std::array<runtime::String, 3>;

// One product's record file.
struct Format {
    const char* fileName;
    Layout layout;
    Marking marking;
    int32_t firstResolved;  // the first location record resolved, 17 or 18
    bool numberInMessage;   // a lost record's message ends in ":" and its number
};

inline constexpr int32_t kFirstLocationRecord = 17;
inline constexpr int32_t kDocumentsRecord = 19;

// The message shown when a location record stays lost.
inline constexpr const char* kLostRecordMessage = "必要なファイルの所在が不明なので、処理を続行できません。";

// The location records of the file; nullopt when the file cannot be opened or
// is damaged: a count or a location record's length that is negative or
// larger than the bytes left in the file. The other fields are passed over
// unread, so memory follows the location records alone. Yields after each
// leading value and each record.
std::optional<LocationRecords> ReadLocationRecords(const runtime::FolderItemRef& file, const Format& format);

// The item that record 19 of the product's record file names, after the
// location records from format.firstResolved to 19 have been resolved (a
// lost one asks the user and, when that is cancelled, tells the user and
// becomes empty). Nil when the file is missing, unreadable or damaged, or
// record 19 is empty. Whether the item exists is the caller's question.
runtime::FolderItemRef DocumentsFolder(const runtime::FolderItemRef& prefFolder, const Format& format);

}  // namespace RecordFile
