// The removal run from the toolbar: which rows go to the Trash, by which
// script, the stop, and what the list and the window show afterwards.
#include <filesystem>

#include <gtest/gtest.h>

#include "runtime/scripts/ScriptFinder.h"
#include "tests/engine/workers/WorkersTestSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/ListDriver.h"

using namespace runtime;
using testsupport::PressKeyOnRow;
using Strings = std::vector<std::string>;
namespace fs = std::filesystem;

namespace engine_testing {
namespace {

struct RecordingFinder : ScriptFinder {
    std::function<ScriptOutcome(const std::string&)> onTrash;
    Strings trashed;
    ScriptOutcome MoveToTrash(const std::string& path) override {
        trashed.push_back(path);
        return onTrash ? onTrash(path) : ScriptOutcome::Done;
    }
    void RevealItem(const std::string&) override {}
};

class RemovalRunTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        app = home.MakeAppBundle("Applications/Zoruba.app", "APPLZrb1");
        prefs = home.MakeFolder("Library/Preferences/Zoruba初期設定");
        plist = home.Write("Library/Preferences/com.keldo.Zoruba.plist", "<plist/>");
        Globals::gItem.push_back(Product("Zoruba", "Zoruba", "APPLZrb1", "Zoruba初期設定", "Zoruba", ""));
        Globals::gItem.push_back(Product("Pelmora", "Pelmora", "APPLPlm1", "Pelmora初期設定", "Pelmora", ""));
        pelmoraPrefs = home.MakeFolder("Library/Preferences/Pelmora初期設定");
        Answer(ModalAnswer::Button::Action);
        ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem1));
        // Rows: 0 Zoruba, 1 app, 2 prefs, 3 plist, 4 Pelmora, 5 its prefs.
        ASSERT_EQ(win->Listbox1()->ListCount(), 6);
    }
    void TearDown() override {
        SetScriptFinder(nullptr);
        MainWindowFixture::TearDown();
    }
    std::shared_ptr<RecordingFinder> Record() {
        auto finder = std::make_shared<RecordingFinder>();
        SetScriptFinder(finder);
        return finder;
    }

    std::string app, prefs, plist, pelmoraPrefs;
};

TEST_F(RemovalRunTest, TickedItemRowsGoProductRowsAndUntickedOrCollapsedOnesStay) {
    auto finder = Record();
    ListboxRef list = win->Listbox1();
    list->SetCellCheck(2, 0, false);  // the preferences folder stays
    list->SetExpanded(4, false);      // Pelmora's items leave the list

    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem4));

    EXPECT_EQ(finder->trashed, (Strings{app, plist}));
    EXPECT_EQ(list->ListCount(), 5);  // the list is left as it was
    EXPECT_TRUE(list->CellCheck(1, 0));
    EXPECT_FALSE(win->StaticText1()->Visible());
    EXPECT_FALSE(win->ProgressWheel1()->Visible());
    EXPECT_EQ(ToolItemStates(), "111001");
    EXPECT_EQ(asked.back().message.Bytes(), "本当にゴミ箱に移動しますか？");
}

TEST_F(RemovalRunTest, AnItemGoneSinceItWasFoundIsPassedOverSilently) {
    auto finder = Record();
    fs::remove_all(app);
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem4));
    EXPECT_EQ(finder->trashed, (Strings{prefs, plist, pelmoraPrefs}));
}

TEST_F(RemovalRunTest, AnUntickedProductKeepsEveryItemAlsoPastOneThatHasGone) {
    const testsupport::EnvGuard dataHome("XDG_DATA_HOME", nullptr);  // the trash in the fake home
    ListboxRef list = win->Listbox1();
    fs::remove_all(prefs);
    PressKeyOnRow(*list, 0, Qt::Key_Minus);
    PressKeyOnRow(*list, 0, Qt::Key_Plus);
    ASSERT_EQ(Column(0)[2], "Zoruba初期設定");
    ASSERT_EQ(Column(1)[2], "");  // gone: no date

    PressKeyOnRow(*list, 0, Qt::Key_Space);
    for (int row : {0, 1, 2, 3}) EXPECT_FALSE(list->CellCheck(row, 0)) << row;
    EXPECT_TRUE(list->CellCheck(5, 0));

    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem4));
    EXPECT_TRUE(fs::exists(app));
    EXPECT_TRUE(fs::exists(plist));
    EXPECT_FALSE(fs::exists(pelmoraPrefs));
    const fs::path files = home.Path(".local/share/Trash/files");
    EXPECT_EQ(std::distance(fs::directory_iterator(files), fs::directory_iterator()), 1);

    PressKeyOnRow(*list, 2, Qt::Key_Space);  // the gone item's own tick touches nothing else
    for (int row : {0, 1, 3}) EXPECT_FALSE(list->CellCheck(row, 0)) << row;
    EXPECT_TRUE(list->CellCheck(2, 0));
}

