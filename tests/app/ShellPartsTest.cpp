// The menu bar, the About panel, the toolbar and its pictures, as the user sees them.
#include <filesystem>

#include <QToolButton>
#include <gtest/gtest.h>

#include "app/AboutPanel.h"
#include "app/Bundle.h"
#include "app/ItemIndexList.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Toolbar1.h"
#include "runtime/ui/Window.h"

using namespace runtime;

namespace {

struct ItemRow {
    std::string name, text, shortcut;
};

std::vector<ItemRow> ItemsOf(const MenuItemRef& menu) {
    std::vector<ItemRow> rows;
    for (int i = 0; i < menu->Count(); ++i) {
        MenuItemRef item = menu->Item(i);
        rows.push_back({item->Name().Bytes(), item->Text().Bytes(), item->KeyboardShortcut().Bytes()});
    }
    return rows;
}

bool operator==(const ItemRow& a, const ItemRow& b) {
    return a.name == b.name && a.text == b.text && a.shortcut == b.shortcut;
}

}  // namespace

TEST(MenuBar1Test, ThreeMenusWithTheirItemsInOrder) {
    std::shared_ptr<MenuBar1> bar = MenuBar1::Instance();
    EXPECT_EQ(MenuBar1::Instance(), bar);  // one implicit instance
    ASSERT_EQ(bar->Count(), 3);
    EXPECT_EQ(bar->Item(0)->Text().Bytes(), "ファイル");
    EXPECT_EQ(bar->Item(1)->Text().Bytes(), "編集");
    EXPECT_EQ(bar->Item(2)->Text().Bytes(), "Help");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(bar->Item(i)->KeyboardShortcut().Bytes(), "");

    const std::vector<ItemRow> file = {{"FileQuit", "&Quit", "Cmd+Q"}};
    EXPECT_EQ(ItemsOf(bar->Child("FileMenu")), file);
    const std::vector<ItemRow> edit = {{"EditUndo", "取り消す", "Cmd+Z"},
                                       {"EditRedo", "やり直す", "Cmd+Shift+Z"},
                                       {"UntitledMenu1", "-", ""},
                                       {"EditCut", "カット", "Cmd+X"},
                                       {"EditCopy", "コピー", "Cmd+C"},
                                       {"EditPaste", "ペースト", "Cmd+V"},
                                       {"EditClear", "削除", ""},
                                       {"UntitledMenu0", "-", ""},
                                       {"EditSelectAll", "すべてを選択", "Cmd+A"},
                                       {"AppleAbout", "KELDO アンインストーラについて", ""}};
    EXPECT_EQ(ItemsOf(bar->Child("EditMenu")), edit);
    const std::vector<ItemRow> help = {{"HelpHome", "ホームページに接続...", ""},
                                       {"UntitledSeparator", "-", ""},
                                       {"HelpReadMe", "お読み下さい", ""},
                                       {"HelpManual", "簡易マニュアル", ""}};
    EXPECT_EQ(ItemsOf(bar->Child("HelpMenu")), help);

    EXPECT_NE(std::dynamic_pointer_cast<QuitMenuItem>(bar->Child("FileMenu")->Child("FileQuit")), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<AppleMenuItem>(bar->Child("EditMenu")->Child("AppleAbout")), nullptr);
    for (const MenuItemRef& menu : {bar->Item(0), bar->Item(1), bar->Item(2)})
        for (int i = 0; i < menu->Count(); ++i) EXPECT_TRUE(menu->Item(i)->AutoEnable());
}

