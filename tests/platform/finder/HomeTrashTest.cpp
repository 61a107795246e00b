#include <fcntl.h>
#include <sys/ioctl.h>

#include <gtest/gtest.h>
#include <linux/fs.h>

#include "platform/finder/Finder.h"
#include "platform/finder/ItemPath.h"
#include "platform/finder/Trash.h"
#include "platform/finder/TrashInfo.h"
#include "tests/platform/finder/TrashTestSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TrashHome.h"

namespace platform::finder {
namespace {

using namespace finder_test;
using namespace testsupport;

// A temporary home whose data folder holds the trash.
class FinderHomeTrash : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(docs_); }

    // A file "a.txt" holding "x" in the documents folder.
    std::string MakeItem() {
        WriteFile(docs_ + "/a.txt", "x");
        return docs_ + "/a.txt";
    }

    // Trashes the MakeItem() file where the trash cannot take it: the outcome
    // says why, and the file stays where it was, the same file as before.
    void ExpectLeftInPlace(TrashOutcome outcome, int error) {
        const std::string item = MakeItem();
        const ino_t inode = InodeOf(item);
        const TrashResult result = MoveToTrash(item);
        EXPECT_EQ(result.outcome, outcome);
        EXPECT_EQ(result.error, error);
        EXPECT_EQ(InodeOf(item), inode);
        EXPECT_EQ(ReadFile(item), "x");
    }

    // Puts the trashed item back where its info file says, as a file manager does.
    void Restore(const TrashResult& result) {
        const TrashInfoFile info = ReadTrashInfo(result.infoPath);
        const auto original = PercentDecode(info.rawPath);
        ASSERT_TRUE(original.has_value());
        ASSERT_FALSE(Exists(*original));
        ASSERT_EQ(std::rename(result.trashedPath.c_str(), original->c_str()), 0);
        ASSERT_EQ(unlink(result.infoPath.c_str()), 0);
    }

    const testsupport::TrashHome trashHome_;
    const std::string home_ = trashHome_.Home(), docs_ = home_ + "/書類 です";
    const std::string dataHome_ = trashHome_.DataHome(), trash_ = trashHome_.Trash();
};

TEST_F(FinderHomeTrash, MovesJapaneseFileAndFolderSoTheyCanBePutBack) {
    const std::string file = docs_ + "/設定 ファイル.plist";
    const std::string folder = docs_ + "/アプリ フォルダ";
    WriteFile(file, "plist");
    std::filesystem::create_directories(folder + "/中身");
    WriteFile(folder + "/中身/a b.txt", "inner");

    std::vector<TrashResult> results;
    for (const std::string& item : {file, folder}) {
        const ino_t inode = InodeOf(item);
        const TrashResult result = MoveToTrash(item);
        ASSERT_TRUE(result.Moved()) << item << " error " << result.error;
        EXPECT_EQ(result.trashDirectory, trash_);
        EXPECT_EQ(result.infoPath, trash_ + "/info/" + item.substr(docs_.size() + 1) + ".trashinfo");
        EXPECT_EQ(InodeOf(result.trashedPath), inode);  // renamed, not copied
        EXPECT_EQ(ModeOf(result.infoPath) & 077, 0u);

        const TrashInfoFile info = ReadTrashInfo(result.infoPath);
        EXPECT_EQ(info.header, "[Trash Info]");
        EXPECT_EQ(info.rawPath.find_first_of(" \x80\xe3"), std::string::npos) << info.rawPath;
        const long age = AgeOfDeletionDate(info.deletionDate);
        EXPECT_TRUE(age >= 0 && age < 120) << info.deletionDate;
        results.push_back(result);
    }
    for (const TrashResult& result : results) Restore(result);
    EXPECT_EQ(ReadFile(file), "plist");
    EXPECT_EQ(ReadFile(folder + "/中身/a b.txt"), "inner");
}

