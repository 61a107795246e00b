#include "foundation/AliasPath.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "foundation/DecrareEtc.h"
#include "foundation/TextEnco.h"
#include "platform/carbon/Carbon.h"
#include "runtime/app/ModalResponder.h"
#include "runtime/files/FolderItem.h"
#include "tests/support/AliasRecord.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TempFolder.h"

using namespace runtime;
namespace carbon = platform::carbon;
using testsupport::AliasRecordFor;
using testsupport::MacJapanese;

namespace {

const char kLostTail[] = "」が見つかりません。再指定して下さい。";

// The UTF-8 Mac form of a POSIX path under the root volume.
std::string MacPath(std::string posix, bool folder) {
    for (char& c : posix)
        if (c == '/') c = ':';
    return "Macintosh HD" + posix + (folder ? ":" : "");
}

// Alerts are closed with OK; choosers get the item Answer() names (nullptr: cancelled).
class AliasPathTest : public ::testing::Test, protected testsupport::ModalAnswerer {
protected:
    void SetUp() override { Answer(Button::Action); }

    // Resolves with a responder answering; checks that no handle is left behind.
    std::string Resolve(const std::string& data, bool pickAnyFile = false) {
        const size_t handles = carbon::LiveHandleCount();
        const String result = AliasPath::gAbsPath_dc(String::FromBytes(data), pickAnyFile);
        EXPECT_EQ(carbon::LiveHandleCount(), handles);
        return result.Bytes();
    }

    std::string Folder(const std::string& relative) const { return root.MakeFolder(relative); }
    std::string File(const std::string& relative) const { return root.Write(relative, "x"); }

    testsupport::TempFolder root;
};

}  // namespace

TEST_F(AliasPathTest, EmptyDataOrAnExistingPathComesBackAsItIsWithoutAsking) {
    EXPECT_EQ(Resolve(""), "");
    const std::string folder = MacPath(Folder("書類"), false);  // a folder named without its ":"
    EXPECT_EQ(Resolve(folder), folder);
    const std::string file = MacPath(File("memo.txt"), false);
    EXPECT_EQ(Resolve(file), file);
    EXPECT_TRUE(asked.empty());
}

TEST_F(AliasPathTest, ResolvedFolderOrVolumeEndsInColonAndNamesComeBackInUTF8) {
    const std::string folder = Folder("日本語/書類フォルダ");
    EXPECT_EQ(Resolve(AliasRecordFor(folder, true)), MacPath(folder, true));
    const std::string file = File("日本語/メモ.txt");
    EXPECT_EQ(Resolve(AliasRecordFor(file, false)), MacPath(file, false));
    EXPECT_EQ(Resolve(AliasRecordFor("/", true)), "Macintosh HD:");
    EXPECT_TRUE(asked.empty());
}

TEST_F(AliasPathTest, ResolvedThroughTheMacPathAlone) {
    const std::string folder = Folder("Docs:2024");  // ":" in a Linux name is "/" in the Mac form
    const std::string record = AliasRecordFor(folder, true, {.posixPath = false});
    EXPECT_EQ(Resolve(record), MacPath(root.Path(), true) + "Docs/2024:");
    EXPECT_TRUE(asked.empty());
}

// Linux names hold the full-width forms where Mac Japanese reads its bytes
// back as JIS characters; such a folder, and one inside it, is found by
// either field of the record.
TEST_F(AliasPathTest, FolderNamedWithFullWidthFormsIsFound) {
    const char* const names[] = {"資料～2010", "A－B", "年表―改", "計画∥案", "￠1", "￡100", "￢A"};
    for (const char* name : names)
        for (const bool posixPath : {true, false}) {
            SCOPED_TRACE(std::string(name) + (posixPath ? " by POSIX path" : " by Mac path"));
            for (const std::string& folder : {Folder(name), Folder(std::string(name) + "/内")}) {
                const std::string path = Resolve(AliasRecordFor(folder, true, {.posixPath = posixPath}));
                EXPECT_TRUE(path.ends_with(':')) << path;
                const FolderItemRef item = GetFolderItem(String(path), 0);
                ASSERT_NE(item, nullptr);
                EXPECT_EQ(item->NativePath(), folder);
            }
        }
    EXPECT_TRUE(asked.empty());
}

// Names of both lengths: the recorded path in Mac Japanese reads as such at either parity.
TEST_F(AliasPathTest, LostFolderNamesTheRecordedPathThenCancelGivesNothing) {
    for (const char* name : {"無い書類", "テスト0", "テスト01"}) {
        asked.clear();
        const std::string lost = root / name;
        EXPECT_EQ(Resolve(AliasRecordFor(lost, true)), "");
        ASSERT_EQ(asked.size(), 2u);
        EXPECT_EQ(asked[0].kind, ModalKind::MsgBox);
        EXPECT_EQ(asked[0].message.ToUTF8(), "「" + MacPath(lost, true) + kLostTail);
        EXPECT_EQ(asked[1].kind, ModalKind::SelectFolder);
        EXPECT_EQ(asked[1].prompt.ToUTF8(), asked[0].message.ToUTF8());
    }
}

