#include "platform/finder/Finder.h"
#include "platform/finder/ItemPath.h"
#include "platform/finder/Trash.h"
#include "platform/finder/TrashInfo.h"

#include "tests/platform/finder/TrashTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>

namespace platform::finder {
namespace {

using namespace finder_test;

// A temporary home whose data folder holds the trash.
class FinderHomeTrash : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(root_.path().empty());
        home_ = root_.path() + "/home";
        docs_ = home_ + "/書類 です";
        dataHome_ = home_ + "/.local/share";
        trash_ = dataHome_ + "/Trash";
        std::filesystem::create_directories(docs_);
        std::filesystem::create_directories(dataHome_);
        homeEnv_.emplace("HOME", home_);
        dataEnv_.emplace("XDG_DATA_HOME", dataHome_);
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

    TempDir root_;
    std::string home_, docs_, dataHome_, trash_;
    std::optional<ScopedEnv> homeEnv_, dataEnv_;
};

TEST_F(FinderHomeTrash, MovesJapaneseFileAndFolderSoTheyCanBePutBack) {
    const std::string file = docs_ + "/設定 ファイル.plist";
    const std::string folder = docs_ + "/アプリ フォルダ";
    WriteFile(file, "plist");
    std::filesystem::create_directories(folder + "/中身");
    WriteFile(folder + "/中身/a b.txt", "inner");

    for (const std::string& item : {file, folder}) {
        const ino_t inode = InodeOf(item);
        const TrashResult result = MoveToTrash(item);
        ASSERT_TRUE(result.Moved()) << item << " error " << result.error;
        EXPECT_EQ(result.trashDirectory, trash_);
        EXPECT_EQ(result.trashedPath, trash_ + "/files/" + item.substr(docs_.size() + 1));
        EXPECT_EQ(result.infoPath, trash_ + "/info/" + item.substr(docs_.size() + 1) + ".trashinfo");
        EXPECT_FALSE(Exists(item));
        EXPECT_EQ(InodeOf(result.trashedPath), inode);  // renamed, not copied

        const TrashInfoFile info = ReadTrashInfo(result.infoPath);
        EXPECT_EQ(info.header, "[Trash Info]");
        EXPECT_EQ(info.rawPath.find_first_of(" \x80\xe3"), std::string::npos) << info.rawPath;
        EXPECT_EQ(PercentDecode(info.rawPath), item);
        const long age = AgeOfDeletionDate(info.deletionDate);
        EXPECT_GE(age, 0) << info.deletionDate;
        EXPECT_LT(age, 120) << info.deletionDate;
    }
    EXPECT_EQ(ReadTrashInfo(trash_ + "/info/設定 ファイル.plist.trashinfo").rawPath,
              PercentEncodePath(home_) + "/%E6%9B%B8%E9%A1%9E%20%E3%81%A7%E3%81%99/"
              "%E8%A8%AD%E5%AE%9A%20%E3%83%95%E3%82%A1%E3%82%A4%E3%83%AB.plist");
    EXPECT_EQ(ModeOf(trash_ + "/info/設定 ファイル.plist.trashinfo") & 077, 0u);

    Restore({TrashOutcome::Moved, trash_, trash_ + "/files/設定 ファイル.plist",
             trash_ + "/info/設定 ファイル.plist.trashinfo"});
    Restore({TrashOutcome::Moved, trash_, trash_ + "/files/アプリ フォルダ",
             trash_ + "/info/アプリ フォルダ.trashinfo"});
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
    std::filesystem::create_directories(trash_ + "/files");
    std::filesystem::create_directories(trash_ + "/info");
    WriteFile(trash_ + "/files/a.txt", "orphan");
    WriteFile(docs_ + "/a.txt", "new");

    const TrashResult result = MoveToTrash(docs_ + "/a.txt");
    ASSERT_TRUE(result.Moved());
    EXPECT_EQ(result.trashedPath, trash_ + "/files/a 2.txt");
    EXPECT_EQ(ReadFile(trash_ + "/files/a.txt"), "orphan");
    EXPECT_FALSE(Exists(trash_ + "/info/a.txt.trashinfo"));
}

TEST_F(FinderHomeTrash, NameAttemptsAreBounded) {
    std::filesystem::create_directories(trash_ + "/files");
    std::filesystem::create_directories(trash_ + "/info");
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        WriteFile(trash_ + "/info/" + TrashedName("x.txt", attempt) + ".trashinfo", "");
    }
    WriteFile(docs_ + "/x.txt", "stays");

    const TrashResult result = MoveToTrash(docs_ + "/x.txt");
    EXPECT_EQ(result.outcome, TrashOutcome::InfoNotWritten);
    EXPECT_EQ(result.error, EEXIST);
    EXPECT_EQ(ReadFile(docs_ + "/x.txt"), "stays");
    EXPECT_EQ(CountEntries(trash_ + "/files"), 0u);
    EXPECT_EQ(CountEntries(trash_ + "/info"), static_cast<std::size_t>(kMaxNameAttempts));
}