TEST_F(FinderHomeTrash, AClashGivesANumberedNameAndKeepsBothItems) {
    const std::string item = docs_ + "/メモ.txt";
    WriteFile(item, "first");
    const TrashResult first = MoveToTrash(item);
    ASSERT_TRUE(first.Moved());
    WriteFile(item, "second");
    const TrashResult second = MoveToTrash(item);
    ASSERT_TRUE(second.Moved());

    EXPECT_EQ(second.trashedPath, trash_ + "/files/メモ 2.txt");
    EXPECT_EQ(second.infoPath, trash_ + "/info/メモ 2.txt.trashinfo");
    EXPECT_EQ(ReadFile(first.trashedPath), "first");
    EXPECT_EQ(ReadFile(second.trashedPath), "second");
    EXPECT_EQ(PercentDecode(ReadTrashInfo(first.infoPath).rawPath), item);
    EXPECT_EQ(PercentDecode(ReadTrashInfo(second.infoPath).rawPath), item);
}

TEST_F(FinderHomeTrash, AnItemWithoutInfoFileInTheTrashIsNeverReplaced) {
    trashHome_.MakeTrash();
    WriteFile(trash_ + "/files/a.txt", "orphan");

    const TrashResult result = MoveToTrash(MakeItem());
    ASSERT_TRUE(result.Moved());
    EXPECT_EQ(result.trashedPath, trash_ + "/files/a 2.txt");
    EXPECT_EQ(ReadFile(trash_ + "/files/a.txt"), "orphan");
    EXPECT_FALSE(Exists(trash_ + "/info/a.txt.trashinfo"));
}

TEST_F(FinderHomeTrash, NameAttemptsAreBounded) {
    trashHome_.MakeTrash();
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt)
        WriteFile(trash_ + "/info/" + TrashedName("a.txt", attempt) + ".trashinfo", "");

    ExpectLeftInPlace(TrashOutcome::InfoNotWritten, EEXIST);
    EXPECT_EQ(CountEntries(trash_ + "/files"), 0u);
    EXPECT_EQ(CountEntries(trash_ + "/info"), static_cast<std::size_t>(kMaxNameAttempts));
}

TEST_F(FinderHomeTrash, MissingDataFoldersAreCreatedPrivately) {
    const EnvGuard noDataHome("XDG_DATA_HOME", nullptr);
    std::filesystem::remove_all(home_ + "/.local");
    // The home trash never depends on the working folder.
    TempFolder work;
    const std::string oldWork = std::filesystem::current_path();
    ASSERT_EQ(chdir(work.Path().c_str()), 0);

    const TrashResult result = MoveToTrash(MakeItem());
    ASSERT_EQ(chdir(oldWork.c_str()), 0);

    ASSERT_TRUE(result.Moved()) << result.error;
    EXPECT_EQ(result.trashDirectory, home_ + "/.local/share/Trash");
    EXPECT_EQ(ReadFile(home_ + "/.local/share/Trash/files/a.txt"), "x");
    for (const char* folder : {"", "/Trash", "/Trash/files", "/Trash/info"})
        EXPECT_EQ(ModeOf(home_ + "/.local/share" + folder), 0700u) << folder;
    EXPECT_EQ(CountEntries(work.Path()), 0u);
}

TEST_F(FinderHomeTrash, ATrashThatCannotHoldInfoFilesLeavesTheItemInPlace) {
    // Tests run as root, so mode bits would not stop a write: an info "folder"
    // that is a plain file makes the trash unusable for anyone.
    std::filesystem::create_directories(trash_ + "/files");
    WriteFile(trash_ + "/info", "not a folder");

    ExpectLeftInPlace(TrashOutcome::NoUsableTrash, ENOTDIR);
    EXPECT_EQ(CountEntries(trash_ + "/files"), 0u);
}

