// The main window as the user meets it: its start state, the command states,
// the confirmations, the stop flags and the result list's rows and events.
#include <filesystem>
#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include "app/Window1.h"
#include "foundation/Globals.h"
#include "runtime/app/ModalResponder.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/files/FolderItem.h"
#include "runtime/scripts/ScriptFinder.h"
#include "tests/support/MainWindowFixture.h"

using namespace runtime;

namespace {

struct RecordingFinder : ScriptFinder {
    std::vector<std::string> trashed, revealed;
    ScriptOutcome MoveToTrash(const std::string& path) override {
        trashed.push_back(path);
        return ScriptOutcome::Done;
    }
    void RevealItem(const std::string& path) override { revealed.push_back(path); }
};

class MainWindowTest : public testsupport::MainWindowFixture {
protected:
    void SetUp() override {
        testsupport::MainWindowFixture::SetUp();
        previousFinder_ = SetScriptFinder(finder);
    }
    void TearDown() override {
        SetScriptFinder(previousFinder_);
        testsupport::MainWindowFixture::TearDown();
    }

    FolderItemRef Item(const std::string& path) { return FolderItem::FromNativePath(path); }

    std::shared_ptr<RecordingFinder> finder = std::make_shared<RecordingFinder>();

private:
    std::shared_ptr<ScriptFinder> previousFinder_;
};

TEST_F(MainWindowTest, OpensWithTitleColumnsStatusStripAndCommandStates) {
    EXPECT_EQ(win->Title().Bytes(), "KELDO アンインストーラ");
    EXPECT_EQ(win->Width(), 640);
    EXPECT_EQ(win->Height(), 400);
    EXPECT_EQ(win->BackColor(), RGB(192, 192, 192));
    ListboxRef list = win->Listbox1();
    EXPECT_EQ(list->ColumnCount(), 6);
    EXPECT_EQ(list->ColumnWidths().Bytes(), "*,*,*,0,0,0");
    EXPECT_EQ(list->Heading(0).Bytes(), "名前");
    EXPECT_EQ(list->Heading(1).Bytes(), "修正日");
    EXPECT_EQ(list->Heading(2).Bytes(), "種別");
    EXPECT_TRUE(list->Hierarchical());
    EXPECT_EQ(ToolItemStates(), "101001");  // auto-get, search and clear only
    EXPECT_FALSE(win->ProgressWheel1()->Visible());
    EXPECT_FALSE(win->StaticText1()->Visible());
    // The list fills the window down to the status strip, which sits at the bottom left.
    EXPECT_EQ(list->Left(), -1);
    EXPECT_EQ(list->Top(), -1);
    EXPECT_EQ(list->Width(), 642);
    EXPECT_EQ(list->Height(), 380);
    EXPECT_EQ(win->StaticText1()->Top(), 382);
    EXPECT_TRUE(win->StaticText1()->LockBottom());
}

TEST_F(MainWindowTest, TheSixCommandsHaveTheirIconsAndTheSpacersNone) {
    const Toolbar1& tb = *win->Toolbar11();
    for (const ToolButtonRef& item :
         {tb.ToolItem1, tb.ToolItem4, tb.ToolItem6, tb.ToolItem8, tb.ToolItem5, tb.ToolItem9})
        EXPECT_TRUE(item->Icon()) << item->Name().Bytes();
    for (const ToolButtonRef& item : {tb.ToolItem2, tb.ToolItem3, tb.ToolItem7})
        EXPECT_FALSE(item->Icon()) << item->Name().Bytes();
}

TEST_F(MainWindowTest, StopSetsBothFlagsAndEachStartClearsOnlyItsOwn) {
    Press(win->Toolbar11()->ToolItem5);
    EXPECT_TRUE(win->pStopThread1);
    EXPECT_TRUE(win->pStopThread2);

    // An auto-get run over an empty catalogue clears its own flag and runs to the end.
    Press(win->Toolbar11()->ToolItem1);
    EXPECT_EQ(ToolItemStates(), "000010");
    EXPECT_FALSE(win->pStopThread2);
    EXPECT_TRUE(win->pStopThread1);
    ASSERT_TRUE(WaitForRunEnd());
    EXPECT_EQ(ToolItemStates(), "111001");  // move to Trash on after an auto-get
    EXPECT_EQ(win->pCountGet, 1);
    EXPECT_FALSE(win->StaticText1()->Visible());

    Answer(ModalAnswer::Button::Action);
    Press(win->Toolbar11()->ToolItem4);
    EXPECT_FALSE(win->pStopThread1);
    ASSERT_TRUE(WaitForRunEnd());
    EXPECT_EQ(ToolItemStates(), "111001");
}

TEST_F(MainWindowTest, ASpacerPressDoesNothing) {
    Press(win->Toolbar11()->ToolItem2);
    Press(win->Toolbar11()->ToolItem7);
    EXPECT_FALSE(win->pStopThread1 || win->pStopThread2);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(ToolItemStates(), "101001");
}

TEST_F(MainWindowTest, CancellingTheTrashQuestionChangesNothing) {
    win->AddFIlist(Item(home.MakeFolder("Library/Preferences/Tolvenade初期設定")), "P");
    AddProductRow("Tolvenade", "0:");
    win->Listbox1()->SetListIndex(0);
    win->pStopThread1 = true;
    Answer(ModalAnswer::Button::Cancel);

    Press(win->Toolbar11()->ToolItem4);

    ASSERT_EQ(asked.size(), 1u);
    const ModalRequest& q = asked[0];
    EXPECT_EQ(q.message.Bytes(), "本当にゴミ箱に移動しますか？");
    EXPECT_EQ(q.explanation.Bytes(), "Finderの機能を使えば、移動したアイテムを元に戻せます。");
    EXPECT_EQ(q.cancel.caption.Bytes(), "キャンセル");
    EXPECT_EQ(q.beeps, 1);
    EXPECT_EQ(q.parent, win);
    EXPECT_EQ(win->Listbox1()->ListIndex(), 0);
    EXPECT_TRUE(win->pStopThread1);
    EXPECT_EQ(ToolItemStates(), "101001");
}

TEST_F(MainWindowTest, ClearAsksThenEmptiesListTableAndCounters) {
    win->AddFIlist(Item(home.MakeFolder("Library/Preferences/Tolvenade初期設定")), "P");
    AddProductRow("Tolvenade", "0:");
    win->pCountGet = 1;
    win->pCountFind = 3;
    Globals::gDocDir.push_back(Item(home.Path("Documents")));

    Answer(ModalAnswer::Button::Cancel);
    Press(win->Toolbar11()->ToolItem9);
    EXPECT_EQ(win->Listbox1()->ListCount(), 1);
    EXPECT_EQ(win->pFI.size(), 1u);
    EXPECT_EQ(win->pCountGet, 1);

    Answer(ModalAnswer::Button::Action);
    Press(win->Toolbar11()->ToolItem9);
    EXPECT_EQ(asked.back().message.Bytes(), "本当にクリアしますか？");
    EXPECT_EQ(asked.back().explanation.Bytes(), "");
    EXPECT_EQ(win->Listbox1()->ListCount(), 0);
    EXPECT_TRUE(win->pFI.empty());
    EXPECT_EQ(win->pCountGet, 0);
    EXPECT_EQ(win->pCountFind, 0);
    EXPECT_EQ(Globals::gDocDir.size(), 1u);  // the documents folders found stay known
    EXPECT_EQ(ToolItemStates(), "101001");
}

TEST_F(MainWindowTest, AddFIlistRegistersEachPathOnceIgnoringCase) {
    const FolderItemRef prefs = Item(home.MakeFolder("Library/Preferences/Zoruba初期設定"));
    const FolderItemRef samePath = Item(home.MakeFolder("Library/Preferences/ZORUBA初期設定"));
    const FolderItemRef docs = Item(home.MakeFolder("Documents/Zoruba書類"));

    EXPECT_EQ(win->AddFIlist(prefs, "P"), 0);
    EXPECT_EQ(win->AddFIlist(docs, "DD"), 1);
    EXPECT_EQ(win->AddFIlist(samePath, "AS"), 0);
    EXPECT_EQ(win->AddFIlist(docs, "DD"), 1);
    ASSERT_EQ(win->pFI.size(), 2u);
    EXPECT_EQ(win->pFI[0]->Value("kind").StringValue().Bytes(), "P");  // the first kind stays
    ASSERT_EQ(Globals::gDocDir.size(), 1u);
    EXPECT_EQ(Globals::gDocDir[0], docs);
}

TEST_F(MainWindowTest, ExpandingAProductRowAddsTickedItemRowsInListOrder) {
    const FolderItemRef app = Item(home.MakeAppBundle("Applications/Zoruba.app", "APPLZrb1"));
    const FolderItemRef plist = Item(home.Write("Library/Preferences/com.keldo.Zoruba.plist", "<plist/>"));
    const FolderItemRef docs = Item(home.MakeFolder("Documents/Zoruba書類"));
    win->AddFIlist(app, "A");
    win->AddFIlist(plist, "PL");
    win->AddFIlist(docs, "DD");
    const int first = AddProductRow("Zoruba", "0:2:0:");
    AddProductRow("Pelmora", "1:");

    ListboxRef list = win->Listbox1();
    list->SetExpanded(first, true);

    ASSERT_EQ(list->ListCount(), 5);
    const std::vector<std::vector<std::string>> expected = {
        {"Zoruba.app", "アプリケーション（単体）", "A", "0"},
        {"Zoruba書類", "書類", "DD", "2"},
        {"Zoruba.app", "アプリケーション（単体）", "A", "0"},  // a repeated index gives a second row
    };
    for (int i = 0; i < 3; ++i) {
        const int row = first + 1 + i;
        EXPECT_EQ(list->RowDepth(row), 1);
        EXPECT_EQ(list->Cell(row, 0).Bytes(), expected[i][0]);
        EXPECT_EQ(list->Cell(row, 2).Bytes(), expected[i][1]);
        EXPECT_EQ(list->Cell(row, 4).Bytes(), expected[i][2]);
        EXPECT_EQ(list->Cell(row, 5).Bytes(), expected[i][3]);
        EXPECT_EQ(list->CellType(row, 0), Listbox::TypeCheckBox);
        EXPECT_TRUE(list->CellCheck(row, 0));
        EXPECT_NE(list->Cell(row, 1), "");  // the modification date
        ASSERT_TRUE(list->RowPicture(row));
        EXPECT_EQ(list->RowPicture(row)->Width(), 16);
    }
    EXPECT_EQ(list->Cell(1, 1), Globals::gDateTime(app->ModificationDate()));
    EXPECT_EQ(list->Cell(4, 0).Bytes(), "Pelmora");

    list->SetExpanded(4, true);
    EXPECT_EQ(list->Cell(5, 2).Bytes(), "plist");
}

TEST_F(MainWindowTest, AnItemGoneBeforeItsRowIsShownKeepsItsNameWithoutADate) {
    const std::string path = home.MakeFolder("Library/Preferences/Wistrel初期設定");
    win->AddFIlist(Item(path), "P");
    AddProductRow("Wistrel", "0:");
    std::filesystem::remove(path);

    ListboxRef list = win->Listbox1();
    list->SetExpanded(0, true);
    ASSERT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->Cell(1, 0).Bytes(), "Wistrel初期設定");
    EXPECT_EQ(list->Cell(1, 1).Bytes(), "");
    EXPECT_EQ(list->Cell(1, 2).Bytes(), "初期設定フォルダ");
    EXPECT_TRUE(list->CellCheck(1, 0));
}

