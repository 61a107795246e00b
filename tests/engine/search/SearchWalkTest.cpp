// The walk below the chosen folder: which entries are passed over, compared
// or walked into, aliases and alias loops, damaged packages, and the stop
// request.

#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <QImage>
#include <gmock/gmock.h>

#include "app/PluginFunctions.h"
#include "app/Startup.h"
#include "platform/plist/Limits.h"
#include "runtime/files/FinderInfo.h"
#include "runtime/plugins/PluginHost.h"
#include "tests/engine/search/SearchTestSupport.h"
#include "tests/support/HostilePlists.h"
#include "tests/support/IcnsBuilder.h"

namespace engine_testing {
namespace {

using runtime::ModalKind;
using runtime::files::kFinderFlagInvisible;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::UnorderedElementsAreArray;

class SearchWalkTest : public SearchTest {
protected:
    void SetUp() override {
        SearchTest::SetUp();
        AddProduct("Pelmora", {{"Pelmora", "APPLwTq5"}}, {".pdoc", ".pbun"});
        AnswerSearchRoot();
    }
};

TEST_F(SearchWalkTest, HiddenAndDotEntriesAreNeitherComparedNorWalked) {
    Write("shown.pdoc");
    Write(".hidden.pdoc");
    Write(".dot folder/inside.pdoc");
    Write("ghost.pdoc");
    SetFinderInfo("ghost.pdoc", "", "", kFinderFlagInvisible);
    Write("Secret/inside.pdoc");
    SetFinderInfo("Secret", "", "", kFinderFlagInvisible);
    MakeAppBundle(".Pelmora.app", "APPLwTq5");

    ASSERT_TRUE(Search());

    EXPECT_THAT(Rows(), ElementsAre("shown.pdoc | Pelmora（書類）"));
    // Nothing but the chooser: passing over entries gives no message.
    EXPECT_THAT(AskedKinds(), ElementsAre(ModalKind::SelectFolder));
}

TEST_F(SearchWalkTest, FoldersWithADocumentExtensionAreListedNotWalked) {
    Write("Album.PBUN/inside.pdoc");
    Write("Plugin.bundle/Contents/inside.pdoc");
    Write("deep/er/still/inside.pdoc");

    ASSERT_TRUE(Search());

    EXPECT_THAT(Rows(), ElementsAre("Album.PBUN | Pelmora（書類）", "inside.pdoc | Pelmora（書類）",
                                    "inside.pdoc | Pelmora（書類）"));
    const auto list = win->Listbox1();
    EXPECT_EQ(list->Cell(2, 5).ToUTF8(), MacPath("Plugin.bundle/Contents/inside.pdoc"));
    EXPECT_EQ(list->Cell(1, 5).ToUTF8(), MacPath("deep/er/still/inside.pdoc"));
}

TEST_F(SearchWalkTest, ApplicationPackagesAreComparedAndNeverWalked) {
    MakeAppBundle("Pelmora.app", "APPLwTq5");
    Write("Pelmora.app/Contents/Resources/sample.pdoc");
    MakeAppBundle("Other.app", "APPLzzzz");
    Write("Other.app/Contents/Resources/sample.pdoc");

    ASSERT_TRUE(Search());

    EXPECT_THAT(Rows(), ElementsAre("Pelmora.app | Pelmora（アプリ）"));
}

TEST_F(SearchWalkTest, AliasesAreFollowedAndAnAliasLoopEnds) {
    Write("Real/page.pdoc");
    MakeFolder("Links");
    std::filesystem::create_directory_symlink(searchRoot + "/Real", searchRoot + "/Links/To Real");
    std::filesystem::create_directory_symlink(searchRoot, searchRoot + "/Links/Back to top");
    std::filesystem::create_directory_symlink(searchRoot + "/Links", searchRoot + "/Real/Up");

    ASSERT_TRUE(Search());

    // Found through Links/To Real, showing its target; Real itself is the
    // same folder and is not walked again, nor are the aliases back up.
    EXPECT_THAT(Rows(), ElementsAre("page.pdoc | Pelmora（書類）"));
    EXPECT_EQ(win->Listbox1()->Cell(0, 5).ToUTF8(), MacPath("Real/page.pdoc"));
    ExpectSearchToolItems();
}

TEST_F(SearchWalkTest, LinkFarmsAndKernelFileSystemsEndWithEachHitOnce) {
    // 24 levels, each holding two links to the next: 2^24 paths to the bottom.
    constexpr int kLevels = 24;
    const auto level = [](int i) { return "farm/" + std::to_string(i); };
    for (int i = 0; i <= kLevels; ++i) MakeFolder(level(i));
    for (int i = 0; i < kLevels; ++i)
        for (const char* link : {"left", "right"})
            std::filesystem::create_directory_symlink(searchRoot + "/" + level(i + 1),
                                                      searchRoot + "/" + level(i) + "/" + link);
    Write(level(12) + "/middle.pdoc");
    Write(level(kLevels) + "/bottom.pdoc");
    // The kernel's own file systems, behind links with plain names.
    MakeFolder("system");
    for (const char* system : {"/proc", "/sys", "/dev"})
        std::filesystem::create_directory_symlink(system, searchRoot + "/system/" + (system + 1));

    ASSERT_TRUE(RunToEnd(NewSearch(), std::chrono::minutes(1)));

    // Depth first: level 12's link "left" leads to the bottom before its own document.
    EXPECT_THAT(Rows(), ElementsAre("bottom.pdoc | Pelmora（書類）", "middle.pdoc | Pelmora（書類）"));
    ExpectSearchToolItems();
}

TEST_F(SearchWalkTest, AFolderChangingUnderTheWalkGivesEveryEntryThatStaysOnce) {
    // At every turn of the loop an entry ahead of the walk's place comes or
    // goes, as in a cache or log folder.
    constexpr int kDocuments = 12;
    std::vector<std::string> expected;
    for (int i = 0; i < kDocuments; ++i) {
        const std::string n = std::to_string(100 + i);
        Write("busy/doc " + n + ".pdoc");
        Write("busy/0 old " + n);
        expected.push_back("doc " + n + ".pdoc | Pelmora（書類）");
    }
    const auto search = NewSearch();
    search->Run();
    int turn = 0;
    ASSERT_TRUE(testsupport::PumpUntil(
        [&] {
            const std::string n = std::to_string(100 + turn / 2);
            if (turn++ % 2)
                Write("busy/0 new " + n);
            else
                std::filesystem::remove(searchRoot + "/busy/0 old " + n);
            return search->State() == runtime::ThreadState::NotRunning;
        },
        std::chrono::seconds(30)));

    EXPECT_THAT(Rows(), ElementsAreArray(expected));
}

TEST_F(SearchWalkTest, DeepWalksEndNormallyWithTheirRows) {
    // A chain of 5,000 folders outside the searched one, each holding an
    // alias of the next.
    constexpr int kChain = 5000;
    for (int i = 0; i < kChain; ++i) home.MakeFolder("Chain/c" + std::to_string(i));
    for (int i = 0; i + 1 < kChain; ++i)
        std::filesystem::create_directory_symlink(home.Path("Chain/c" + std::to_string(i + 1)),
                                                  home.Path("Chain/c" + std::to_string(i) + "/next"));
    home.Write("Chain/c2500/middle.pdoc", "");
    home.Write("Chain/c4999/end.pdoc", "");
    std::filesystem::create_directory_symlink(home.Path("Chain/c0"), searchRoot + "/chain");
    // Nested one-letter folders down to the longest path a file can have.
    std::string nested = searchRoot + "/n";
    const std::string file = "/bottom.pdoc";
    while (nested.size() + 2 + file.size() < PATH_MAX) nested += "/a";
    for (size_t end = searchRoot.size() + 2; end <= nested.size(); end += 2)
        ASSERT_EQ(mkdir(nested.substr(0, end).c_str(), 0700), 0);
    Write(nested.substr(searchRoot.size() + 1) + file);

    ASSERT_TRUE(RunToEnd(NewSearch(), std::chrono::minutes(1)));

    EXPECT_THAT(Rows(), ElementsAre("middle.pdoc | Pelmora（書類）", "end.pdoc | Pelmora（書類）",
                                    "bottom.pdoc | Pelmora（書類）"));
    ExpectSearchToolItems();
}

// With the icon plug-in bound as at start-up, so that each row's icon is
// made on the search worker from the package's Info.plist.
class SearchWithIconsTest : public SearchWalkTest {
protected:
    void SetUp() override {
        SearchWalkTest::SetUp();
        std::filesystem::copy_file(FELTRIX_LIBRARY, plugins_ / "Feltrix");
        ASSERT_EQ(runtime::PluginHost::Shared().LoadFolder(plugins_.Path()), 1);
        _InitPluginEntrypoints();
    }
    void TearDown() override {
        PluginEntrypoints() = runtime::PluginEntrypointTable();
        SearchWalkTest::TearDown();
    }

private:
    testsupport::TempFolder plugins_;
};

TEST_F(SearchWithIconsTest, DamagedPackagesAreListedWithTheGenericApplicationIcon) {
    using namespace testsupport;
    // Every package holds Sample.icns, and all but Generic.app and Huge.app an
    // Info.plist that names it.
    const Bytes icns = Icns().Add("is32", PackedColor(256, 10, 20, 30)).Add("s8mk", Bytes(256, 255)).Data();
    std::vector<std::pair<std::string, std::string>> packages = {
        {"Generic.app", ""},
        {"Sound.app", InfoPlist("Sample")},
        {"Oversize.app", InfoPlist("Sample") + std::string(platform::plist::kMaxInfoPlistBytes, ' ')},
    };
    for (const auto& [name, bytes] : HostilePlists()) packages.emplace_back(name + ".app", bytes);
    std::vector<std::string> rows;
    for (const auto& [name, plist] : packages) {
        MakeAppBundle(name, "APPLwTq5");
        WriteFile(searchRoot + "/" + name + "/Contents/Resources/Sample.icns", icns);
        if (!plist.empty()) Write(name + "/Contents/Info.plist", plist);
        rows.push_back(name + " | Pelmora（アプリ）");
    }
    // A PkgInfo of 1 GiB without a line end: a first line that is no code,
    // and that is not read whole.
    WriteSparseFile(MakeFolder("Huge.app/Contents") + "/PkgInfo", "APPLwTq5", off_t(1) << 30);

    ASSERT_TRUE(Search());

    EXPECT_THAT(Rows(), UnorderedElementsAreArray(rows));
    std::map<std::string, QImage> icons;
    const auto list = win->Listbox1();
    for (int row = 0; row < list->ListCount(); ++row)
        icons[list->Cell(row, 0).ToUTF8()] = list->RowPicture(row)->ToImage();
    ASSERT_EQ(icons.size(), rows.size());
    EXPECT_EQ(icons["Sound.app"].pixel(8, 8), qRgb(10, 20, 30)) << "the icon the Info.plist names";
    for (const auto& [name, icon] : icons) {
        if (name == "Sound.app") continue;
        EXPECT_EQ(icon, icons["Generic.app"]) << name;
    }
    ExpectSearchToolItems();
}

TEST_F(SearchWalkTest, StopDuringADeepWalkVisitsNoFurtherEntry) {
    Write("a/b/c/first.pdoc");
    Write("a/b/c/second.pdoc");
    Write("a/b/later.pdoc");
    Write("a/later.pdoc");
    Write("z.pdoc");
    const auto search = NewSearch();
    search->Run();

    int rowsAtStop = -1;
    ASSERT_TRUE(testsupport::PumpUntil([&] {
        if (rowsAtStop < 0 && win->Listbox1()->ListCount() > 0) {
            rowsAtStop = win->Listbox1()->ListCount();
            win->pStopThread2 = true;
        }
        return search->State() == runtime::ThreadState::NotRunning;
    }));

    ASSERT_EQ(rowsAtStop, 1);
    EXPECT_THAT(Rows(), ElementsAre("first.pdoc | Pelmora（書類）"));
    EXPECT_EQ(win->StaticText1()->Text().ToUTF8(), "処理が中止されました。");
    EXPECT_TRUE(win->StaticText1()->Visible());
    EXPECT_EQ(win->pCountFind, 1);
    ExpectSearchToolItems();
}

}  // namespace
}  // namespace engine_testing
