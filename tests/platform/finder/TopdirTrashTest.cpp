#include <gtest/gtest.h>

#include "platform/finder/Finder.h"
#include "platform/finder/ItemPath.h"
#include "platform/finder/MountTop.h"
#include "platform/finder/Trash.h"
#include "tests/platform/finder/TrashTestSupport.h"
#include "tests/support/TrashHome.h"

namespace platform::finder {
namespace {

using namespace finder_test;
using namespace testsupport;

const std::string kUid = std::to_string(geteuid());

// A folder that stands for the top of a mount; the item lies below it.
class FinderTopdirTrash : public ::testing::Test {
protected:
    void SetUp() override {
        topdir_ = ItemLocation(root_.Path());
        std::filesystem::create_directories(topdir_ + "/sub dir");
        item_ = topdir_ + "/sub dir/名前 1.txt";
        WriteFile(item_, "data");
    }

    // A folder below the top with the given mode, sticky bit included.
    std::string MakeFolder(const std::string& name, mode_t mode) {
        const std::string path = topdir_ + "/" + name;
        EXPECT_EQ(mkdir(path.c_str(), 0700), 0);
        EXPECT_EQ(chmod(path.c_str(), mode), 0);
        return path;
    }

    TempFolder root_;
    std::string topdir_, item_;
    const std::string privateTrash_ = "/.Trash-" + kUid;
};

TEST_F(FinderTopdirTrash, UsesAPrivateTrashWithAPathRelativeToTheTop) {
    const TrashResult result = MoveToTopdirTrash(item_, topdir_);
    ASSERT_TRUE(result.Moved()) << result.error;
    EXPECT_EQ(result.trashDirectory, topdir_ + privateTrash_);
    for (const char* folder : {"", "/files", "/info"})
        EXPECT_EQ(ModeOf(result.trashDirectory + folder), 0700u) << folder;
    EXPECT_EQ(ReadFile(result.trashedPath), "data");
    EXPECT_EQ(ReadTrashInfo(result.infoPath).rawPath, "sub%20dir/%E5%90%8D%E5%89%8D%201.txt");
    EXPECT_EQ(topdir_ + "/" + *PercentDecode(ReadTrashInfo(result.infoPath).rawPath), item_);
}

TEST_F(FinderTopdirTrash, UsesTheSharedTrashWhenItIsSticky) {
    const std::string shared = MakeFolder(".Trash", 01777);

    const TrashResult result = MoveToTopdirTrash(item_, topdir_);
    ASSERT_TRUE(result.Moved()) << result.error;
    EXPECT_EQ(result.trashDirectory, shared + "/" + kUid);
    EXPECT_EQ(ModeOf(shared + "/" + kUid), 0700u);
    EXPECT_FALSE(Exists(topdir_ + privateTrash_));
    EXPECT_EQ(ReadTrashInfo(result.infoPath).rawPath, "sub%20dir/%E5%90%8D%E5%89%8D%201.txt");
}

TEST_F(FinderTopdirTrash, IgnoresASharedTrashThatIsNotStickyOrIsALink) {
    const std::string shared = MakeFolder(".Trash", 0777);
    TrashResult result = MoveToTopdirTrash(item_, topdir_);
    ASSERT_TRUE(result.Moved());
    EXPECT_EQ(result.trashDirectory, topdir_ + privateTrash_);
    EXPECT_FALSE(Exists(shared + "/" + kUid));

    const std::string sticky = MakeFolder("sticky", 01777);
    ASSERT_EQ(rmdir(shared.c_str()), 0);
    ASSERT_EQ(symlink(sticky.c_str(), shared.c_str()), 0);
    WriteFile(item_, "again");
    result = MoveToTopdirTrash(item_, topdir_);
    ASSERT_TRUE(result.Moved());
    EXPECT_EQ(result.trashDirectory, topdir_ + privateTrash_);
    EXPECT_EQ(CountEntries(sticky), 0u);
}

TEST_F(FinderTopdirTrash, APrivateTrashThatIsALinkOrSomeoneElsesIsNotUsed) {
    const std::string own = topdir_ + privateTrash_;
    const std::string decoy = topdir_ + "/decoy";
    std::filesystem::create_directories(decoy + "/files");
    std::filesystem::create_directories(decoy + "/info");
    ASSERT_EQ(symlink(decoy.c_str(), own.c_str()), 0);
    TrashResult result = MoveToTopdirTrash(item_, topdir_);
    EXPECT_EQ(result.outcome, TrashOutcome::NoUsableTrash);
    EXPECT_EQ(ReadFile(item_), "data");
    EXPECT_EQ(CountEntries(decoy + "/files"), 0u);

    ASSERT_EQ(unlink(own.c_str()), 0);
    ASSERT_EQ(mkdir(own.c_str(), 0700), 0);
    ASSERT_EQ(lchown(own.c_str(), geteuid() + 1, static_cast<gid_t>(-1)), 0);
    result = MoveToTopdirTrash(item_, topdir_);
    EXPECT_EQ(result.outcome, TrashOutcome::NoUsableTrash);
    EXPECT_EQ(result.error, EPERM);
    EXPECT_EQ(ReadFile(item_), "data");
}

TEST_F(FinderTopdirTrash, RefusesTheTopAndItsTrashFolders) {
    ASSERT_TRUE(MoveToTopdirTrash(item_, topdir_).Moved());
    const std::string own = topdir_ + privateTrash_;
    for (const std::string& path : {topdir_, own, own + "/files/名前 1.txt"})
        EXPECT_EQ(MoveToTopdirTrash(path, topdir_).outcome, TrashOutcome::Refused) << path;
    EXPECT_TRUE(Exists(own + "/files/名前 1.txt"));
}

// The real thing: an item on another mounted file system than the home.
TEST(FinderOtherFileSystem, ItemGoesToTheTrashAtTheTopOfItsMount) {
    const testsupport::TrashHome home;
    const auto shm = FolderOnAnotherFileSystem(home.Home());
    if (!shm) GTEST_SKIP() << "/dev/shm is not a separate file system here";

    const std::string top = MountTopOf(ItemLocation(shm->Path()));
    EXPECT_EQ(top, "/dev/shm");
    EXPECT_TRUE(IsMountPoint(top));
    EXPECT_FALSE(IsMountPoint(ItemLocation(shm->Path())));

    const std::string item = shm->Path() + "/共有 メモ.txt";
    WriteFile(item, "on tmpfs");
    const ino_t inode = InodeOf(item);
    const bool hadPrivateTrash = Exists(top + "/.Trash-" + kUid);

    const TrashResult result = MoveToTrash(item);
    if (result.Moved()) {
        EXPECT_TRUE(result.trashDirectory == top + "/.Trash-" + kUid ||
                    result.trashDirectory == top + "/.Trash/" + kUid)
            << result.trashDirectory;
        EXPECT_EQ(InodeOf(result.trashedPath), inode);
        EXPECT_FALSE(Exists(item));
        EXPECT_EQ(PercentDecode(ReadTrashInfo(result.infoPath).rawPath), item.substr(top.size() + 1));
        unlink(result.trashedPath.c_str());
        unlink(result.infoPath.c_str());
        if (!hadPrivateTrash && result.trashDirectory == top + "/.Trash-" + kUid) {
            rmdir((result.trashDirectory + "/files").c_str());
            rmdir((result.trashDirectory + "/info").c_str());
            rmdir(result.trashDirectory.c_str());
        }
    } else {
        EXPECT_EQ(InodeOf(item), inode) << "an item that was not moved must stay";
    }
    EXPECT_FALSE(Exists(home.Trash() + "/files/共有 メモ.txt"));
}

}  // namespace
}  // namespace platform::finder