TEST_F(FinderHomeTrash, AnUnwritableInfoFolderEndsTheAttemptAtOnce) {
    // An immutable folder refuses new entries even to root.
    trashHome_.MakeTrash();
    const int fd = open((trash_ + "/info").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    int flags = 0;
    const bool readable = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    const int plain = flags;
    flags |= FS_IMMUTABLE_FL;
    if (!readable || ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0) {
        close(fd);
        GTEST_SKIP() << "cannot make a folder immutable here";
    }

    ExpectLeftInPlace(TrashOutcome::InfoNotWritten, EPERM);
    ioctl(fd, FS_IOC_SETFLAGS, &plain);
    close(fd);
    EXPECT_EQ(CountEntries(trash_ + "/info"), 0u);
}

TEST_F(FinderHomeTrash, AFailedRenameTakesTheInfoFileBack) {
    // files/ leads to another file system: the rename fails, nothing is copied.
    const auto elsewhere = FolderOnAnotherFileSystem(home_);
    if (!elsewhere) GTEST_SKIP() << "/dev/shm is not a separate file system here";
    std::filesystem::create_directories(trash_ + "/info");
    ASSERT_EQ(symlink(elsewhere->Path().c_str(), (trash_ + "/files").c_str()), 0);

    ExpectLeftInPlace(TrashOutcome::MoveFailed, EXDEV);
    EXPECT_EQ(CountEntries(trash_ + "/info"), 0u);
    EXPECT_EQ(CountEntries(elsewhere->Path()), 0u);
}

TEST_F(FinderHomeTrash, ASymbolicLinkIsTrashedAsTheLink) {
    const std::string target = docs_ + "/target.txt";
    const std::string link = docs_ + "/link";
    WriteFile(target, "kept");
    ASSERT_EQ(symlink("target.txt", link.c_str()), 0);

    const TrashResult result = MoveToTrash(link);
    ASSERT_TRUE(result.Moved());
    EXPECT_FALSE(Exists(link));
    EXPECT_TRUE(std::filesystem::is_symlink(result.trashedPath));
    EXPECT_EQ(std::filesystem::read_symlink(result.trashedPath), "target.txt");
    EXPECT_EQ(ReadFile(target), "kept");
    EXPECT_EQ(PercentDecode(ReadTrashInfo(result.infoPath).rawPath), link);
}

TEST_F(FinderHomeTrash, RefusesRootTheTrashAndWhatHoldsIt) {
    ASSERT_TRUE(MoveToTrash(MakeItem()).Moved());

    for (const std::string& path :
         {std::string("/"), trash_, trash_ + "/", trash_ + "/files", trash_ + "/files/a.txt", dataHome_, home_})
        EXPECT_EQ(MoveToTrash(path).outcome, TrashOutcome::Refused) << path;
    EXPECT_TRUE(Exists(trash_ + "/files/a.txt"));
    EXPECT_TRUE(Exists(trash_ + "/info/a.txt.trashinfo"));

    EXPECT_EQ(MoveToTrash(docs_ + "/missing").outcome, TrashOutcome::NotFound);
    EXPECT_EQ(MoveToTrash("").outcome, TrashOutcome::NotFound);
}

TEST_F(FinderHomeTrash, ALinkedTrashAndEveryPathLeadingToItAreRefused) {
    // share/Trash -> ../../trash link -> (absolute) trash target.
    const std::string link = home_ + "/trash link";
    const std::string target = home_ + "/trash target";
    ASSERT_EQ(symlink("../../trash link", trash_.c_str()), 0);
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    std::filesystem::create_directories(target);
    const TrashResult moved = MoveToTrash(MakeItem());
    ASSERT_TRUE(moved.Moved()) << moved.error;
    EXPECT_EQ(moved.trashedPath, trash_ + "/files/a.txt");

    for (const std::string& path :
         {trash_, trash_ + "/", dataHome_, home_ + "/.local", link, target, trash_ + "/files", target + "/info"})
        EXPECT_EQ(MoveToTrash(path).outcome, TrashOutcome::Refused) << path;
    EXPECT_TRUE(std::filesystem::is_symlink(trash_));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(target + "/files/a.txt"), "x");
    EXPECT_EQ(CountEntries(target + "/files"), 1u);
    EXPECT_EQ(CountEntries(target + "/info"), 1u);
}

TEST_F(FinderHomeTrash, AcceptsAFolderPathWithATrailingSlashAndALongName) {
    std::string longName;
    for (int i = 0; i < 83; ++i) longName += "長";  // 249 bytes
    const std::string folder = docs_ + "/" + longName;
    std::filesystem::create_directories(folder);

    const TrashResult result = MoveToTrash(folder + "/");
    ASSERT_TRUE(result.Moved()) << result.error;
    EXPECT_LE(NameOf(result.trashedPath).size(), kMaxTrashedNameBytes);
    EXPECT_TRUE(std::filesystem::is_directory(result.trashedPath));
    EXPECT_EQ(PercentDecode(ReadTrashInfo(result.infoPath).rawPath), folder);
}

}  // namespace
}  // namespace platform::finder
