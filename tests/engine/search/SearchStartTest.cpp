// The start of the search road: the question before an auto-get list is
// discarded, the folder chooser, the first search's clearing, the counters,
// and the window as a search leaves it.

#include <gmock/gmock.h>

#include "runtime/ui/ToolButton.h"
#include "tests/engine/search/SearchTestSupport.h"

namespace engine_testing {
namespace {

using runtime::ModalKind;
using ::testing::ElementsAre;

class SearchStartTest : public SearchTest {};

TEST_F(SearchStartTest, CancelAtTheQuestionKeepsTheAutoGetList) {
    AddProduct("Zoruba", {}, {".zdoc"});
    Write("page.zdoc");
    for (Button cancel : {Button::Cancel, Button::Closed}) {
        SCOPED_TRACE(static_cast<int>(cancel));
        win->Listbox1()->DeleteAllRows();
        win->pFI.clear();
        asked.clear();
        MakeAutoGetResult();
        Answer(cancel, Folder(searchRoot));

        ASSERT_TRUE(Search());

        ASSERT_THAT(AskedKinds(), ElementsAre(ModalKind::MessageDialog));
        const auto& question = asked[0];
        EXPECT_EQ(question.message.ToUTF8(), "本処理を実行すると、自動取得リストはクリアされます。続けますか？");
        EXPECT_EQ(question.explanation.ToUTF8(), "");
        EXPECT_EQ(question.cancel.caption.ToUTF8(), "キャンセル");
        EXPECT_TRUE(question.cancel.visible);
        EXPECT_FALSE(question.alternate.visible);
        EXPECT_EQ(question.parent, win);
        EXPECT_EQ(question.beeps, 1);

        EXPECT_THAT(Rows(), ElementsAre("Tolvenade II | "));
        EXPECT_EQ(win->pFI.size(), 1u);
        EXPECT_EQ(win->pCountGet, 1);
        EXPECT_EQ(win->pCountFind, 0);
        // The search reset: the auto-get list can no longer be moved to the Trash.
        ExpectSearchToolItems();
        EXPECT_FALSE(win->StaticText1()->Visible());
    }
}

TEST_F(SearchStartTest, ConfirmedSearchReplacesTheAutoGetListAndTheNextAppends) {
    AddProduct("Zoruba", {}, {".zdoc"});
    Write("page.zdoc");
    MakeAutoGetResult();
    AnswerSearchRoot();

    ASSERT_TRUE(Search());

    ASSERT_THAT(AskedKinds(), ElementsAre(ModalKind::MessageDialog, ModalKind::SelectFolder));
    const auto& chooser = asked[1];
    EXPECT_EQ(chooser.prompt.ToUTF8(), "検索を開始するフォルダを指定して下さい。");
    ASSERT_TRUE(chooser.initialDirectory);
    EXPECT_EQ(chooser.initialDirectory->NativePath(), home.Path("Documents"));
    EXPECT_EQ(chooser.parent, win);
    EXPECT_THAT(Rows(), ElementsAre("page.zdoc | Zoruba（書類）"));
    EXPECT_TRUE(win->pFI.empty());
    EXPECT_EQ(win->pCountGet, 0);
    EXPECT_EQ(win->pCountFind, 1);

    // The next search neither asks nor clears: the same folder lists its hit again.
    asked.clear();
    ASSERT_TRUE(Search());
    EXPECT_THAT(AskedKinds(), ElementsAre(ModalKind::SelectFolder));
    EXPECT_THAT(Rows(), ElementsAre("page.zdoc | Zoruba（書類）", "page.zdoc | Zoruba（書類）"));
    EXPECT_EQ(win->pCountGet, 0);
    EXPECT_EQ(win->pCountFind, 2);
}

TEST_F(SearchStartTest, ChooserCancelChangesNothingAndTheFirstSearchClearsWithoutAsking) {
    AddProduct("Zoruba", {}, {".zdoc"});
    Write("page.zdoc");
    win->Listbox1()->AddRow("left over");
    win->AddFIlist(Folder(home.MakeFolder("Documents/left over")), "DD");

    Answer(Button::Action, nullptr);
    ASSERT_TRUE(Search());
    EXPECT_THAT(AskedKinds(), ElementsAre(ModalKind::SelectFolder));
    EXPECT_THAT(Rows(), ElementsAre("left over | "));
    EXPECT_EQ(win->pFI.size(), 1u);
    EXPECT_EQ(win->pCountFind, 0);
    ExpectSearchToolItems();

    asked.clear();
    AnswerSearchRoot();
    ASSERT_TRUE(Search());
    EXPECT_THAT(AskedKinds(), ElementsAre(ModalKind::SelectFolder));
    EXPECT_THAT(Rows(), ElementsAre("page.zdoc | Zoruba（書類）"));
    EXPECT_TRUE(win->pFI.empty());
    EXPECT_EQ(win->pCountGet, 0);
    EXPECT_EQ(win->pCountFind, 1);
}

TEST_F(SearchStartTest, ToolbarSearchShowsProgressWhileWalkingAndResetsAfter) {
    AddProduct("Zoruba", {}, {".zdoc"});
    Write("a/page.zdoc");
    for (int i = 0; i < 20; ++i) Write("b/file" + std::to_string(i) + ".txt");
    AnswerSearchRoot();
    const auto tb = win->Toolbar11();

    win->Toolbar11_Action(*tb, *tb->ToolItem6);

    // Seen at the first row, while the walk goes on.
    bool seenRunning = false;
    ASSERT_TRUE(testsupport::PumpUntil([&] {
        if (!seenRunning && win->Listbox1()->ListCount() > 0) {
            seenRunning = true;
            EXPECT_TRUE(win->StaticText1()->Visible());
            EXPECT_EQ(win->StaticText1()->Text().ToUTF8(), "取得中...（検索範囲によっては数分かかる場合があります。）");
            EXPECT_TRUE(win->ProgressWheel1()->Visible());
            EXPECT_TRUE(tb->ToolItem5->Enabled());
            EXPECT_FALSE(tb->ToolItem6->Enabled());
            EXPECT_FALSE(tb->ToolItem9->Enabled());
        }
        return seenRunning && tb->ToolItem6->Enabled();
    }));

    EXPECT_THAT(Rows(), ElementsAre("page.zdoc | Zoruba（書類）"));
    ExpectSearchToolItems();
    EXPECT_FALSE(win->StaticText1()->Visible());
}

}  // namespace
}  // namespace engine_testing