TEST_F(AliasPathTest, RecordWithoutAbsolutePathShowsTheWholeData) {
    const std::string record = AliasRecordFor(root / "gone", true, {.absolutePath = false});
    EXPECT_EQ(Resolve(record), "");
    ASSERT_FALSE(asked.empty());
    const String whole = TextEnco::gEncUTF8alt(String::FromBytes(record), "Shift_JIS");
    EXPECT_TRUE(asked[0].message.EqualsBytes("「" + whole + kLostTail));
    EXPECT_GT(asked[0].message.Bytes().size(), record.size());
}

TEST_F(AliasPathTest, DataThatIsNeitherPathNorRecordIsShownAsItIs) {
    EXPECT_EQ(Resolve("Other Disk:書類:"), "");
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked[0].message.ToUTF8(), std::string("「Other Disk:書類:") + kLostTail);

    asked.clear();
    const std::string damaged = AliasRecordFor(Folder("here"), true).substr(0, 170);
    EXPECT_EQ(Resolve(damaged), "");
    EXPECT_EQ(asked.size(), 2u);
}

// A record cut short or with a wrong size word still names the lost item in
// the message: its absolute path when that is whole, else its target's name.
TEST_F(AliasPathTest, DamagedRecordNamesWhatItStillHolds) {
    const std::string lost = root / "無い書類";
    const std::string record = AliasRecordFor(lost, true);
    const size_t macPathAt = record.find(MacJapanese(MacPath(lost, true)));
    const size_t posixPathAt = record.find(lost);
    ASSERT_NE(macPathAt, std::string::npos);
    ASSERT_NE(posixPathAt, std::string::npos);
    std::string tooLong = record;  // the size word claims more than there is
    tooLong[4] = static_cast<char>((record.size() + 40) >> 8);
    tooLong[5] = static_cast<char>((record.size() + 40) & 0xFF);
    const std::pair<std::string, std::string> cases[] = {
        {record.substr(0, macPathAt + 3), "無い書類"},
        {record.substr(0, posixPathAt + 3), MacPath(lost, true)},
        {tooLong, MacPath(lost, true)},
    };
    for (const auto& [data, shown] : cases) {
        asked.clear();
        EXPECT_EQ(Resolve(data), "");
        ASSERT_EQ(asked.size(), 2u);
        EXPECT_EQ(asked[0].message.ToUTF8(), "「" + shown + kLostTail);
    }
}

TEST_F(AliasPathTest, TheChooserPicksAFolderOrAnyFileToReplaceTheLostItem) {
    for (const bool pickAnyFile : {false, true}) {
        SCOPED_TRACE(pickAnyFile);
        asked.clear();
        const FolderItemRef chosen = FolderItem::FromNativePath(pickAnyFile ? File("choice.txt") : Folder("替わり"));
        Answer(Button::Action, chosen);
        EXPECT_EQ(Resolve(AliasRecordFor(root / "lost", !pickAnyFile), pickAnyFile),
                  MacPath(chosen->NativePath(), !pickAnyFile));
        ASSERT_EQ(asked.size(), 2u);
        EXPECT_EQ(asked[1].kind, pickAnyFile ? ModalKind::OpenFile : ModalKind::SelectFolder);
        if (pickAnyFile) {
            EXPECT_EQ(asked[1].filter.ToUTF8(), "anyFile");
        }
    }
}

using DecrareEtcTest = AliasPathTest;

TEST_F(DecrareEtcTest, HandleHoldsExactlyTheBytesUnlocked) {
    const std::string bytes("a\0b\xFF", 4);
    const int32_t h = DecrareEtc::TextToHandle(String::FromBytes(bytes));
    ASSERT_NE(h, 0);
    EXPECT_EQ(carbon::HandleContents(h), bytes);
    EXPECT_EQ(carbon::HGetState(h), 0);
    carbon::DisposeHandle(h);

    const int32_t empty = DecrareEtc::TextToHandle("");
    ASSERT_NE(empty, 0);
    EXPECT_EQ(carbon::GetHandleSize(empty), 0);
    carbon::DisposeHandle(empty);
}

TEST_F(DecrareEtcTest, FullPathWalksUpToTheVolume) {
    const int32_t v = carbon::kRootVRefNum;
    EXPECT_EQ(DecrareEtc::GetFullPath(v, carbon::kRootDirID).Bytes(), "Macintosh HD:");
    EXPECT_EQ(DecrareEtc::GetFullPath(v, carbon::kRootParentDirID).Bytes(), "");

    const std::string folder = Folder("外側/内側");
    const String path = DecrareEtc::GetFullPath(v, carbon::DirectoryIDOfPath(folder));
    EXPECT_EQ(path.Bytes(), MacJapanese(MacPath(folder, true)));
    EXPECT_EQ(path.ToUTF8(), MacPath(folder, true));
}

TEST_F(DecrareEtcTest, FailingCatalogCallEndsTheWalk) {
    EXPECT_EQ(DecrareEtc::GetFullPath(7, carbon::kRootDirID).Bytes(), "");  // another volume
    const std::string gone = Folder("gone");
    const int32_t id = carbon::DirectoryIDOfPath(gone);
    std::filesystem::remove(gone);
    EXPECT_EQ(DecrareEtc::GetFullPath(carbon::kRootVRefNum, id).Bytes(), "");
}
