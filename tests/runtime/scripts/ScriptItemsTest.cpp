// Script items 168, 169 and 170 reaching the Finder with the item's POSIX path.

#include "runtime/scripts/ScriptItems.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/scripts/ScriptFinder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TrashHome.h"

namespace {

using namespace runtime;
using testsupport::TempFolder;
namespace fs = std::filesystem;

using Calls = std::vector<std::pair<std::string, std::string>>;  // (what, path)

struct RecordingFinder : ScriptFinder {
    Calls calls;
    ScriptOutcome MoveToTrash(const std::string& path) override {
        calls.emplace_back("trash", path);
        return ScriptOutcome::Done;
    }
    void RevealItem(const std::string& path) override { calls.emplace_back("reveal", path); }
};

// The Mac form of an absolute POSIX path, written out here on purpose: the
// root volume, then each name with ":" shown as "/", joined by ":".
std::string MacPath(const fs::path& posix, bool folder) {
    std::string out = "Macintosh HD";
    for (const fs::path& part : posix.relative_path()) {
        std::string name = part.string();
        for (char& c : name)
            if (c == ':') c = '/';
        out += ":" + name;
    }
    return folder ? out + ":" : out;
}

ScriptOutcome RunScript(int32_t id, const String& path) {
    ScriptCallRef call = RuntimeStartParamScript(id);
    RuntimeAddStringScriptParam(call, path);
    return RuntimeCompleteParamScriptExecute(call);
}

class ScriptItemsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::path(root_.Path()) / "書類 フォルダ";
        file_ = folder_ / "Report 1:2 報告.txt";
        fs::create_directory(folder_);
        std::ofstream(file_) << "data";
        previous_ = SetScriptFinder(finder_);
    }
    void TearDown() override { SetScriptFinder(previous_); }

    TempFolder root_;
    fs::path folder_, file_;
    std::shared_ptr<RecordingFinder> finder_ = std::make_shared<RecordingFinder>();
    std::shared_ptr<ScriptFinder> previous_;
};

TEST_F(ScriptItemsTest, MacPathsReachTheFinderAsPosixPaths) {
    ASSERT_NE(MacPath(file_, false).find("Report 1/2 報告.txt"), std::string::npos);

    RunScript(kScriptMoveFileToTrash, MacPath(file_, false));
    RunScript(kScriptMoveFolderToTrash, MacPath(folder_, true));
    RunScript(kScriptRevealItem, MacPath(file_, false));
    RunScript(kScriptRevealItem, MacPath(folder_, true));
    // Either trash script moves whatever the path names.
    RunScript(kScriptMoveFileToTrash, MacPath(folder_, true));
    RunScript(kScriptMoveFolderToTrash, MacPath(file_, false));

    EXPECT_EQ(finder_->calls, (Calls{{"trash", file_.string()},
                                     {"trash", folder_.string()},
                                     {"reveal", file_.string()},
                                     {"reveal", folder_.string()},
                                     {"trash", folder_.string()},
                                     {"trash", file_.string()}}));
}

TEST_F(ScriptItemsTest, TheFirstParameterIsThePath) {
    ScriptCallRef call = RuntimeStartParamScript(kScriptRevealItem);
    RuntimeAddStringScriptParam(call, String(MacPath(file_, false)));
    RuntimeAddIntegerScriptParam(call, 5);
    RuntimeAddStringScriptParam(call, String(MacPath(folder_, true)));
    RuntimeCompleteParamScriptExecute(call);
    EXPECT_EQ(finder_->calls, (Calls{{"reveal", file_.string()}}));

    finder_->calls.clear();
    call = RuntimeStartParamScript(kScriptMoveFileToTrash);
    RuntimeAddIntegerScriptParam(call, 1);
    RuntimeAddStringScriptParam(call, String(MacPath(file_, false)));
    RuntimeCompleteParamScriptExecute(call);
    EXPECT_TRUE(finder_->calls.empty()) << "an integer is no path";
}

