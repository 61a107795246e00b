// The auto-get run from the toolbar: product rows, their item rows, the
// counters, the status strip and the tool items, normal and stopped.
#include <gtest/gtest.h>

#include "runtime/app/ExceptionHook.h"
#include "runtime/threads/UnhandledException.h"
#include "tests/engine/documents/RecordFileWriter.h"
#include "tests/engine/workers/WorkersTestSupport.h"

using namespace runtime;
using Strings = std::vector<std::string>;

namespace engine_testing {
namespace {

class AutoGetRunTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        home.MakeAppBundle("Applications/Zoruba.app", "APPLZrb1");
        home.MakeFolder("Library/Preferences/Zoruba初期設定");
        home.Write("Library/Preferences/com.keldo.Zoruba.plist", "<plist/>");
        home.MakeFolder("Library/Application Support/Zoruba");
        Globals::gItem.push_back(Product("Zoruba", "Zoruba", "APPLZrb1", "Zoruba初期設定", "Zoruba", "Zoruba"));
        Globals::gItem.push_back(Product("Tolvenade", "Tolvenade", "APPLTlv1", "Tolvenade初期設定", "Tolvenade", ""));
    }
};

TEST_F(AutoGetRunTest, OneTickedProductRowPerProductThatFoundSomethingWithItsItemsBelow) {
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem1));

    EXPECT_EQ(Column(0), (Strings{"Zoruba", "Zoruba.app", "Zoruba初期設定", "com.keldo.Zoruba.plist", "Zoruba"}));
    EXPECT_EQ(Column(4), (Strings{"", "A", "P", "PL", "AS"}));
    EXPECT_EQ(Column(5), (Strings{"0:1:2:3:", "0", "1", "2", "3"}));
    ListboxRef list = win->Listbox1();
    EXPECT_TRUE(list->RowIsFolder(0));
    EXPECT_TRUE(list->Expanded(0));
    for (int row = 0; row < list->ListCount(); ++row) EXPECT_TRUE(list->CellCheck(row, 0)) << row;
    EXPECT_EQ(win->pFI.size(), 4u);
    EXPECT_EQ(win->pCountGet, 1);
    EXPECT_EQ(win->pCountFind, 0);
    EXPECT_FALSE(win->StaticText1()->Visible());
    EXPECT_FALSE(win->ProgressWheel1()->Visible());
    EXPECT_EQ(ToolItemStates(), "111001");
}

TEST_F(AutoGetRunTest, EveryApplicationOfAProductAndTheDocumentsFolderOfItsDocTypeAreListed) {
    home.MakeAppBundle("Applications/Pelmora.app", "APPLPlm1");
    home.MakeAppBundle("Applications/Pelmora Viewer.app", "APPLPlm2");
    const std::string docs = home.MakeFolder("Documents/Pelmora Files");
    documents_testing::RecordFileContents record;
    record.records = documents_testing::Records({{19, FolderItem::FromNativePath(docs)->AbsolutePath().ToUTF8()}});
    home.Write("Library/Preferences/Pelmora初期設定/pref", documents_testing::RecordFile(record, false));
    DictionaryRef pelmora = Product("Pelmora", "Pelmora", "APPLPlm1", "Pelmora初期設定", "", "");
    pelmora->SetValue("appCount", "2");
    pelmora->SetValue("appName2", "Pelmora Viewer");
    pelmora->SetValue("appType2", "APPLPlm2");
    pelmora->SetValue("docType1", "PelmwTq5");
    Globals::gItem = {pelmora};

    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem1));
    EXPECT_EQ(Column(0), (Strings{"Pelmora", "Pelmora.app", "Pelmora Viewer.app", "Pelmora初期設定", "Pelmora Files"}));
    EXPECT_EQ(Column(4), (Strings{"", "A", "A", "P", "DD"}));
}

TEST_F(AutoGetRunTest, AnItemOfTwoProductsIsRegisteredOnceAndShownUnderBoth) {
    Globals::gItem[1] = Product("Zoruba Lite", "Zoruba", "APPLZrb1", "", "", "");
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem1));
    EXPECT_EQ(Column(0), (Strings{"Zoruba", "Zoruba.app", "Zoruba初期設定", "com.keldo.Zoruba.plist", "Zoruba",
                                  "Zoruba Lite", "Zoruba.app"}));
    EXPECT_EQ(Column(5)[5], "0:");
    EXPECT_EQ(win->pFI.size(), 4u);
}

TEST_F(AutoGetRunTest, ASecondRunStartsAfreshFromIndexZero) {
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem1));
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem1));
    EXPECT_EQ(win->Listbox1()->ListCount(), 5);
    EXPECT_EQ(Column(5)[0], "0:1:2:3:");
}

TEST_F(AutoGetRunTest, StopWhileTheApplicationsAreWalkedEndsTheRunWithoutTheProductsRow) {
    Press(win->Toolbar11()->ToolItem1);
    win->pStopThread2 = true;  // pressed before the worker's first stop test
    ASSERT_TRUE(WaitForRunEnd());

    EXPECT_EQ(win->Listbox1()->ListCount(), 0);
    EXPECT_TRUE(win->StaticText1()->Visible());
    EXPECT_EQ(win->StaticText1()->Text().Bytes(), "処理が中止されました。");
    EXPECT_FALSE(win->ProgressWheel1()->Visible());
    EXPECT_EQ(win->pCountGet, 1);
    EXPECT_EQ(ToolItemStates(), "111001");
}

TEST_F(AutoGetRunTest, AnEmptyCatalogueGivesAnEmptyListAndEnablesTheTrashCommand) {
    Globals::gItem.clear();
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem1));
    EXPECT_EQ(win->Listbox1()->ListCount(), 0);
    EXPECT_EQ(win->pCountGet, 1);
    EXPECT_EQ(ToolItemStates(), "111001");
}

TEST_F(AutoGetRunTest, ARunThatFailsGivesTheCommandsBackAndTellsTheUser) {
    Globals::gItem[1]->Remove("prefName");  // a shortened catalogue entry
    // As the program routes it: from the thread to the application's alert.
    SetUnhandledExceptionHandler(runtime::detail::DeliverException);
    Answer(ModalAnswer::Button::Action);
    ASSERT_TRUE(RunCommand(win->Toolbar11()->ToolItem1));
    ASSERT_TRUE(testsupport::PumpUntil([&] { return !asked.empty(); }));
    EXPECT_EQ(asked[0].kind, ModalKind::ExceptionAlert);
    EXPECT_FALSE(win->ProgressWheel1()->Visible());
    EXPECT_TRUE(win->Toolbar11()->ToolItem1->Enabled());
    EXPECT_TRUE(win->Toolbar11()->ToolItem9->Enabled());
    SetUnhandledExceptionHandler({});
}

}  // namespace
}  // namespace engine_testing
