// Making, removing, copying and moving items; lengths and dates.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include <gtest/gtest.h>

#include "runtime/files/FolderItem.h"
#include "tests/support/FinderInfoData.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

using testsupport::ReadFile;
using testsupport::TempFolder;

mode_t Permissions(const FolderItemRef& item) {
    struct stat st {};
    stat(item->NativePath().c_str(), &st);
    return st.st_mode & 07777;
}

TEST(CreateAsFolder, MakesAPrivateFolderOnce) {
    TempFolder tmp;
    const FolderItemRef work = tmp.Item()->Child("KELDO Uninstaller");
    ASSERT_FALSE(work->Exists());
    work->CreateAsFolder();
    EXPECT_EQ(work->LastErrorCode(), 0);
    EXPECT_TRUE(work->Directory());
    EXPECT_EQ(Permissions(work), 0700u);
    work->CreateAsFolder();
    EXPECT_EQ(work->LastErrorCode(), EEXIST);
}

TEST(Delete, RemovesAFileOrAnEmptyFolderOnly) {
    TempFolder tmp;
    tmp.Write("full/inside", "x");
    tmp.MakeFolder("empty");
    const FolderItemRef full = tmp.Item("full");
    full->Delete();
    EXPECT_EQ(full->LastErrorCode(), ENOTEMPTY);
    EXPECT_TRUE(tmp.Item("full/inside")->Exists());

    const FolderItemRef inside = tmp.Item("full/inside"), empty = tmp.Item("empty");
    for (const FolderItemRef& item : {inside, empty}) {
        item->Delete();
        EXPECT_EQ(item->LastErrorCode(), 0) << item->NativePath();
        EXPECT_FALSE(item->Exists()) << item->NativePath();
    }
    empty->Delete();
    EXPECT_EQ(empty->LastErrorCode(), ENOENT);
}

TEST(Delete, ALinkGoesAndItsTargetStays) {
    TempFolder tmp;
    tmp.Write("target/keep", "x");
    ASSERT_EQ(symlink((tmp / "target").c_str(), (tmp / "link").c_str()), 0);
    const FolderItemRef link = tmp.Item("link");
    link->Delete();
    EXPECT_EQ(link->LastErrorCode(), 0);
    EXPECT_TRUE(tmp.Item("target/keep")->Exists());
}

TEST(CopyFileTo, CopiesDataPermissionsAndFinderInfoAndNeverReplaces) {
    TempFolder tmp;
    const std::string data("bplist00\0\x01", 10);
    const std::string source = tmp.Write("Prefs/com.example.plist", data);
    ASSERT_EQ(chmod(source.c_str(), 0640), 0);
    const bool attributes = testsupport::SetFinderInfoAttribute(source, testsupport::FinderInfoBytes("TEXT", "ttxt"));
    const FolderItemRef work = FolderItem::FromNativePath(tmp.MakeFolder("work"));

    const FolderItemRef item = FolderItem::FromNativePath(source);
    item->CopyFileTo(work);
    EXPECT_EQ(item->LastErrorCode(), 0);
    const FolderItemRef copy = work->Child("com.example.plist");
    EXPECT_EQ(ReadFile(copy->NativePath()), data);
    EXPECT_EQ(Permissions(copy), 0640u);
    if (attributes) {
        EXPECT_EQ(copy->MacType().Bytes() + copy->MacCreator().Bytes(), "TEXTttxt");
    }

    // Never over an existing item; the existing copy is left as it was.
    tmp.Write("other/com.example.plist", "changed");
    tmp.Item("other/com.example.plist")->CopyFileTo(work);
    EXPECT_EQ(ReadFile(copy->NativePath()), data);

    item->CopyFileTo(work->Child("renamed"));  // to a path of its own
    EXPECT_EQ(item->LastErrorCode(), 0);
    EXPECT_EQ(ReadFile(tmp / "work/renamed"), data);
}

TEST(CopyFileTo, RefusesFoldersAndNil) {
    TempFolder tmp;
    const FolderItemRef folder = FolderItem::FromNativePath(tmp.MakeFolder("f"));
    folder->CopyFileTo(FolderItem::FromNativePath(tmp.MakeFolder("g")));
    EXPECT_EQ(folder->LastErrorCode(), EISDIR);
    folder->CopyFileTo(nullptr);
    EXPECT_NE(folder->LastErrorCode(), 0);
    EXPECT_FALSE(tmp.Item("g/f")->Exists());
}

TEST(MoveFileTo, RenamesWithoutReplacing) {
    TempFolder tmp;
    const FolderItemRef file = FolderItem::FromNativePath(tmp.Write("a", "A"));
    tmp.Write("into/b", "B");
    const FolderItemRef into = tmp.Item("into");

    file->MoveFileTo(into);
    EXPECT_EQ(file->LastErrorCode(), 0);
    EXPECT_FALSE(file->Exists());
    EXPECT_EQ(ReadFile(tmp / "into/a"), "A");

    const FolderItemRef moved = into->Child("a");
    moved->MoveFileTo(into->Child("b"));
    EXPECT_EQ(moved->LastErrorCode(), EEXIST);
    EXPECT_EQ(ReadFile(tmp / "into/b"), "B");
    EXPECT_TRUE(moved->Exists());
}

TEST(Facts, LengthAndDates) {
    TempFolder tmp;
    const FolderItemRef file = FolderItem::FromNativePath(tmp.Write("f", "12345"));
    const FolderItemRef absent = tmp.Item("absent");
    EXPECT_EQ(file->Length(), 5);
    EXPECT_EQ(tmp.Item()->Length(), 0);
    EXPECT_EQ(absent->Length(), 0);
    EXPECT_EQ(absent->ModificationDate(), nullptr);
    EXPECT_EQ(absent->CreationDate(), nullptr);

    const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};  // 2001-09-09 01:46:40 UTC
    ASSERT_EQ(utimensat(AT_FDCWD, file->NativePath().c_str(), times, 0), 0);
    ASSERT_TRUE(file->ModificationDate());
    EXPECT_EQ(file->ModificationDate()->UnixTime(), 1000000000);
    ASSERT_TRUE(file->CreationDate());
    EXPECT_LE(file->CreationDate()->UnixTime(), std::time(nullptr));
}

}  // namespace
}  // namespace runtime