// One message at the end: the items that stayed, under their reasons in the
// order the reasons came up, each once even when listed under two products;
// the item that went is not named.
TEST_F(RemovalRunTest, TheItemsThatStayedAreNamedOnceUnderTheirReasons) {
    home.Write("Library/Preferences/com.keldo.ZorubaPelmora.plist", "<plist/>");
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem1));
    ASSERT_EQ(win->Listbox1()->ListCount(), 8);
    auto finder = Record();
    finder->onTrash = [this](const std::string& path) {
        if (path == app) return ScriptOutcome::Done;
        return path.find(".plist") != std::string::npos ? ScriptOutcome::DiskFull : ScriptOutcome::ItemNotWritable;
    };
    asked.clear();
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem4));
    ASSERT_EQ(finder->trashed.size(), 6u);
    ASSERT_EQ(Messages(), (Strings{"本当にゴミ箱に移動しますか？", "4個の項目をゴミ箱に移動できませんでした。"}));
    EXPECT_EQ(asked.back().explanation.Bytes(),
              "次の項目は元の場所に残っています。\n\n"
              "項目、または項目の入っているフォルダを変更できません：\n"
              "・Zoruba初期設定\n・Pelmora初期設定\n\n"
              "ディスクに空きがありません：\n・com.keldo.Zoruba.plist\n・com.keldo.ZorubaPelmora.plist");
}

// Ten names at most, dealt among the reasons in turn: no reason goes unsaid,
// and the items left unnamed are counted under their own reason.
TEST_F(RemovalRunTest, EveryReasonIsToldWhenMoreStayedThanAreNamed) {
    for (int i = 1; i <= 10; ++i) home.Write("Library/Preferences/com.keldo.Zoruba." + Str(i).Bytes() + ".plist", "");
    for (int i = 1; i <= 2; ++i) home.Write("Library/Preferences/com.keldo.Pelmora." + Str(i).Bytes() + ".plist", "");
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem1));
    auto finder = Record();
    finder->onTrash = [this](const std::string& path) {
        if (path == app) return ScriptOutcome::Done;
        return path.find("Pelmora") != std::string::npos ? ScriptOutcome::DiskReadOnly : ScriptOutcome::ItemNotWritable;
    };
    asked.clear();
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem4));
    ASSERT_EQ(Messages().back(), "15個の項目をゴミ箱に移動できませんでした。");
    EXPECT_EQ(asked.back().explanation.Bytes(),
              "次の項目は元の場所に残っています。\n\n"
              "項目、または項目の入っているフォルダを変更できません：\n"
              "・Zoruba初期設定\n・com.keldo.Zoruba.1.plist\n・com.keldo.Zoruba.10.plist\n"
              "・com.keldo.Zoruba.2.plist\n・com.keldo.Zoruba.3.plist\n・com.keldo.Zoruba.4.plist\n"
              "・com.keldo.Zoruba.5.plist\nほか5個の項目も残っています。\n\n"
              "ディスクが読み出し専用です：\n"
              "・Pelmora初期設定\n・com.keldo.Pelmora.1.plist\n・com.keldo.Pelmora.2.plist");
}

// What stayed before the stop is told all the same, with the window as it is after a stop.
TEST_F(RemovalRunTest, StopTakesEffectAtTheNextRow) {
    auto finder = Record();
    finder->onTrash = [this](const std::string&) {
        win->pStopThread1 = true;
        return ScriptOutcome::ItemInUse;
    };
    std::string stateWhileTold;
    SetModalResponder([&](const ModalRequest& request) {
        asked.push_back(request);
        stateWhileTold = win->StaticText1()->Text().Bytes() + " " + ToolItemStates();
        return ModalAnswer::Press(ModalAnswer::Button::Action);
    });
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem4));
    EXPECT_EQ(finder->trashed, Strings{app});
    EXPECT_TRUE(win->StaticText1()->Visible());
    EXPECT_EQ(win->StaticText1()->Text().Bytes(), "処理が中止されました。");
    EXPECT_FALSE(win->ProgressWheel1()->Visible());
    EXPECT_EQ(ToolItemStates(), "111001");

    ASSERT_EQ(Messages().back(), "1個の項目をゴミ箱に移動できませんでした。");
    EXPECT_EQ(asked.back().explanation.Bytes(),
              "次の項目は元の場所に残っています。\n\n項目が使用中です：\n・Zoruba.app");
    EXPECT_EQ(stateWhileTold, "処理が中止されました。 111001");
}

TEST_F(RemovalRunTest, TheItemsLandInTheTrashWhereTheyCanBePutBack) {
    const testsupport::EnvGuard dataHome("XDG_DATA_HOME", nullptr);  // the trash in the fake home
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem4));

    const fs::path trash = home.Path(".local/share/Trash");
    for (const std::string& moved : {app, prefs, plist, pelmoraPrefs}) {
        const std::string name = fs::path(moved).filename();
        EXPECT_FALSE(fs::exists(moved)) << moved;
        EXPECT_TRUE(fs::exists(trash / "files" / name)) << name;
        EXPECT_TRUE(fs::exists(trash / "info" / (name + ".trashinfo"))) << name;
    }
    // A second run finds every item gone and moves nothing more.
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem4));
    EXPECT_EQ(std::distance(fs::directory_iterator(trash / "files"), fs::directory_iterator()), 4);
}

}  // namespace
}  // namespace engine_testing