TEST_F(FinderHomeTrash, MissingDataFoldersAreCreatedPrivately) {
    dataEnv_.emplace("XDG_DATA_HOME", std::nullopt);
    std::filesystem::remove_all(home_ + "/.local");
    // The home trash never depends on the working folder.
    TempDir work;
    const std::string oldWork = std::filesystem::current_path();
    ASSERT_EQ(chdir(work.path().c_str()), 0);

    const std::string item = docs_ + "/a.txt";
    WriteFile(item, "x");
    const TrashResult result = MoveToTrash(item);
    ASSERT_EQ(chdir(oldWork.c_str()), 0);

    ASSERT_TRUE(result.Moved()) << result.error;
    EXPECT_EQ(result.trashDirectory, home_ + "/.local/share/Trash");
    EXPECT_EQ(ReadFile(home_ + "/.local/share/Trash/files/a.txt"), "x");
    EXPECT_EQ(ModeOf(home_ + "/.local/share"), 0700u);
    for (const char* folder : {"", "/files", "/info"}) {
        EXPECT_EQ(ModeOf(home_ + "/.local/share/Trash" + folder), 0700u) << folder;
    }
    EXPECT_EQ(CountEntries(work.path()), 0u);
}

TEST_F(FinderHomeTrash, ATrashThatCannotHoldInfoFilesLeavesTheItemInPlace) {
    // Tests run as root, so mode bits would not stop a write: an info "folder"
    // that is a plain file makes the trash unusable for anyone.
    std::filesystem::create_directories(trash_ + "/files");
    WriteFile(trash_ + "/info", "not a folder");
    const std::string item = docs_ + "/a.txt";
    WriteFile(item, "x");
    const ino_t inode = InodeOf(item);

    const TrashResult result = MoveToTrash(item);
    EXPECT_EQ(result.outcome, TrashOutcome::NoUsableTrash);
    EXPECT_EQ(result.error, ENOTDIR);
    EXPECT_EQ(InodeOf(item), inode);
    EXPECT_EQ(CountEntries(trash_ + "/files"), 0u);
}

TEST_F(FinderHomeTrash, AnUnwritableInfoFolderEndsTheAttemptAtOnce) {
    // An immutable folder refuses new entries even to root.
    std::filesystem::create_directories(trash_ + "/files");
    std::filesystem::create_directories(trash_ + "/info");
    const int fd = open((trash_ + "/info").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) {
        close(fd);
        GTEST_SKIP() << "file system has no inode flags";
    }
    const int plain = flags;
    flags |= FS_IMMUTABLE_FL;
    if (ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0) {
        close(fd);
        GTEST_SKIP() << "cannot make a folder immutable here";
    }
    const std::string item = docs_ + "/a.txt";
    WriteFile(item, "x");

    const TrashResult result = MoveToTrash(item);
    ioctl(fd, FS_IOC_SETFLAGS, &plain);
    close(fd);

    EXPECT_EQ(result.outcome, TrashOutcome::InfoNotWritten);
    EXPECT_EQ(result.error, EPERM);
    EXPECT_EQ(ReadFile(item), "x");
    EXPECT_EQ(CountEntries(trash_ + "/info"), 0u);
}

TEST_F(FinderHomeTrash, AFailedRenameTakesTheInfoFileBack) {
    // files/ leads to another file system: the rename fails, nothing is copied.
    TempDir elsewhere("/dev/shm");
    if (elsewhere.path().empty() || DeviceOf(elsewhere.path()) == DeviceOf(root_.path())) {
        GTEST_SKIP() << "/dev/shm is not a separate file system here";
    }
    std::filesystem::create_directories(trash_ + "/info");
    ASSERT_EQ(symlink(elsewhere.path().c_str(), (trash_ + "/files").c_str()), 0);
    const std::string item = docs_ + "/a.txt";
    WriteFile(item, "x");
    const ino_t inode = InodeOf(item);

    const TrashResult result = MoveToTrash(item);
    EXPECT_EQ(result.outcome, TrashOutcome::MoveFailed);
    EXPECT_EQ(result.error, EXDEV);
    EXPECT_EQ(InodeOf(item), inode);
    EXPECT_EQ(CountEntries(trash_ + "/info"), 0u);
    EXPECT_EQ(CountEntries(elsewhere.path()), 0u);
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
    WriteFile(docs_ + "/a.txt", "x");
    ASSERT_TRUE(MoveToTrash(docs_ + "/a.txt").Moved());

    EXPECT_EQ(MoveToTrash("/").outcome, TrashOutcome::Refused);
    EXPECT_EQ(MoveToTrash(trash_).outcome, TrashOutcome::Refused);
    EXPECT_EQ(MoveToTrash(trash_ + "/").outcome, TrashOutcome::Refused);
    EXPECT_EQ(MoveToTrash(trash_ + "/files").outcome, TrashOutcome::Refused);
    EXPECT_EQ(MoveToTrash(trash_ + "/files/a.txt").outcome, TrashOutcome::Refused);
    EXPECT_EQ(MoveToTrash(dataHome_).outcome, TrashOutcome::Refused);
    EXPECT_EQ(MoveToTrash(home_).outcome, TrashOutcome::Refused);
    EXPECT_TRUE(Exists(trash_ + "/files/a.txt"));
    EXPECT_TRUE(Exists(trash_ + "/info/a.txt.trashinfo"));

    EXPECT_EQ(MoveToTrash(docs_ + "/missing").outcome, TrashOutcome::NotFound);
    EXPECT_EQ(MoveToTrash("").outcome, TrashOutcome::NotFound);
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
