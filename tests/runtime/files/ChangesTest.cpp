// Making, removing, copying and moving items; lengths and dates.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "runtime/files/FolderItem.h"
#include "tests/runtime/files/TempFolder.h"

namespace runtime {
namespace {

using testing::FinderInfoBytes;
using testing::TempFolder;

TEST(CreateAsFolder, MakesAPrivateFolder) {
    TempFolder tmp;
    const FolderItemRef work = FolderItem::FromNativePath(tmp.Path())->Child("KELDO Uninstaller");
    ASSERT_FALSE(work->Exists());
    work->CreateAsFolder();
    EXPECT_EQ(work->LastErrorCode(), 0);
    EXPECT_TRUE(work->Exists());
    EXPECT_TRUE(work->Directory());
    struct stat st;
    ASSERT_EQ(stat(work->NativePath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    work->CreateAsFolder();
    EXPECT_EQ(work->LastErrorCode(), EEXIST);
}

TEST(Delete, RemovesAFileOrAnEmptyFolderOnly) {
    TempFolder tmp;
    tmp.Write("full/inside", "x");
    tmp.MakeFolder("empty");
    const FolderItemRef folder = FolderItem::FromNativePath(tmp.Path());

    const FolderItemRef full = folder->Child("full");
    full->Delete();
    EXPECT_EQ(full->LastErrorCode(), ENOTEMPTY);
    EXPECT_TRUE(full->Child("inside")->Exists());

    const FolderItemRef inside = full->Child("inside");
    inside->Delete();
    EXPECT_EQ(inside->LastErrorCode(), 0);
    EXPECT_FALSE(inside->Exists());

    const FolderItemRef empty = folder->Child("empty");
    empty->Delete();
    EXPECT_EQ(empty->LastErrorCode(), 0);
    EXPECT_FALSE(empty->Exists());

    empty->Delete();
    EXPECT_EQ(empty->LastErrorCode(), ENOENT);
}

TEST(Delete, ALinkGoesAndItsTargetStays) {
    TempFolder tmp;
    tmp.Write("target/keep", "x");
    ASSERT_EQ(symlink((tmp / "target").c_str(), (tmp / "link").c_str()), 0);
    const FolderItemRef link = FolderItem::FromNativePath(tmp / "link");
    link->Delete();
    EXPECT_EQ(link->LastErrorCode(), 0);
    EXPECT_TRUE(FolderItem::FromNativePath(tmp / "target/keep")->Exists());
}

TEST(CopyFileTo, CopiesDataPermissionsAndFinderInfo) {
    TempFolder tmp;
    const std::string source = tmp.Write("Prefs/com.example.plist", std::string("bplist00\0\x01", 10));
    ASSERT_EQ(chmod(source.c_str(), 0640), 0);
    const bool attributes = testing::SetFinderInfoAttribute(source, FinderInfoBytes("TEXT", "ttxt"));
    const FolderItemRef work = FolderItem::FromNativePath(tmp.MakeFolder("work"));

    const FolderItemRef item = FolderItem::FromNativePath(source);
    item->CopyFileTo(work);
    EXPECT_EQ(item->LastErrorCode(), 0);
    const FolderItemRef copy = work->Child("com.example.plist");
    ASSERT_TRUE(copy->Exists());
    EXPECT_EQ(testing::ReadWholeFile(copy->NativePath()), testing::ReadWholeFile(source));
    struct stat st;
    ASSERT_EQ(stat(copy->NativePath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (attributes) {
        EXPECT_EQ(copy->MacType().Bytes(), "TEXT");
        EXPECT_EQ(copy->MacCreator().Bytes(), "ttxt");
    }

    // Never over an existing item; the existing copy is left as it was.
    testing::TempFolder other;
    other.Write("com.example.plist", "changed");
    FolderItem::FromNativePath(other / "com.example.plist")->CopyFileTo(work);
    EXPECT_EQ(testing::ReadWholeFile(copy->NativePath()), testing::ReadWholeFile(source));

    // To a path of its own.
    item->CopyFileTo(work->Child("renamed"));
    EXPECT_EQ(item->LastErrorCode(), 0);
    EXPECT_EQ(testing::ReadWholeFile(work->NativePath() + "/renamed"), testing::ReadWholeFile(source));
}

TEST(CopyFileTo, RefusesFoldersAndNil) {
    TempFolder tmp;
    const FolderItemRef folder = FolderItem::FromNativePath(tmp.MakeFolder("f"));
    folder->CopyFileTo(FolderItem::FromNativePath(tmp.MakeFolder("g")));
    EXPECT_EQ(folder->LastErrorCode(), EISDIR);
    folder->CopyFileTo(nullptr);
    EXPECT_NE(folder->LastErrorCode(), 0);
    EXPECT_FALSE(FolderItem::FromNativePath(tmp / "g/f")->Exists());
}

TEST(MoveFileTo, RenamesWithoutReplacing) {
    TempFolder tmp;
    const FolderItemRef file = FolderItem::FromNativePath(tmp.Write("a", "A"));
    const FolderItemRef into = FolderItem::FromNativePath(tmp.MakeFolder("into"));
    tmp.Write("into/b", "B");

    file->MoveFileTo(into);
    EXPECT_EQ(file->LastErrorCode(), 0);
    EXPECT_FALSE(file->Exists());
    EXPECT_EQ(testing::ReadWholeFile(tmp / "into/a"), "A");

    const FolderItemRef moved = into->Child("a");
    moved->MoveFileTo(into->Child("b"));
    EXPECT_EQ(moved->LastErrorCode(), EEXIST);
    EXPECT_EQ(testing::ReadWholeFile(tmp / "into/b"), "B");
    EXPECT_TRUE(moved->Exists());
}

TEST(Facts, LengthAndDates) {
    TempFolder tmp;
    const FolderItemRef file = FolderItem::FromNativePath(tmp.Write("f", "12345"));
    EXPECT_EQ(file->Length(), 5);
    EXPECT_EQ(FolderItem::FromNativePath(tmp.Path())->Length(), 0);
    EXPECT_EQ(FolderItem::FromNativePath(tmp / "absent")->Length(), 0);

    const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};  // 2001-09-09 01:46:40 UTC
    ASSERT_EQ(utimensat(AT_FDCWD, file->NativePath().c_str(), times, 0), 0);
    const DateRef modified = file->ModificationDate();
    ASSERT_TRUE(modified);
    EXPECT_EQ(modified->UnixTime(), 1000000000);
    const DateRef created = file->CreationDate();
    ASSERT_TRUE(created);
    EXPECT_LE(created->UnixTime(), std::time(nullptr));
    EXPECT_EQ(FolderItem::FromNativePath(tmp / "absent")->ModificationDate(), nullptr);
    EXPECT_EQ(FolderItem::FromNativePath(tmp / "absent")->CreationDate(), nullptr);
}

}  // namespace
}  // namespace runtime
