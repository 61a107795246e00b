// Folder listings: order, links, freshness, Child lookups.

#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/files/FolderItem.h"
#include "runtime/files/NameOrder.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

using testsupport::TempFolder;

std::vector<std::string> Names(const FolderItemRef& folder) {
    std::vector<std::string> names;
    for (int i = 1; i <= folder->Count(); ++i) names.push_back(folder->Item(i)->Name().Bytes());
    return names;
}

TEST(NameOrder, CaseInsensitiveThenBytewise) {
    using files::CompareNames;
    EXPECT_LT(CompareNames("apple", "Banana"), 0);
    EXPECT_GT(CompareNames("B", "a2"), 0);
    EXPECT_LT(CompareNames("Apple", "apple"), 0);   // ties broken bytewise: "A" < "a"
    EXPECT_LT(CompareNames("Édith", "éditio"), 0);  // folded "édith" < "éditio"
    EXPECT_TRUE(files::NamesEqualIgnoringCase("ÉCOLE", "école"));
    EXPECT_FALSE(files::NamesEqualIgnoringCase("Contents", "content"));
    // Ill-formed UTF-8 still orders totally.
    EXPECT_NE(CompareNames("a\xFF", "a\xFE"), 0);
    EXPECT_EQ(CompareNames("a\xFF", "a\xFF"), 0);

    // Sorting by the names' keys gives the same order.
    const std::vector<std::string> names = {
        "apple", "Banana", "B",  "a2", "Apple", "Édith", "éditio", "a\xFF", "a\xFE", "日本語",
        "ﾆﾎﾝ",   "ÄB",     "äa", "ß",  "ss",    "",      "Z",      "_",     "~",     "\xF0\x9D\x90\x80",
        "\xC3",  "ǅ",      "ǆ",  "a"};
    std::vector<std::string> byKeys = names, byComparison = names;
    std::sort(byKeys.begin(), byKeys.end(), [](const std::string& a, const std::string& b) {
        const std::string ka = files::NameOrderKey(a), kb = files::NameOrderKey(b);
        return ka != kb ? ka < kb : a < b;
    });
    std::sort(byComparison.begin(), byComparison.end(),
              [](const std::string& a, const std::string& b) { return CompareNames(a, b) < 0; });
    EXPECT_EQ(byKeys, byComparison);
}

TEST(Listing, CountAndItemInSortedOrder) {
    TempFolder tmp;
    for (const char* name : {"b", "A", "a", "C.txt", "_x", "10", "9", "日本語"}) tmp.Write(name, "x");
    tmp.MakeFolder("Beta");
    const FolderItemRef folder = tmp.Item();
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"10", "9", "_x", "A", "a", "b", "Beta", "C.txt", "日本語"}));
    EXPECT_EQ(folder->Item(0), nullptr);
    EXPECT_EQ(folder->Item(10), nullptr);
    EXPECT_TRUE(folder->Item(7)->Directory());
    EXPECT_FALSE(folder->Item(6)->Directory());
    EXPECT_EQ(folder->Item(1)->Parent()->NativePath(), tmp.Path());
}

TEST(Listing, AFileHoldsNothing) {
    TempFolder tmp;
    const FolderItemRef file = FolderItem::FromNativePath(tmp.Write("f", "x"));
    EXPECT_EQ(file->Count(), 0);
    EXPECT_EQ(file->Item(1), nullptr);
    EXPECT_EQ(file->Child("x"), nullptr);
    EXPECT_EQ(tmp.Item("absent")->Count(), 0);
}

