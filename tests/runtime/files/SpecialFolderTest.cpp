// Special folders follow $HOME, $TMPDIR and $XDG_DATA_HOME at each call.

#include "runtime/files/SpecialFolder.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "tests/support/EnvGuard.h"

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

}  // namespace
}  // namespace runtime