TEST(AboutPanelTest, ShowsTitleSubtitleAndCreditsNeverDesignTexts) {
    auto panel = NewWindow<AboutPanel>();
    EXPECT_EQ(panel->StaticText3()->Text().Bytes(), "KELDO アンインストーラ");
    EXPECT_TRUE(panel->StaticText3()->Italic());
    EXPECT_EQ(panel->StaticText3()->TextSize(), 32);
    EXPECT_EQ(panel->StaticText3()->TextColor().blue, 255);
    EXPECT_EQ(panel->StaticText4()->Text().Bytes(), "Universal Application");
    EXPECT_FALSE(panel->StaticText4()->Enabled());
    EXPECT_EQ(panel->Width(), 420);
    EXPECT_EQ(panel->Height(), 260);
    EXPECT_FALSE(panel->Resizeable());
    EXPECT_EQ(panel->Title().Bytes(), "");

    const std::string credits = panel->StaticText2()->Text().Bytes();
    EXPECT_NE(credits.find("KELDO"), std::string::npos);
    EXPECT_NE(credits.find("\r\rE-Mail: support@keldo.example\r\r"), std::string::npos);
    EXPECT_NE(credits.find("Made with "), std::string::npos);
    EXPECT_NE(credits.find("Qt 6."), std::string::npos);
    EXPECT_EQ(credits.find('\n'), std::string::npos);
    panel->Close();
}

TEST(AboutPanelTest, AClickHidesThePanel) {
    auto panel = NewWindow<AboutPanel>();
    EXPECT_TRUE(panel->Visible());
    EXPECT_FALSE(panel->Event_MouseDown(10, 10));
    EXPECT_FALSE(panel->Visible());
    panel->Close();
}

TEST(Toolbar1Test, NineItemsInOrderAllEnabled) {
    Toolbar1 toolbar;
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"ToolItem1", "自動で取得"},    {"ToolItem4", "ゴミ箱に移動"},
        {"ToolItem2", "Untitled"},      {"ToolItem6", "指定場所を探す…"},
        {"ToolItem8", "Finderに表示"},  {"ToolItem3", "Untitled"},
        {"ToolItem5", "中止"},          {"ToolItem7", "Untitled"},
        {"ToolItem9", "リストをクリア"}};
    ASSERT_EQ(toolbar.Count(), 9);
    for (int i = 0; i < 9; ++i) {
        auto item = std::dynamic_pointer_cast<ToolButton>(toolbar.Item(i));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Name().Bytes(), expected[i].first);
        EXPECT_EQ(item->Caption().Bytes(), expected[i].second);
        EXPECT_TRUE(item->Enabled());
        EXPECT_EQ(item->HelpTag().Bytes(), "");
        EXPECT_EQ(item->IsSpace(), expected[i].second == "Untitled") << expected[i].first;
    }
    EXPECT_EQ(toolbar.Item(0), toolbar.ToolItem1);
    EXPECT_EQ(toolbar.Item(8), toolbar.ToolItem9);
}

TEST(PicturesTest, LoadOnceFromTheBundleAndRetryAMissingOne) {
    FolderItemRef resources = Bundle::Resources();
    ASSERT_NE(resources, nullptr);
    const std::string stopPng = resources->Child("stop.png")->NativePath();
    ASSERT_TRUE(std::filesystem::exists(stopPng)) << "the test program runs inside a bundle with the pictures";

    PictureRef disk = Pictures::disk();
    ASSERT_NE(disk, nullptr);
    EXPECT_EQ(disk->Width(), 32);
    EXPECT_EQ(Pictures::disk(), disk);  // kept, not loaded again
    for (PictureRef p : {Pictures::clear(), Pictures::delete_(), Pictures::findItem(), Pictures::showFinder()})
        EXPECT_NE(p, nullptr);

    std::filesystem::rename(stopPng, stopPng + ".aside");
    EXPECT_EQ(Pictures::stop(), nullptr);
    std::filesystem::rename(stopPng + ".aside", stopPng);
    EXPECT_NE(Pictures::stop(), nullptr);  // tried again
}

TEST(ItemIndexListTest, WritesWhatItReadsBack) {
    runtime::String list = "";
    for (int32_t index : {3, 4, 7, 4}) list = ItemIndexList::Append(list, index);
    EXPECT_EQ(list.ToUTF8(), "3:4:7:4:");
    EXPECT_EQ(ItemIndexList::Read(list), (std::vector<int32_t>{3, 4, 7, 4}));
    EXPECT_TRUE(ItemIndexList::Read("").empty());
    EXPECT_EQ(ItemIndexList::Read("12:x:5"), (std::vector<int32_t>{12, 0}))
        << "the text after the last \":\" is no index";
}