TEST_F(MainWindowTest, AProductRowsTickPassesToItsItemsOnly) {
    for (const char* name : {"a", "b", "c"}) win->AddFIlist(Item(home.MakeFolder(name)), "P");
    AddProductRow("Tolvenade", "0:1:");
    AddProductRow("Zoruba", "2:");
    ListboxRef list = win->Listbox1();
    list->SetExpanded(1, true);
    list->SetExpanded(0, true);  // rows: 0 product, 1-2 items, 3 product, 4 item

    list->SetCellCheck(0, 0, false);
    win->Listbox1_CellAction(*list, 0, 0);
    EXPECT_FALSE(list->CellCheck(1, 0));
    EXPECT_FALSE(list->CellCheck(2, 0));
    EXPECT_TRUE(list->CellCheck(3, 0));
    EXPECT_TRUE(list->CellCheck(4, 0));

    list->SetCellCheck(2, 0, true);  // an item row's own tick touches nothing else
    win->Listbox1_CellAction(*list, 2, 0);
    EXPECT_FALSE(list->CellCheck(0, 0));
    EXPECT_FALSE(list->CellCheck(1, 0));

    // Collapsing and expanding again shows the items ticked.
    list->SetExpanded(0, false);
    list->SetExpanded(0, true);
    EXPECT_TRUE(list->CellCheck(1, 0));
    EXPECT_TRUE(list->CellCheck(2, 0));
}

