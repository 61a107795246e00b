// The record-file lookups: record 19 of "pref2" (scrambled) or "pref"
// (plain) names the documents folder; records 17 and 18 are resolved too.

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "app/Window1.h"
#include "foundation/Globals.h"
#include "runtime/core/Encodings.h"
#include "runtime/core/TextConverter.h"
#include "runtime/threads/BackgroundTask.h"
#include "tests/engine/documents/DocumentsTestSupport.h"
#include "tests/support/AliasRecord.h"

namespace engine_testing {
namespace {

using namespace documents_testing;
using runtime::FolderItemRef;

struct Product {
    const char* name;
    Lookup lookup;
    FolderItemRef (DocumentsProbe::*reader)(const FolderItemRef&);
    const char* folder;
    const char* file;
    bool scrambled;
    bool shiftJIS;      // records are Shift-JIS text
    int firstResolved;  // 17 or 18
    bool numberInMessage;
};

// Name, lookup, reader, folder, file, scrambled, Shift-JIS, first record resolved, number in message.
const Product kTolvenade{"Tolvenade",
                         &DocumentsProbe::GetItemDocDTolv,
                         &DocumentsProbe::GetItemDocDTolv2,
                         "Tolvenade初期設定",
                         "pref2",
                         true,
                         false,
                         18,
                         true};
const Product kZoruba{"Zoruba",
                      &DocumentsProbe::GetItemDocDZorub,
                      &DocumentsProbe::GetItemDocDZorub2,
                      "Zoruba初期設定",
                      "pref2",
                      true,
                      false,
                      17,
                      false};
const Product kPelmora{"Pelmora",
                       &DocumentsProbe::GetItemDocDPlm,
                       &DocumentsProbe::GetItemDocDPlm2,
                       "Pelmora初期設定",
                       "pref",
                       false,
                       true,
                       17,
                       false};
const std::vector<Product> kProducts{kTolvenade, kZoruba, kPelmora};

std::string ShiftJIS(const std::string& utf8) {
    return runtime::ConvertEncoding(runtime::String(utf8), runtime::Encodings::ShiftJIS()).Bytes();
}

// Data that names no item and is no alias record: a Mac path below a folder that is not there.
constexpr const char* kLostFolder = "Macintosh HD:gone away:";  // 23 characters
std::string LostLocation(const std::string& what) { return kLostFolder + what + ":"; }
constexpr const char* kLostTail = "」が見つかりません。再指定して下さい。";
std::string LostAliasMessage(const std::string& what) { return "MsgBox: 「" + LostLocation(what) + kLostTail; }

// The growth of the peak resident memory since the object was made.
class PeakMemory {
public:
    PeakMemory() {
        std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from what is resident
        start_ = StatusKiB("VmRSS:");
    }
    int64_t Growth() const { return (StatusKiB("VmHWM:") - start_) * 1024; }

private:
    static int64_t StatusKiB(const std::string& field) {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.starts_with(field)) return std::stoll(line.substr(field.size()));
        return 0;
    }
    int64_t start_ = 0;
};

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}
std::string LostRecordMessage(const Product& p, int record) {
    return std::string("MsgBox: ") + kLostMessage + (p.numberInMessage ? ":" + std::to_string(record) : "");
}

class RecordFileLookupTest : public DocumentsTest {
protected:
    std::string Bytes(const Product& p, const RecordFileContents& contents) const {
        return RecordFile(contents, p.scrambled);
    }
    // A location record of the product holding this path text.
    std::string Location(const Product& p, const std::string& text) const { return p.shiftJIS ? ShiftJIS(text) : text; }
    std::string Write(const Product& p, const RecordFileContents& contents) {
        return WriteRecordFile(p.folder, p.file, Bytes(p, contents));
    }
    // Records 17 and 18 at lost locations, 19 naming docs.
    RecordFileContents LostRecordsBeforeDocuments(const Product& p, const std::string& docs) const {
        RecordFileContents c;
        c.records = Records({{17, Location(p, LostLocation("seventeen"))},
                             {18, Location(p, LostLocation("eighteen"))},
                             {19, Location(p, MacPathOf(docs))}});
        return c;
    }
    std::string ReadFrom(const Product& p, const std::string& folder) {
        return RunReader(p.reader, runtime::FolderItem::FromNativePath(folder));
    }
    // Starts each product's case afresh.
    void Reset() {
        win->pFI.clear();
        Globals::gDocDir.clear();
        asked.clear();
        Answer(Button::Action);
    }
};

