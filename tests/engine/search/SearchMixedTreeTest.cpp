// One search over a tree that mixes every kind of entry the road meets:
// the rows it lists, in order, are fixed here.

#include <filesystem>

#include <gmock/gmock.h>

#include "runtime/files/FinderInfo.h"
#include "tests/engine/search/SearchTestSupport.h"
#include "tests/support/FinderInfoData.h"

namespace engine_testing {
namespace {

using ::testing::ElementsAreArray;
using testsupport::FinderInfoBytes;
using testsupport::SetFinderInfoAttribute;

class SearchMixedTreeTest : public SearchTest {
protected:
    void SetUp() override {
        SearchTest::SetUp();
        AnswerSearchRoot();
    }

    // Each row as "name | label | path below the searched folder".
    std::vector<std::string> RowsWithPaths() const {
        const std::string root = Folder(searchRoot)->AbsolutePath().ToUTF8();
        std::vector<std::string> rows;
        const auto list = win->Listbox1();
        for (int row = 0; row < list->ListCount(); ++row) {
            std::string path = list->Cell(row, 5).ToUTF8();
            if (path.rfind(root, 0) == 0) path.erase(0, root.size());
            rows.push_back(list->Cell(row, 0).ToUTF8() + " | " + list->Cell(row, 2).ToUTF8() + " | " + path);
        }
        return rows;
    }

    bool SetAttribute(const std::string& relative, const std::string& info) const {
        return SetFinderInfoAttribute(searchRoot + "/" + relative, info);
    }
    void Link(const std::string& target, const std::string& relative) const {
        std::filesystem::create_symlink(searchRoot + "/" + target, searchRoot + "/" + relative);
    }
};

TEST_F(SearchMixedTreeTest, ListsExactlyTheseRowsInWalkOrder) {
    AddProduct("Tolvenade II", {{"Tolvenade", "APPLwTq1"}, {"Marlocane", "APPLwTq2"}}, {"Brd3wTq1", "Crd3wTq1"});
    AddProduct("Brevindal nano", {{"brevindal", "APPL----"}}, {".bdoc"});
    AddProduct("Pelmora", {{"Pelmora", "APPLwTq5"}}, {"PelmwTq5", ".pdoc", ".PBUN", ".BDOC"});

    // Applications: by the code in PkgInfo (letter case ignored), by name and
    // maker, packages never walked, a plain file never an application.
    home.MakeAppBundle("Search/Apps/Brevindal lite.app", "");
    home.MakeAppBundle("Search/Apps/Brevindal nano.app", "", true);
    Write("Apps/brevindal notes.txt");
    MakeAppBundle("Apps/Marlocane.APP", "applwtq2");
    MakeAppBundle("Apps/NoInfo.app", "");
    Write("Apps/NoInfo.app/Contents/Resources/inside.pdoc");
    MakeAppBundle("Apps/Old Tolvenade/Tolvenade.app", "APPLwTq1");
    MakeAppBundle("Apps/Pelmora.app", "APPLwTq5");
    Write("Apps/Pelmora.app/Contents/Resources/sample.pdoc");
    MakeAppBundle("Apps/Tolvenade.app", "APPLwTq1");
    Write("Apps/Tool.app");
    MakeAppBundle("Apps/Viewer.app", "PelmwTq5");

    // Documents: by type and creator from the attribute (which wins over a
    // companion) or from the companion, by extension before the code, a
    // folder with a document extension listed and not walked, hidden items.
    Write("Docs/.hidden.pdoc");
    Write("Docs/Album.PBUN/inside.pdoc");
    Write("Docs/board.brd");
    Write("Docs/both");
    SetFinderInfo("Docs/both", "Pelm", "wTq5");
    SetFinderInfo("Docs/card", "Crd3", "wTq1");
    Write("Docs/card");
    Write("Docs/ghost.pdoc");
    Write("Docs/LETTER.PDOC");
    Write("Docs/long attribute");
    Write("Docs/notes.bdoc");
    Write("Docs/page.pdoc");
    Write("Docs/Plugin.bundle/Contents/inside.pdoc");
    Write("Docs/Secret/inside.pdoc");
    SetFinderInfo("Docs/Secret", "", "", runtime::files::kFinderFlagInvisible);
    Write(".dot folder/inside.pdoc");
    Write("資料/報告.pdoc");
    const bool attributes =
        SetAttribute("Apps/Tool.app", FinderInfoBytes("APPL", "wTq1")) &&
        SetAttribute("Docs/board.brd", FinderInfoBytes("Brd3", "wTq1")) &&
        SetAttribute("Docs/both", FinderInfoBytes("Crd3", "wTq1")) &&
        SetAttribute("Docs/ghost.pdoc", FinderInfoBytes("", "", runtime::files::kFinderFlagInvisible)) &&
        SetAttribute("Docs/long attribute", FinderInfoBytes("Crd3", "wTq1") + std::string(40, 'x')) &&
        SetAttribute("Docs/page.pdoc", FinderInfoBytes("Pelm", "wTq5"));
    if (!attributes) GTEST_SKIP() << "the file system refuses user extended attributes";

    // Aliases: followed to their targets, dangling ones passed over, those
    // leading back up not entered again; what the walk has already taken
    // (Deep, board.brd, Tolvenade.app) is not taken again through them.
    Write("Deep/a/b/c/deep.pdoc");
    Link("Deep/a", "Deep/a/back");
    Link("", "Deep/a/b/up");
    MakeFolder("Links");
    Link("nowhere", "Links/dangling");
    Link("Docs/board.brd", "Links/to board");
    Link("Deep", "Links/to Deep");
    Link("Apps/Tolvenade.app", "Links/Tolvenade alias.app");

    ASSERT_TRUE(Search());

    EXPECT_THAT(RowsWithPaths(), ElementsAreArray({
                                     "Brevindal nano.app | Brevindal nano（アプリ） | Apps:Brevindal nano.app:",
                                     "Marlocane.APP | Tolvenade II（アプリ） | Apps:Marlocane.APP:",
                                     "Tolvenade.app | Tolvenade II（アプリ） | Apps:Old Tolvenade:Tolvenade.app:",
                                     "Pelmora.app | Pelmora（アプリ） | Apps:Pelmora.app:",
                                     "Tolvenade.app | Tolvenade II（アプリ） | Apps:Tolvenade.app:",
                                     "Viewer.app | Pelmora（書類） | Apps:Viewer.app:",
                                     "deep.pdoc | Pelmora（書類） | Deep:a:b:c:deep.pdoc",
                                     "Album.PBUN | Pelmora（書類） | Docs:Album.PBUN:",
                                     "board.brd | Tolvenade II（書類） | Docs:board.brd",
                                     "both | Tolvenade II（書類） | Docs:both",
                                     "card | Tolvenade II（書類） | Docs:card",
                                     "LETTER.PDOC | Pelmora（書類） | Docs:LETTER.PDOC",
                                     "long attribute | Tolvenade II（書類） | Docs:long attribute",
                                     "notes.bdoc | Brevindal nano（書類） | Docs:notes.bdoc",
                                     "page.pdoc | Pelmora（書類） | Docs:page.pdoc",
                                     "inside.pdoc | Pelmora（書類） | Docs:Plugin.bundle:Contents:inside.pdoc",
                                     "報告.pdoc | Pelmora（書類） | 資料:報告.pdoc",
                                 }));
    ExpectSearchToolItems();
}

}  // namespace
}  // namespace engine_testing
