#include "engine/RecordFile.h"

#include <algorithm>

#include "foundation/AliasPath.h"
#include "foundation/Enigma.h"
#include "foundation/TextEnco.h"
#include "runtime/app/MessageDialog.h"
#include "runtime/core/Encodings.h"
#include "runtime/core/TextConverter.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/files/BinaryStream.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace RecordFile {
namespace {

bool IsLocationRecord(int32_t index) { return index >= kFirstLocationRecord && index <= kDocumentsRecord; }

// Reads the fields of one record file, decoding them in the scrambled layout.
class FieldReader {
public:
    FieldReader(BinaryStream& stream, Layout layout) : stream_(stream), layout_(layout), length_(stream.Length()) {}

    String CountedString() { return Plain(stream_.ReadPString()); }

    // Passes over a counted string without reading its bytes.
    void SkipCountedString() {
        const int64_t length = stream_.ReadByte();
        stream_.SetPosition(stream_.Position() + std::min(length, BytesLeft()));
    }

    // A count; nullopt when it is larger than the bytes left, each counted
    // item needing at least one byte. A negative count counts nothing.
    std::optional<int32_t> Count() {
        const int32_t count = layout_ == Layout::Scrambled ? CInt32(Val(CountedString())) : stream_.ReadLong();
        if (count > BytesLeft()) return std::nullopt;
        return count;
    }

    // A location record; nullopt when its length is negative or larger than the bytes left.
    std::optional<String> LocationRecord() {
        const int32_t length = stream_.ReadLong();
        if (length < 0 || length > BytesLeft()) return std::nullopt;
        return Plain(stream_.Read(length));
    }

private:
    int64_t BytesLeft() const { return std::max<int64_t>(length_ - stream_.Position(), 0); }
    String Plain(String stored) const {
        if (layout_ == Layout::Scrambled) return Enigma::Decode(stored, Enigma::kDecoderKey);
        return stored;
    }

    BinaryStream& stream_;
    Layout layout_;
    int64_t length_;  // asked for once, not for each of millions of fields
};

String Marked(const String& record, Marking marking) {
    switch (marking) {
    case Marking::AllUTF8: return TextEnco::gEncDefUTF8(record);
    case Marking::CountedUTF8: return record;  // location records stay untagged
    case Marking::AllShiftJIS: return DefineEncoding(record, Encodings::ShiftJIS());
    }
    return record;
}

// The other fields are passed over: only the location records are used.
std::optional<LocationRecords> ReadFields(BinaryStream& stream, const Format& format) {
    FieldReader fields(stream, format.layout);
    fields.SkipCountedString();  // the header

    const auto leadingCount = fields.Count();
    if (!leadingCount) return std::nullopt;
    for (int32_t i = 1; i <= *leadingCount; ++i) {
        fields.SkipCountedString();  // a leading value, not used
        RuntimeBackgroundTask();
    }

    const auto recordCount = fields.Count();
    if (!recordCount) return std::nullopt;
    LocationRecords records;
    for (int32_t i = 0; i < *recordCount; ++i) {
        if (IsLocationRecord(i)) {
            const auto record = fields.LocationRecord();
            if (!record) return std::nullopt;
            records[static_cast<size_t>(i - kFirstLocationRecord)] = Marked(*record, format.marking);
        } else {
            fields.SkipCountedString();
        }
        RuntimeBackgroundTask();
    }
    return records;
}

String LostRecordMessage(const Format& format, int32_t index) {
    const String message(kLostRecordMessage);
    return format.numberInMessage ? message + ":" + Str(index) : message;
}

// Replaces each location record from format.firstResolved to 19 by the path
// it resolves to; an empty one, or one the file lacks, asks nothing.
void ResolveLocationRecords(LocationRecords& records, const Format& format) {
    for (int32_t i = format.firstResolved; i <= kDocumentsRecord; ++i) {
        const size_t at = static_cast<size_t>(i - kFirstLocationRecord);
        if (!records[at].IsEmpty()) {
            const String path = AliasPath::gAbsPath_dc(records[at], false);
            if (path.IsEmpty()) MsgBox(LostRecordMessage(format, i));
            records[at] = path;
        }
        RuntimeBackgroundTask();
    }
}

}  // namespace

std::optional<LocationRecords> ReadLocationRecords(const FolderItemRef& file, const Format& format) {
    if (!file || !file->Exists()) return std::nullopt;
    const BinaryStreamRef stream = file->OpenAsBinaryFile(false);
    if (!stream) return std::nullopt;
    auto records = ReadFields(*stream, format);
    stream->Close();
    return records;
}

FolderItemRef DocumentsFolder(const FolderItemRef& prefFolder, const Format& format) {
    if (!prefFolder) return nullptr;
    auto records = ReadLocationRecords(prefFolder->Child(format.fileName), format);
    if (!records) return nullptr;
    ResolveLocationRecords(*records, format);
    const String& documents = (*records)[kDocumentsRecord - kFirstLocationRecord];
    if (documents.IsEmpty()) return nullptr;
    return GetFolderItem(documents, 0);
}

}  // namespace RecordFile
