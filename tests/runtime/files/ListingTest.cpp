// Folder listings: order, links, freshness, Child lookups.

#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

#include "runtime/files/FolderItem.h"
#include "runtime/files/NameOrder.h"
#include "tests/runtime/files/TempFolder.h"

namespace runtime {
namespace {

using testing::TempFolder;

std::vector<std::string> Names(const FolderItemRef& folder) {
    std::vector<std::string> names;
    for (int i = 1; i <= folder->Count(); ++i) names.push_back(folder->Item(i)->Name().Bytes());
    return names;
}

TEST(NameOrder, CaseInsensitiveThenBytewise) {
    using files::CompareNames;
    EXPECT_LT(CompareNames("apple", "Banana"), 0);
    EXPECT_GT(CompareNames("B", "a2"), 0);
    EXPECT_LT(CompareNames("Apple", "apple"), 0);  // ties broken bytewise: "A" < "a"
    EXPECT_EQ(CompareNames("same", "same"), 0);
    EXPECT_LT(CompareNames("Édith", "éditio"), 0);  // folded "édith" < "éditio"
    EXPECT_TRUE(files::NamesEqualIgnoringCase("ÉCOLE", "école"));
    EXPECT_TRUE(files::NamesEqualIgnoringCase("Contents", "contents"));
    EXPECT_FALSE(files::NamesEqualIgnoringCase("Contents", "content"));
    // Ill-formed UTF-8 still orders totally.
    EXPECT_NE(CompareNames("a\xFF", "a\xFE"), 0);
    EXPECT_EQ(CompareNames("a\xFF", "a\xFF"), 0);
}

TEST(Listing, CountAndItemInSortedOrder) {
    TempFolder tmp;
    for (const char* name : {"b", "A", "a", "C.txt", "_x", "10", "9", "日本語"}) tmp.Write(name, "x");
    tmp.MakeFolder("Beta");
    const FolderItemRef folder = FolderItem::FromNativePath(tmp.Path());
    EXPECT_EQ(folder->Count(), 9);
    EXPECT_EQ(Names(folder),
              (std::vector<std::string>{"10", "9", "_x", "A", "a", "b", "Beta", "C.txt", "日本語"}));
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
    EXPECT_EQ(FolderItem::FromNativePath(tmp / "absent")->Count(), 0);
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
    EXPECT_TRUE(app->Exists());
    EXPECT_TRUE(app->Directory());
    EXPECT_EQ(app->MacType().Bytes(), "fold");
    EXPECT_TRUE(app->Child("contents")->Child("PkgInfo")->Exists());

    EXPECT_EQ(file->NativePath(), tmp / "target/file.txt");
    EXPECT_FALSE(file->Directory());
    EXPECT_EQ(file->Length(), 1);

    EXPECT_FALSE(broken->Exists());
    EXPECT_FALSE(broken->Directory());
    EXPECT_EQ(broken->MacType().Bytes(), "");
}

TEST(Listing, AFileAddedAfterAListingIsSeen) {
    TempFolder tmp;
    tmp.Write("first", "x");
    const FolderItemRef folder = FolderItem::FromNativePath(tmp.Path());
    ASSERT_EQ(folder->Count(), 1);
    tmp.Write("second", "x");  // at once: the same clock tick as the listing
    EXPECT_EQ(folder->Count(), 2);
    EXPECT_EQ(folder->Item(2)->Name().Bytes(), "second");
    ASSERT_EQ(unlink((tmp / "first").c_str()), 0);
    EXPECT_EQ(Names(folder), std::vector<std::string>{"second"});
}

TEST(Listing, AnIndexBeyondTheLastCountReadsTheFolderAgain) {
    TempFolder tmp;
    tmp.Write("a", "x");
    const FolderItemRef folder = FolderItem::FromNativePath(tmp.Path());
    ASSERT_EQ(folder->Count(), 1);
    tmp.Write("b", "x");
    const FolderItemRef added = folder->Item(2);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->Name().Bytes(), "b");
}

TEST(Listing, AnItemNoticesThatItWasRemoved) {
    TempFolder tmp;
    tmp.MakeFolder("sub");
    const FolderItemRef folder = FolderItem::FromNativePath(tmp.Path());
    const FolderItemRef sub = folder->Item(1);
    ASSERT_TRUE(sub->Directory());
    ASSERT_EQ(rmdir((tmp / "sub").c_str()), 0);
    EXPECT_FALSE(sub->Exists());
    EXPECT_FALSE(sub->Directory());
    EXPECT_EQ(sub->MacType().Bytes(), "");
}

TEST(Child, FindsContentsWrittenInLowerCase) {
    TempFolder tmp;
    tmp.Write("Tool.app/Contents/Info.plist", "<plist/>");
    const FolderItemRef app = FolderItem::FromNativePath(tmp / "Tool.app");
    const FolderItemRef contents = app->Child("contents");
    ASSERT_TRUE(contents);
    EXPECT_TRUE(contents->Exists());
    EXPECT_EQ(contents->NativePath(), tmp / "Tool.app/Contents");
    EXPECT_TRUE(contents->Child("info.PLIST")->Exists());
}

TEST(Child, AnExactMatchWinsAndAnAbsentNameDoesNotExist) {
    TempFolder tmp;
    tmp.Write("Readme", "upper");
    tmp.Write("readme", "lower");
    const FolderItemRef folder = FolderItem::FromNativePath(tmp.Path());
    EXPECT_EQ(folder->Child("readme")->NativePath(), tmp / "readme");
    EXPECT_EQ(folder->Child("Readme")->NativePath(), tmp / "Readme");
    EXPECT_EQ(folder->Child("README")->NativePath(), tmp / "Readme");  // the first in order

    const FolderItemRef absent = folder->Child("pref2");
    ASSERT_TRUE(absent);
    EXPECT_FALSE(absent->Exists());
    EXPECT_EQ(absent->NativePath(), tmp / "pref2");
    for (const char* unusable : {"", ".", ".."}) EXPECT_EQ(folder->Child(unusable), nullptr) << unusable;
}

TEST(Child, FoundAfterTheFolderChanged) {
    TempFolder tmp;
    const FolderItemRef folder = FolderItem::FromNativePath(tmp.Path());
    EXPECT_FALSE(folder->Child("later")->Exists());
    tmp.Write("LATER", "x");
    EXPECT_EQ(folder->Child("later")->NativePath(), tmp / "LATER");
}

}  // namespace
}  // namespace runtime
