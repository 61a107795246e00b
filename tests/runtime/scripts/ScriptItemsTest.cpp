// Script items 168, 169 and 170 reaching the Finder with the item's POSIX path.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/scripts/ScriptFinder.h"
#include "runtime/scripts/ScriptItems.h"

namespace {

using namespace runtime;
namespace fs = std::filesystem;

struct RecordingFinder : ScriptFinder {
    std::vector<std::pair<std::string, std::string>> calls;  // (what, path)
    void MoveToTrash(const std::string& path) override { calls.emplace_back("trash", path); }
    void RevealItem(const std::string& path) override { calls.emplace_back("reveal", path); }
};

using Calls = std::vector<std::pair<std::string, std::string>>;

fs::path MakeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "scripts-test-XXXXXX").string();
    return mkdtemp(pattern.data());
}

// The Mac form of an absolute POSIX path, written out here on purpose: the
// root volume, then each name with ":" shown as "/", joined by ":".
std::string MacPath(const fs::path& posix, bool folder) {
    std::string out = "Macintosh HD";
    for (const fs::path& part : posix.relative_path()) {
        std::string name = part.string();
        for (char& c : name) if (c == ':') c = '/';
        out += ":" + name;
    }
    return folder ? out + ":" : out;
}

class ScriptItemsTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = MakeTempFolder();
        folder_ = root_ / "書類 フォルダ";
        file_ = folder_ / "Report 1:2 報告.txt";
        fs::create_directory(folder_);
        std::ofstream(file_) << "data";
        previous_ = SetScriptFinder(finder_);
    }
    void TearDown() override {
        SetScriptFinder(previous_);
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    void Run(int32_t id, const String& path) {
        ScriptCallRef call = RuntimeStartParamScript(id);
        RuntimeAddStringScriptParam(call, path);
        RuntimeCompleteParamScriptExecute(call);
    }

    fs::path root_, folder_, file_;
    std::shared_ptr<RecordingFinder> finder_ = std::make_shared<RecordingFinder>();
    std::shared_ptr<ScriptFinder> previous_;
};

TEST_F(ScriptItemsTest, MacPathsReachTheFinderAsPosixPaths) {
    ASSERT_NE(MacPath(file_, false).find("Report 1/2 報告.txt"), std::string::npos);

    Run(kScriptMoveFileToTrash, MacPath(file_, false));
    Run(kScriptMoveFolderToTrash, MacPath(folder_, true));
    Run(kScriptRevealItem, MacPath(file_, false));
    Run(kScriptRevealItem, MacPath(folder_, true));

    EXPECT_EQ(finder_->calls, (Calls{{"trash", file_.string()},
                                     {"trash", folder_.string()},
                                     {"reveal", file_.string()},
                                     {"reveal", folder_.string()}}));
    EXPECT_TRUE(fs::exists(file_)) << "the recording Finder moves nothing";
}

TEST_F(ScriptItemsTest, TrashScriptsMoveWhateverThePathNames) {
    Run(kScriptMoveFileToTrash, MacPath(folder_, true));
    Run(kScriptMoveFolderToTrash, MacPath(file_, false));
    EXPECT_EQ(finder_->calls, (Calls{{"trash", folder_.string()}, {"trash", file_.string()}}));
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

TEST_F(ScriptItemsTest, NothingHappensWithoutAnItem) {
    RuntimeScriptExecute(kScriptMoveFileToTrash);
    RuntimeScriptExecute(kScriptRevealItem);

    ScriptCallRef call = RuntimeStartParamScript(kScriptMoveFolderToTrash);
    RuntimeCompleteParamScriptExecute(call);

    Run(kScriptMoveFileToTrash, MacPath(folder_ / "gone.txt", false));
    Run(kScriptMoveFolderToTrash, MacPath(root_ / "no such folder" / "x", true));
    Run(kScriptMoveFileToTrash, "");  // would be the application's own folder
    Run(kScriptMoveFileToTrash, file_.string());  // a POSIX path is not the Mac form
    Run(kScriptRevealItem, "Other Disk:Users:x");

    EXPECT_TRUE(finder_->calls.empty());
}

TEST_F(ScriptItemsTest, UnknownScriptsDoNothing) {
    for (int32_t id : {0, -1, 128, 167, 171, 1000}) {
        Run(id, MacPath(file_, false));
        RuntimeScriptExecute(id);
    }
    EXPECT_TRUE(finder_->calls.empty());
}

TEST_F(ScriptItemsTest, AHandleRunsOnce) {
    ScriptCallRef call = RuntimeStartParamScript(kScriptRevealItem);
    RuntimeAddStringScriptParam(call, String(MacPath(file_, false)));
    RuntimeCompleteParamScriptExecute(call);
    RuntimeCompleteParamScriptExecute(call);
    EXPECT_TRUE(call->Completed());
    EXPECT_EQ(finder_->calls.size(), 1u);

    ScriptCallRef later = RuntimeStartParamScript(kScriptRevealItem);
    RuntimeCompleteParamScriptExecute(later);
    RuntimeAddStringScriptParam(later, String(MacPath(file_, false)));
    RuntimeCompleteParamScriptExecute(later);
    EXPECT_TRUE(later->Params().empty());
    EXPECT_EQ(finder_->calls.size(), 1u);

    // A nil handle is ignored.
    RuntimeAddIntegerScriptParam(nullptr, 1);
    RuntimeAddStringScriptParam(nullptr, "x");
    RuntimeCompleteParamScriptExecute(nullptr);
    EXPECT_EQ(finder_->calls.size(), 1u);
}

TEST(ScriptFinderSeam, NilPutsTheSystemFinderBack) {
    auto recording = std::make_shared<RecordingFinder>();
    std::shared_ptr<ScriptFinder> original = SetScriptFinder(recording);
    EXPECT_EQ(CurrentScriptFinder(), recording);
    EXPECT_EQ(SetScriptFinder(nullptr), recording);
    EXPECT_NE(dynamic_cast<SystemScriptFinder*>(CurrentScriptFinder().get()), nullptr);
    SetScriptFinder(original);
}

// The file script through platform/finder, into the Trash of a temporary home.
TEST(ScriptItemsSystemFinder, MovesTheFileIntoTheHomeTrash) {
    const fs::path home = MakeTempFolder();
    const fs::path data = home / ".local" / "share";
    fs::create_directories(data);
    const fs::path file = home / "消す ファイル:1.txt";
    std::ofstream(file) << "bye";

    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* oldData = std::getenv("XDG_DATA_HOME");
    const std::string oldDataValue = oldData ? oldData : "";
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    std::shared_ptr<ScriptFinder> previous = SetScriptFinder(nullptr);

    ScriptCallRef call = RuntimeStartParamScript(kScriptMoveFileToTrash);
    RuntimeAddStringScriptParam(call, String(MacPath(file, false)));
    RuntimeCompleteParamScriptExecute(call);

    SetScriptFinder(previous);
    setenv("HOME", oldHome.c_str(), 1);
    if (oldData) setenv("XDG_DATA_HOME", oldDataValue.c_str(), 1); else unsetenv("XDG_DATA_HOME");

    EXPECT_FALSE(fs::exists(fs::symlink_status(file)));
    const fs::path trashed = data / "Trash" / "files" / file.filename();
    EXPECT_TRUE(fs::is_regular_file(trashed));
    EXPECT_TRUE(fs::is_regular_file(data / "Trash" / "info" / (file.filename().string() + ".trashinfo")));
    std::ifstream in(trashed);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "bye");

    std::error_code ec;
    fs::remove_all(home, ec);
}

}  // namespace
