// The catalogue scans of one searched item and the search rows they add:
// the row's columns, the order of rows, the first product's label, the
// extension rule and a shortened catalogue.

#include <gmock/gmock.h>

#include "runtime/ui/Listbox.h"
#include "tests/engine/search/SearchTestSupport.h"

namespace engine_testing {
namespace {

using ::testing::ElementsAre;

class SearchRowsTest : public SearchTest {
protected:
    void SetUp() override {
        SearchTest::SetUp();
        AnswerSearchRoot();
    }
};

TEST_F(SearchRowsTest, SearchRowHasNameDateLabelDfsAndPathWithoutCheckBox) {
    AddProduct("Zoruba", {}, {"PanlwTq4"});
    Write("Board");
    SetFinderInfo("Board", "Panl", "wTq4");

    ASSERT_TRUE(Search());

    const auto list = win->Listbox1();
    ASSERT_EQ(list->ListCount(), 1);
    const auto item = Folder(searchRoot + "/Board");
    EXPECT_EQ(list->Cell(0, 0).ToUTF8(), "Board");
    EXPECT_EQ(list->CellType(0, 0), runtime::Listbox::TypeDefault);
    EXPECT_FALSE(list->CellCheck(0, 0));
    EXPECT_TRUE(list->RowPicture(0));
    EXPECT_EQ(list->Cell(0, 1).ToUTF8(), Globals::gDateTime(item->ModificationDate()).ToUTF8());
    EXPECT_EQ(list->Cell(0, 2).ToUTF8(), "Zoruba（書類）");
    EXPECT_EQ(list->Cell(0, 3).ToUTF8(), "");
    EXPECT_EQ(list->Cell(0, 4).ToUTF8(), "DFS");
    EXPECT_EQ(list->Cell(0, 5).ToUTF8(), item->AbsolutePath().ToUTF8());
    EXPECT_FALSE(list->RowIsFolder(0));
    EXPECT_EQ(list->RowDepth(0), 0);
    EXPECT_TRUE(win->pFI.empty());
}

TEST_F(SearchRowsTest, ApplicationRowComesBeforeTheDocumentRowOfTheSameItem) {
    AddProduct("Tolvenade II", {{"Tolvenade", "APPLwTq1"}}, {});
    AddProduct("Zoruba", {}, {"applwtq1"});
    AddProduct("Brevindal nano", {{"brevindal", "APPL----"}}, {});
    MakeAppBundle("Tolvenade.app", "APPLwTq1");
    home.MakeAppBundle("Search/Brevindal nano.app", "", true);
    home.MakeAppBundle("Search/Brevindal lite.app", "");
    // A plain file is no application, whatever its type; its code still names a document.
    Write("Tool");
    SetFinderInfo("Tool", "APPL", "wTq1");

    ASSERT_TRUE(Search());

    EXPECT_THAT(Rows(),
                ElementsAre("Brevindal nano.app | Brevindal nano（アプリ）", "Tolvenade.app | Tolvenade II（アプリ）",
                            "Tolvenade.app | Zoruba（書類）", "Tool | Zoruba（書類）"));
}

TEST_F(SearchRowsTest, FirstProductInCatalogueOrderGivesTheLabel) {
    AddProduct("Gablune mini", {{"Gablune", "APPLwTqk"}}, {".other"});
    AddProduct("Pelmora", {{"Pelmora", "APPLwTq5"}}, {".note", ".KDOC"});
    AddProduct("Wistrel", {{"Wistrel", "APPLwTq5"}}, {".kdoc"});
    Write("letter.kdoc");
    MakeAppBundle("Pelmora.app", "APPLwTq5");

    ASSERT_TRUE(Search());

    EXPECT_THAT(Rows(), ElementsAre("letter.kdoc | Pelmora（書類）", "Pelmora.app | Pelmora（アプリ）"));
}

TEST_F(SearchRowsTest, ExtensionRuleIgnoresCaseAndADotlessNameOffersDotAlone) {
    AddProduct("Wistrel", {}, {".Kdoc"});
    AddProduct("Plain", {}, {"."});
    Write("archive.tar.KDOC");
    Write("README");
    Write("notes.txt");
    Write("kdoc");

    ASSERT_TRUE(Search());

    EXPECT_THAT(Rows(),
                ElementsAre("archive.tar.KDOC | Wistrel（書類）", "kdoc | Plain（書類）", "README | Plain（書類）"));
}

TEST_F(SearchRowsTest, ShortenedCatalogueEntriesNeverHitAndNeverStopTheSearch) {
    // Counts beyond the values stored, an empty document type, no counts at
    // all, a count with a fraction: as a catalogue file that ends early gives.
    const auto shortened = AddProduct("Shortened", {{"Nothing", "APPLnone"}}, {""});
    shortened->SetValue("appCount", "3");
    shortened->SetValue("docCount", "2.9");
    Globals::gItem.push_back(std::make_shared<runtime::Dictionary>());
    const auto noValues = AddProduct("No values", {}, {});
    noValues->SetValue("appCount", "2");
    noValues->SetValue("docCount", "-1");
    AddProduct("Pelmora", {{"Pelmora", "APPLwTq5"}}, {".pdoc"});
    Write("plain.bin");
    Write("page.pdoc");
    MakeAppBundle("Bare.app", "");
    MakeAppBundle("Pelmora.app", "APPLwTq5");

    ASSERT_TRUE(Search());

    EXPECT_THAT(Rows(), ElementsAre("page.pdoc | Pelmora（書類）", "Pelmora.app | Pelmora（アプリ）"));
    ExpectSearchToolItems();
}

}  // namespace
}  // namespace engine_testing