TEST_F(RecordFileLookupTest, MissingFolderOrRecordFileGivesNothingAndAsksNothing) {
    for (const Product& p : kProducts) {
        SCOPED_TRACE(p.name);
        Reset();
        EXPECT_EQ(RunLookup(p.lookup, "3:4:"), "3:4:");
        home.MakeFolder("Library/Preferences/" + std::string(p.folder));
        home.Write("Library/Preferences/" + std::string(p.folder) + "/other", "x");
        EXPECT_EQ(RunLookup(p.lookup, "3:4:"), "3:4:");
        EXPECT_EQ(ReadFrom(p, home.Preferences(p.folder)), "<nil>");
        EXPECT_TRUE(win->pFI.empty());
        EXPECT_TRUE(asked.empty());
    }
}

TEST_F(RecordFileLookupTest, RecordNineteenAsPathOrAliasRegistersTheFolderWithoutAsking) {
    for (const Product& p : kProducts) {
        SCOPED_TRACE(p.name);
        Reset();
        const std::string docs = home.MakeFolder(std::string("Documents/") + p.name + " 書類");
        RecordFileContents c;
        c.leadingValues = {"3", "120"};
        c.records = Records({{0, "version 2"}, {16, "設定"}, {19, Location(p, MacPathOf(docs))}});
        Write(p, c);
        EXPECT_EQ(RunLookup(p.lookup, "3:4:"), "3:4:0:");
        EXPECT_EQ(Found(), std::vector<std::string>{"DD " + docs});
        ASSERT_EQ(Globals::gDocDir.size(), 1u);
        EXPECT_EQ(Globals::gDocDir[0]->NativePath(), docs);

        // Alias records resolve to the folders they name.
        win->pFI.clear();
        const std::string other = home.MakeFolder(std::string("Library/") + p.name + " 素材");
        c.records = Records({{17, testsupport::AliasRecordFor(other, true)},
                             {18, testsupport::AliasRecordFor(other, true)},
                             {19, testsupport::AliasRecordFor(docs, true)}});
        Write(p, c);
        EXPECT_EQ(RunLookup(p.lookup, "1:"), "1:0:");
        EXPECT_EQ(Found(), std::vector<std::string>{"DD " + docs});
        EXPECT_TRUE(asked.empty()) << testing::PrintToString(Questions());
    }
}

TEST_F(RecordFileLookupTest, FolderAlreadyRegisteredIsAppendedAgainWithItsIndex) {
    const std::string docs = home.MakeFolder("Documents/Zoruba");
    RecordFileContents c;
    c.records = Records({{19, MacPathOf(docs)}});
    Write(kZoruba, c);
    win->AddFIlist(runtime::FolderItem::FromNativePath(home.Preferences()), "P");
    win->AddFIlist(runtime::FolderItem::FromNativePath(docs), "AS");

    EXPECT_EQ(RunLookup(kZoruba.lookup, "0:1:"), "0:1:1:");
    EXPECT_EQ(win->pFI.size(), 2u);
}