TEST_F(ScriptItemsTest, NothingHappensWithoutAnItemOrForAnUnknownScript) {
    RuntimeScriptExecute(kScriptMoveFileToTrash);
    RuntimeScriptExecute(kScriptRevealItem);
    RuntimeCompleteParamScriptExecute(RuntimeStartParamScript(kScriptMoveFolderToTrash));

    RunScript(kScriptMoveFileToTrash, MacPath(folder_ / "gone.txt", false));
    RunScript(kScriptMoveFolderToTrash, MacPath(fs::path(root_.Path()) / "no such folder" / "x", true));
    RunScript(kScriptMoveFileToTrash, "");              // would be the application's own folder
    RunScript(kScriptMoveFileToTrash, file_.string());  // a POSIX path is not the Mac form
    RunScript(kScriptRevealItem, "Other Disk:Users:x");
    for (int32_t id : {0, -1, 128, 167, 171, 1000}) {
        RunScript(id, MacPath(file_, false));
        RuntimeScriptExecute(id);
    }

    EXPECT_TRUE(finder_->calls.empty());
}

TEST_F(ScriptItemsTest, AHandleRunsOnceAndANilHandleIsIgnored) {
    ScriptCallRef call = RuntimeStartParamScript(kScriptRevealItem);
    RuntimeAddStringScriptParam(call, String(MacPath(file_, false)));
    RuntimeCompleteParamScriptExecute(call);
    RuntimeCompleteParamScriptExecute(call);
    EXPECT_EQ(finder_->calls.size(), 1u);

    ScriptCallRef later = RuntimeStartParamScript(kScriptRevealItem);
    RuntimeCompleteParamScriptExecute(later);
    RuntimeAddStringScriptParam(later, String(MacPath(file_, false)));
    RuntimeCompleteParamScriptExecute(later);
    EXPECT_TRUE(later->Params().empty());

    RuntimeAddIntegerScriptParam(nullptr, 1);
    RuntimeAddStringScriptParam(nullptr, "x");
    RuntimeCompleteParamScriptExecute(nullptr);
    EXPECT_EQ(finder_->calls.size(), 1u);
}

// With nil set the system Finder is back: the file script moves the file into
// the Trash of a temporary home.
TEST(ScriptItemsSystemFinder, MovesTheFileIntoTheHomeTrash) {
    const testsupport::TrashHome home;
    const fs::path file = fs::path(home.Home()) / "消す ファイル:1.txt";
    std::ofstream(file) << "bye";
    std::shared_ptr<ScriptFinder> previous = SetScriptFinder(nullptr);
    const ScriptOutcome outcome = RunScript(kScriptMoveFileToTrash, MacPath(file, false));
    SetScriptFinder(previous);

    EXPECT_EQ(outcome, ScriptOutcome::Done);
    EXPECT_FALSE(fs::exists(fs::symlink_status(file)));
    const fs::path trash = home.Trash();
    EXPECT_EQ(testsupport::ReadFile(trash / "files" / file.filename()), "bye");
    EXPECT_TRUE(fs::is_regular_file(trash / "info" / (file.filename().string() + ".trashinfo")));
}

// A move the system Finder refuses (here: the Trash itself) leaves the item
// in place, gives the program the reason and names the item on stderr; so
// does a Trash that a file stands in the way of.
TEST(ScriptItemsSystemFinder, AFailedMoveGivesItsReason) {
    const testsupport::TrashHome home;
    home.MakeTrash();
    std::shared_ptr<ScriptFinder> previous = SetScriptFinder(nullptr);
    testing::internal::CaptureStderr();
    const ScriptOutcome refused = RunScript(kScriptMoveFolderToTrash, MacPath(home.Trash(), true));
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(refused, ScriptOutcome::ItemNotMovable);
    EXPECT_TRUE(fs::is_directory(home.Trash() + "/files"));
    EXPECT_NE(reported.find(home.Trash() + " stays where it is"), std::string::npos) << reported;

    const fs::path file = fs::path(home.Home()) / "a.txt";
    std::ofstream(file) << "stays";
    fs::remove_all(home.Trash());
    std::ofstream(home.Trash()) << "not a folder";
    testing::internal::CaptureStderr();
    const ScriptOutcome noTrash = RunScript(kScriptMoveFileToTrash, MacPath(file, false));
    testing::internal::GetCapturedStderr();
    SetScriptFinder(previous);

    EXPECT_EQ(noTrash, ScriptOutcome::NoTrash);
    EXPECT_EQ(testsupport::ReadFile(file), "stays");
}

}  // namespace