TEST(Listing, LinksAreResolvedAndDanglingLinksDoNotExist) {
    TempFolder tmp;
    tmp.Write("target/Real App.app/Contents/PkgInfo", "APPLwTq1");
    tmp.Write("target/file.txt", "x");
    const std::string walked = tmp.MakeFolder("walked");
    ASSERT_EQ(symlink((tmp / "target/Real App.app").c_str(), (walked + "/Alias App").c_str()), 0);
    ASSERT_EQ(symlink("../target/file.txt", (walked + "/file alias").c_str()), 0);
    ASSERT_EQ(symlink((tmp / "nowhere").c_str(), (walked + "/broken").c_str()), 0);

    const FolderItemRef folder = FolderItem::FromNativePath(walked);
    ASSERT_EQ(folder->Count(), 3);
    const FolderItemRef app = folder->Item(1);     // "Alias App"
    const FolderItemRef broken = folder->Item(2);  // "broken"
    const FolderItemRef file = folder->Item(3);    // "file alias"

    EXPECT_EQ(app->NativePath(), tmp / "target/Real App.app");
    EXPECT_EQ(app->Name().Bytes(), "Real App.app");
    EXPECT_TRUE(app->Directory());
    EXPECT_EQ(app->MacType().Bytes(), "fold");
    EXPECT_TRUE(app->Child("contents")->Child("PkgInfo")->Exists());

    EXPECT_EQ(file->NativePath(), tmp / "target/file.txt");
    EXPECT_FALSE(file->Directory());
    EXPECT_EQ(file->Length(), 1);

    EXPECT_FALSE(broken->Exists());
    EXPECT_EQ(broken->MacType().Bytes(), "");
}

TEST(Listing, ChangesAfterAListingAreSeen) {
    TempFolder tmp;
    tmp.Write("a", "x");
    const FolderItemRef folder = tmp.Item();
    ASSERT_EQ(folder->Count(), 1);
    tmp.Write("b", "x");                          // at once: the same clock tick as the listing
    const FolderItemRef added = folder->Item(2);  // beyond the last count: the folder is read again
    ASSERT_TRUE(added);
    EXPECT_EQ(added->Name().Bytes(), "b");
    tmp.Write("c", "x");
    EXPECT_EQ(folder->Count(), 3);
    ASSERT_EQ(unlink((tmp / "a").c_str()), 0);
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"b", "c"}));
}

TEST(Listing, AnItemNoticesThatItWasRemoved) {
    TempFolder tmp;
    tmp.MakeFolder("sub");
    const FolderItemRef sub = tmp.Item()->Item(1);
    ASSERT_TRUE(sub->Directory());
    ASSERT_EQ(rmdir((tmp / "sub").c_str()), 0);
    EXPECT_FALSE(sub->Exists());
    EXPECT_FALSE(sub->Directory());
    EXPECT_EQ(sub->MacType().Bytes(), "");
}

TEST(Child, FindsContentsWrittenInLowerCase) {
    TempFolder tmp;
    tmp.Write("Tool.app/Contents/Info.plist", "<plist/>");
    const FolderItemRef contents = tmp.Item("Tool.app")->Child("contents");
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->NativePath(), tmp / "Tool.app/Contents");
    EXPECT_TRUE(contents->Child("info.PLIST")->Exists());
}

TEST(Child, AnExactMatchWinsAndAnAbsentNameDoesNotExistUntilMade) {
    TempFolder tmp;
    tmp.Write("Readme", "upper");
    tmp.Write("readme", "lower");
    const FolderItemRef folder = tmp.Item();
    EXPECT_EQ(folder->Child("readme")->NativePath(), tmp / "readme");
    EXPECT_EQ(folder->Child("Readme")->NativePath(), tmp / "Readme");
    EXPECT_EQ(folder->Child("README")->NativePath(), tmp / "Readme");  // the first in order

    for (const char* unusable : {"", ".", ".."}) EXPECT_EQ(folder->Child(unusable), nullptr) << unusable;

    const FolderItemRef absent = folder->Child("pref2");
    ASSERT_TRUE(absent);
    EXPECT_FALSE(absent->Exists());
    EXPECT_EQ(absent->NativePath(), tmp / "pref2");
    tmp.Write("PREF2", "x");
    EXPECT_EQ(folder->Child("pref2")->NativePath(), tmp / "PREF2");
}

}  // namespace
}  // namespace runtime