// Records 17 and 18 are resolved (the first product's 18 alone, its message
// telling the number); record 19 counts all the same.
TEST_F(RecordFileLookupTest, LostLocationRecordsAskThenTellAndRecordNineteenStillCounts) {
    for (const Product& p : kProducts) {
        SCOPED_TRACE(p.name);
        Reset();
        const std::string docs = home.MakeFolder(std::string("Documents/") + p.name);
        RecordFileContents c = LostRecordsBeforeDocuments(p, docs);
        const std::string folder = Write(p, c);
        std::vector<std::string> expected;
        for (int record = p.firstResolved; record <= 18; ++record) {
            const std::string what = record == 17 ? "seventeen" : "eighteen";
            expected.insert(expected.end(), {LostAliasMessage(what), "SelectFolder", LostRecordMessage(p, record)});
        }
        EXPECT_EQ(RunLookup(p.lookup, "5:"), "5:0:");
        EXPECT_EQ(Questions(), expected);
        EXPECT_EQ(Found(), std::vector<std::string>{"DD " + docs});

        // Without record 19 there is no documents folder; records it lacks raise nothing.
        asked.clear();
        c.records.resize(19);
        Write(p, c);
        EXPECT_EQ(ReadFrom(p, folder), "<nil>");
        EXPECT_EQ(Questions(), expected);
        asked.clear();
        c.records.resize(17);
        Write(p, c);
        EXPECT_EQ(ReadFrom(p, folder), "<nil>");
        EXPECT_TRUE(asked.empty()) << testing::PrintToString(Questions());
    }
}

// The message shows a lost path of up to 1,024 characters whole, of a longer
// one its first 1,024 and "…".
TEST_F(RecordFileLookupTest, LostRecordNineteenTakesTheChosenReplacementOrGivesNothing) {
    const std::string letters(400, 'a');
    const std::string whole = letters + Repeated("書", 600);  // 1,024 characters as a lost location
    const std::string longer = letters + Repeated("書", 2000);
    const std::pair<std::string, std::string> lost[] = {
        {"documents", LostLocation("documents")},
        {whole, LostLocation(whole)},
        {whole + "類", kLostFolder + whole + "類…"},
        {longer, kLostFolder + letters + Repeated("書", 601) + "…"},
    };
    for (const Product& p : kProducts) {
        SCOPED_TRACE(p.name);
        for (const auto& [what, shown] : lost) {
            SCOPED_TRACE(what.size());
            Reset();
            RecordFileContents c;
            c.records = Records({{19, Location(p, LostLocation(what))}});
            Write(p, c);

            // Cancelled: the reader's message, then no documents folder.
            EXPECT_EQ(RunLookup(p.lookup, "2:"), "2:");
            EXPECT_EQ(Questions(), (std::vector<std::string>{"MsgBox: 「" + shown + kLostTail, "SelectFolder",
                                                             LostRecordMessage(p, 19)}));
            EXPECT_TRUE(win->pFI.empty());
        }

        // A replacement chosen: it is registered, and the reader says nothing.
        Reset();
        RecordFileContents c;
        c.records = Records({{19, Location(p, LostLocation("documents"))}});
        Write(p, c);
        const std::string replacement = home.MakeFolder(std::string("Documents/") + p.name + " chosen");
        Answer(Button::Action, runtime::FolderItem::FromNativePath(replacement));
        EXPECT_EQ(RunLookup(p.lookup, "2:"), "2:0:");
        EXPECT_EQ(Questions(), (std::vector<std::string>{LostAliasMessage("documents"), "SelectFolder"}));
        EXPECT_EQ(Found(), std::vector<std::string>{"DD " + replacement});
    }
}

TEST_F(RecordFileLookupTest, EmptyLocationRecordsAskNothing) {
    for (const Product& p : kProducts) {
        SCOPED_TRACE(p.name);
        Reset();
        RecordFileContents c;
        c.records = Records({{3, "x"}});
        EXPECT_EQ(ReadFrom(p, Write(p, c)), "<nil>");
        EXPECT_TRUE(asked.empty()) << testing::PrintToString(Questions());
    }
}

TEST_F(RecordFileLookupTest, ScrambledRecordCountThatIsNoNumberGivesNoRecords) {
    const std::string docs = home.MakeFolder("Documents/Tolvenade");
    RecordFileContents c;
    c.recordCount = "twenty";
    c.records = Records({{18, LostLocation("eighteen")}, {19, MacPathOf(docs)}});
    const std::string folder = Write(kTolvenade, c);
    EXPECT_EQ(ReadFrom(kTolvenade, folder), "<nil>");
    EXPECT_TRUE(asked.empty()) << testing::PrintToString(Questions());

    // A count that begins with a number is that number.
    c.recordCount = "20 records";
    c.records = Records({{19, MacPathOf(docs)}});
    Write(kTolvenade, c);
    EXPECT_EQ(ReadFrom(kTolvenade, folder), docs);
}

