// Special folders follow $HOME, $TMPDIR, $XDG_DATA_HOME and $XDG_CONFIG_HOME
// at each call.

#include "runtime/files/SpecialFolder.h"

#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/EnvGuard.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

using testsupport::EnvGuard;

TEST(SpecialFolder, UserFoldersFollowHome) {
    EnvGuard home("HOME", "/home/tester");
    EXPECT_EQ(SpecialFolder::Applications()->NativePath(), "/home/tester/Applications");
    EXPECT_EQ(SpecialFolder::Preferences()->NativePath(), "/home/tester/Library/Preferences");
    EXPECT_EQ(SpecialFolder::ApplicationData()->NativePath(), "/home/tester/Library/Application Support");
    EXPECT_EQ(SpecialFolder::Documents()->NativePath(), "/home/tester/Documents");
    EXPECT_EQ(SpecialFolder::Desktop()->NativePath(), "/home/tester/Desktop");
    EXPECT_EQ(SpecialFolder::UserHome()->NativePath(), "/home/tester");
    EXPECT_FALSE(SpecialFolder::Documents()->Exists());  // an item all the same

    EnvGuard other("HOME", "/srv/other/");
    EXPECT_EQ(SpecialFolder::Preferences()->NativePath(), "/srv/other/Library/Preferences");
}

TEST(SpecialFolder, ARelativeHomeIsNotTrusted) {
    EnvGuard home("HOME", "relative/home");
    const std::string path = SpecialFolder::UserHome()->NativePath();
    EXPECT_EQ(path.front(), '/');
    EXPECT_EQ(path.find("relative"), std::string::npos);
}

TEST(SpecialFolder, TemporaryFollowsTMPDIR) {
    const std::pair<const char*, const char*> cases[] = {
        {"/var/tmp/mine/", "/var/tmp/mine"}, {nullptr, "/tmp"}, {"", "/tmp"}};
    for (const auto& [value, expected] : cases) {
        EnvGuard tmp("TMPDIR", value);
        EXPECT_EQ(SpecialFolder::Temporary()->NativePath(), expected) << (value ? value : "unset");
    }
}

TEST(SpecialFolder, TrashFollowsTheDataHome) {
    EnvGuard home("HOME", "/home/tester");
    {
        EnvGuard data("XDG_DATA_HOME", nullptr);
        EXPECT_EQ(SpecialFolder::Trash()->NativePath(), "/home/tester/.local/share/Trash/files");
    }
    EnvGuard data("XDG_DATA_HOME", "/data");
    EXPECT_EQ(SpecialFolder::Trash()->NativePath(), "/data/Trash/files");
}

// The default names, and the folder that user-dirs.dirs in the config home
// names; a pipe in its place is not waited on.
TEST(SpecialFolder, DesktopUserFoldersFollowTheConfigHome) {
    testsupport::TempFolder home;
    EnvGuard homeVariable("HOME", home.Path());
    home.Write(".config/user-dirs.dirs", "XDG_MUSIC_DIR=\"$HOME/Musik\"\n");
    home.Write("elsewhere/user-dirs.dirs", "XDG_MUSIC_DIR=\"/srv/Musik\"\n");
    home.MakeFolder("piped");
    ASSERT_EQ(mkfifo((home / "piped/user-dirs.dirs").c_str(), 0600), 0);
    const std::pair<std::optional<std::string>, std::optional<std::string>> cases[] = {
        {std::nullopt, home / "Musik"},
        {"relative", home / "Musik"},
        {home / "elsewhere", "/srv/Musik"},
        {home / "piped", std::nullopt},
    };
    for (const auto& [config, configured] : cases) {
        SCOPED_TRACE(config.value_or("unset"));
        EnvGuard configHome("XDG_CONFIG_HOME", config);
        std::vector<std::string> paths;
        for (const FolderItemRef& folder : SpecialFolder::DesktopUserFolders()) paths.push_back(folder->NativePath());
        EXPECT_EQ(paths.size(), configured ? 9u : 8u);
        EXPECT_NE(std::ranges::find(paths, home / "Pictures"), paths.end());
        if (configured) {
            EXPECT_NE(std::ranges::find(paths, *configured), paths.end());
        }
    }
}

}  // namespace
}  // namespace runtime