TEST_F(MainWindowTest, RevealFollowsTheSelectionAndPassesTheSearchRowsPath) {
    const std::string path = home.Write("Documents/報告.plmd", "x");
    const FolderItemRef found = Item(path);
    win->AddFIlist(Item(home.MakeFolder("x")), "P");
    AddProductRow("Pelmora", "0:");
    ListboxRef list = win->Listbox1();
    list->AddRow(found->Name());
    list->SetCell(1, 4, "DFS");
    list->SetCell(1, 5, found->AbsolutePath());

    list->SetListIndex(1);
    EXPECT_TRUE(win->Toolbar11()->ToolItem8->Enabled());
    list->SetListIndex(0);
    EXPECT_FALSE(win->Toolbar11()->ToolItem8->Enabled());
    list->SetListIndex(1);
    list->SetListIndex(-1);
    EXPECT_FALSE(win->Toolbar11()->ToolItem8->Enabled());

    list->SetListIndex(1);
    Press(win->Toolbar11()->ToolItem8);
    EXPECT_EQ(finder->revealed, std::vector<std::string>{path});
}

TEST_F(MainWindowTest, EvenRowsArePaintedPaleBlueAndOddRowsLeftAlone) {
    ListboxRef list = win->Listbox1();
    // A cell of a column widened past the list (642 pixels) is painted to its end.
    struct Case {
        int row, width, x;
    };
    for (const Case c : {Case{0, 20, 5}, Case{1, 20, 5}, Case{0, 808, 800}, Case{1, 808, 800}}) {
        PictureRef cell = NewPicture(c.width, 10, 32);
        const bool handled = win->Listbox1_CellBackgroundPaint(*list, *cell->Graphics(), c.row, 0);
        EXPECT_FALSE(handled);
        const QColor colour = cell->ToImage().pixelColor(c.x, 5);
        EXPECT_EQ(colour, c.row == 0 ? QColor(237, 243, 254) : QColor(255, 255, 255)) << c.row << " " << c.width;
    }
}

TEST_F(MainWindowTest, ARowIconWithoutThePlugInIsClearNotAWhiteSquare) {
    PictureRef icon = win->MakeListFolIcon(Item(home.Path("Documents")));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->Width(), 16);
    EXPECT_EQ(icon->Height(), 16);
    EXPECT_EQ(icon->ToImage().pixelColor(8, 8).alpha(), 0);
}

}  // namespace