TEST_F(RecordFileLookupTest, LeadingValuesAndOtherRecordsOfAnyContentOnlyAdvanceTheStream) {
    for (const Product& p : kProducts) {
        SCOPED_TRACE(p.name);
        Reset();
        const std::string docs = home.MakeFolder(std::string("Documents/") + p.name);
        // The longest counted string: 255 bytes, or 127 scrambled to 254 characters.
        const std::string longest(p.scrambled ? 127 : 255, 'z');
        RecordFileContents c;
        c.header = longest;
        c.leadingValues = {"", "7", "not a number", longest, "-3"};
        std::map<int, std::string> filled{{19, Location(p, MacPathOf(docs))}};
        for (int i = 0; i <= 16; ++i)
            filled[i] = i % 3 == 0 ? "" : i % 3 == 1 ? longest : "レコード" + std::to_string(i);
        c.records = Records(filled, 24);
        c.records[21] = "after the documents record";
        const std::string folder = Write(p, c);
        EXPECT_EQ(ReadFrom(p, folder), docs);
        EXPECT_TRUE(asked.empty()) << testing::PrintToString(Questions());
    }
}

// None raises the peak memory by more than 16 MB either: the records read only
// to advance the stream are not kept.
TEST_F(RecordFileLookupTest, DamagedFilesGiveNothingAndAskNothing) {
    runtime::SetThreadTimeSlice(std::chrono::milliseconds(5));  // the program's own: millions of records
    for (const Product& p : kProducts) {
        SCOPED_TRACE(p.name);
        Reset();
        const std::string docs = home.MakeFolder(std::string("Documents/") + p.name);
        const RecordFileContents good = LostRecordsBeforeDocuments(p, docs);
        const std::string whole = Bytes(p, good);

        std::vector<std::pair<std::string, std::string>> damaged;
        auto with = [&](const char* name, auto change) {
            RecordFileContents c = good;
            change(c);
            damaged.emplace_back(name, Bytes(p, c));
        };
        with("record count beyond the file", [](RecordFileContents& c) { c.recordCount = "2147483647"; });
        with("leading count beyond the file", [](RecordFileContents& c) { c.leadingCount = "1000000"; });
        with("negative location length", [](RecordFileContents& c) { c.lengthOverride[19] = -1; });
        with("location length beyond the file", [](RecordFileContents& c) { c.lengthOverride[19] = 0x7FFFFFFF; });
        with("record seventeen longer than the file", [](RecordFileContents& c) { c.lengthOverride[17] = 100000; });
        damaged.emplace_back("cut inside record nineteen", whole.substr(0, whole.size() - 3));
        const std::string eighteen = Location(p, LostLocation("eighteen"));
        const size_t eighteenAt = whole.find(p.scrambled ? Scramble(eighteen) : eighteen);
        ASSERT_NE(eighteenAt, std::string::npos);
        damaged.emplace_back("cut inside record eighteen", whole.substr(0, eighteenAt + 5));
        damaged.emplace_back("cut in the counts", whole.substr(0, 8));
        damaged.emplace_back("only a header byte", std::string(1, '\xFF'));
        damaged.emplace_back("noise", std::string("\x7F\xFF\xFF\xFF\x80\x00\x00\x01\xFE\x01\x02", 11));
        RecordFileContents empty;
        empty.records = Records({});
        empty.recordCount = "4000000";
        damaged.emplace_back("four million empty records", Bytes(p, empty) + std::string(4'000'000, '\0'));

        for (const auto& [name, bytes] : damaged) {
            SCOPED_TRACE(name);
            asked.clear();
            const std::string folder = WriteRecordFile(p.folder, p.file, bytes);
            const PeakMemory peak;
            EXPECT_EQ(ReadFrom(p, folder), "<nil>");
            EXPECT_LT(peak.Growth(), 16 << 20) << "bytes for a file of " << bytes.size();
            EXPECT_TRUE(asked.empty()) << testing::PrintToString(Questions());
        }
        // Extra bytes after the last record are not read.
        asked.clear();
        const std::string folder = WriteRecordFile(p.folder, p.file, whole + std::string(40, '\x7F'));
        Answer(Button::Action, runtime::FolderItem::FromNativePath(docs));
        EXPECT_EQ(ReadFrom(p, folder), docs);
    }
}

