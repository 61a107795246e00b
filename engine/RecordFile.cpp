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
    FieldReader(BinaryStream& stream, Layout layout) : stream_(stream), layout_(layout) {}

    String CountedString() { return Plain(stream_.ReadPString()); }

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
    int64_t BytesLeft() const { return stream_.Length() - stream_.Position(); }
    String Plain(const String& stored) const {
        return layout_ == Layout::Scrambled ? Enigma::Decode(stored, Enigma::kDecoderKey) : stored;
    }

    BinaryStream& stream_;
    Layout layout_;
};

String Marked(const String& record, Marking marking, bool locationRecord) {
    switch (marking) {
    case Marking::AllUTF8: return TextEnco::gEncDefUTF8(record);
    case Marking::CountedUTF8: return locationRecord ? record : TextEnco::gEncDefUTF8(record);
    case Marking::AllShiftJIS: return DefineEncoding(record, Encodings::ShiftJIS());
    }
    return record;
}

std::optional<std::vector<String>> ReadFields(BinaryStream& stream, const Format& format) {
    FieldReader fields(stream, format.layout);
    fields.CountedString();  // the header

    const auto leadingCount = fields.Count();
    if (!leadingCount) return std::nullopt;
    for (int32_t i = 1; i <= *leadingCount; ++i) {
        Val(fields.CountedString());  // a leading value, not used
        RuntimeBackgroundTask();
    }

    const auto recordCount = fields.Count();
    if (!recordCount) return std::nullopt;
    std::vector<String> records(static_cast<size_t>(std::max(*recordCount, 0)));
    for (int32_t i = 0; i < *recordCount; ++i) {
        if (IsLocationRecord(i)) {
            const auto record = fields.LocationRecord();
            if (!record) return std::nullopt;
            records[static_cast<size_t>(i)] = Marked(*record, format.marking, true);
        } else {
            records[static_cast<size_t>(i)] = Marked(fields.CountedString(), format.marking, false);
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
// it resolves to; a record the table lacks counts as empty and asks nothing.
void ResolveLocationRecords(std::vector<String>& records, const Format& format) {
    for (int32_t i = format.firstResolved; i <= kDocumentsRecord; ++i) {
        const size_t at = static_cast<size_t>(i);
        if (at < records.size() && !records[at].IsEmpty()) {
            const String path = AliasPath::gAbsPath_dc(records[at], false);
            if (path.IsEmpty()) MsgBox(LostRecordMessage(format, i));
            records[at] = path;
        }
        RuntimeBackgroundTask();
    }
}

}  // namespace

std::optional<std::vector<String>> ReadRecords(const FolderItemRef& file, const Format& format) {
    if (!file || !file->Exists()) return std::nullopt;
    const BinaryStreamRef stream = file->OpenAsBinaryFile(false);
    if (!stream) return std::nullopt;
    auto records = ReadFields(*stream, format);
    stream->Close();
    return records;
}

FolderItemRef DocumentsFolder(const FolderItemRef& prefFolder, const Format& format) {
    if (!prefFolder) return nullptr;
    auto records = ReadRecords(prefFolder->Child(format.fileName), format);
    if (!records) return nullptr;
    ResolveLocationRecords(*records, format);
    const size_t documents = static_cast<size_t>(kDocumentsRecord);
    if (documents >= records->size() || (*records)[documents].IsEmpty()) return nullptr;
    return GetFolderItem((*records)[documents], 0);
}

}  // namespace RecordFile