TEST_F(RecordFileLookupTest, ScrambledTextWithCharactersOutsideTheAlphabetGivesNothing) {
    RecordFileContents c;
    c.records = Records({});
    std::string bytes = RecordFile(c, true);
    // Record 19 with a length of 8 and characters no product writes.
    bytes.resize(bytes.size() - 4);
    bytes += Int32BigEndian(8) + "!!##$$%%";
    const std::string folder = WriteRecordFile(kZoruba.folder, kZoruba.file, bytes);
    EXPECT_EQ(ReadFrom(kZoruba, folder), "<nil>");
    EXPECT_TRUE(asked.empty());
}

TEST_F(RecordFileLookupTest, RecordNineteenNamingNothingLeavesTheListUnchanged) {
    for (const Product& p : kProducts) {
        SCOPED_TRACE(p.name);
        Reset();
        const std::string missing = home.Path("Documents/never made");
        RecordFileContents c;
        c.records = Records({{19, Location(p, MacPathOf(missing))}});
        const std::string folder = Write(p, c);
        EXPECT_EQ(ReadFrom(p, folder), missing);
        EXPECT_EQ(RunLookup(p.lookup, "1:"), "1:");
        EXPECT_TRUE(win->pFI.empty());
    }
}

TEST_F(RecordFileLookupTest, UserFoldersAreNeverRegisteredWhetherRecordedOrChosen) {
    const auto folders = UserFoldersAndGenuineOnes();
    for (const Product& p : kProducts) {
        SCOPED_TRACE(p.name);
        for (const NamedFolder& f : folders) {
            SCOPED_TRACE(f.name);
            const auto found = f.registered ? std::vector<std::string>{"DD " + f.path} : std::vector<std::string>{};
            Reset();
            RecordFileContents c;
            c.records = Records({{19, Location(p, MacPathOf(f.path))}});
            Write(p, c);
            EXPECT_EQ(RunLookup(p.lookup, "1:"), f.registered ? "1:0:" : "1:");
            EXPECT_EQ(Found(), found);

            // The user answers the lost-location question with that folder.
            Reset();
            c.records = Records({{19, Location(p, LostLocation("documents"))}});
            Write(p, c);
            Answer(Button::Action, runtime::FolderItem::FromNativePath(f.path));
            EXPECT_EQ(RunLookup(p.lookup, "2:"), f.registered ? "2:0:" : "2:");
            EXPECT_EQ(Questions(), (std::vector<std::string>{LostAliasMessage("documents"), "SelectFolder"}));
            EXPECT_EQ(Found(), found);
            EXPECT_EQ(Globals::gDocDir.size(), found.size());
        }
    }
}

TEST_F(RecordFileLookupTest, StopRequestEndsTheRunBeforeTheFileIsRead) {
    for (const Product& p : kProducts) {
        SCOPED_TRACE(p.name);
        Reset();
        RecordFileContents c;
        c.records = Records({{17, Location(p, LostLocation("seventeen"))},
                             {18, Location(p, LostLocation("eighteen"))},
                             {19, Location(p, LostLocation("nineteen"))}});
        Write(p, c);
        win->pStopThread2 = true;
        EXPECT_EQ(RunLookup(p.lookup, "1:"), std::nullopt);
        EXPECT_TRUE(asked.empty()) << testing::PrintToString(Questions());
        EXPECT_TRUE(win->pFI.empty());
        EXPECT_EQ(win->StaticText1()->Text().ToUTF8(), "処理が中止されました。");
        EXPECT_TRUE(win->Toolbar11()->ToolItem4->Enabled());
        win->pStopThread2 = false;
    }
}

}  // namespace
}  // namespace engine_testing
