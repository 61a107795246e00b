// The walk of the Applications folder: what it registers, under which kind,
// in which order, and how a stop request ends it.

#include "tests/engine/lookups/LookupTestSupport.h"
#include "tests/support/FinderInfoData.h"

namespace engine_testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kCode = "APPLKeld";

class ApplicationLookupTest : public LookupTest {
protected:
    std::optional<std::string> LookUp(const runtime::String& appName, const runtime::String& appType,
                                      const runtime::String& list = "") {
        return RunLookup([&](LookupProbe& p) { return p.GetItemApp(list, appName, appType, 1); });
    }
};

TEST_F(ApplicationLookupTest, EveryMatchIsRegisteredInFolderOrderWithItsKind) {
    home.MakeAppBundle("Applications/Zeta Tool.app", kCode);
    home.MakeAppBundle("Applications/Alpha Suite/Tool.app", kCode);  // held by a plain folder
    home.MakeAppBundle("Applications/Beta.APP", kCode);
    home.MakeAppBundle("Applications/Gamma.app", "APPLOthr");

    EXPECT_EQ(LookUp("Tool", kCode, "5:"), "5:0:1:2:");
    EXPECT_THAT(Found(), ElementsAre("AD Alpha Suite", "A Beta.APP", "A Zeta Tool.app"));
}

TEST_F(ApplicationLookupTest, NameRuleRegistersPackagesOfAnyExtension) {
    home.MakeAppBundle("Applications/KELDO Viewer.app", "", true);
    home.MakeAppBundle("Applications/KELDO Viewer Extras.bundle", "", true);
    home.MakeAppBundle("Applications/Viewer Suite/KELDO Viewer.app", "", true);

    EXPECT_EQ(LookUp("Viewer", "APPL----"), "0:1:");
    EXPECT_THAT(Found(), ElementsAre("AD KELDO Viewer Extras.bundle", "A KELDO Viewer.app"));
}

TEST_F(ApplicationLookupTest, OnlyVisibleDirectoriesAtTheTopAreConsidered) {
    // Each of these would match both rules if it were looked at.
    home.MakeAppBundle("Applications/.KELDO Tool.app", kCode, true);
    home.MakeAppBundle("Applications/Outer/Inner/KELDO Tool.app", kCode, true);  // two levels down
    home.Write("Applications/KELDO Tool.app.zip", "archive");

    EXPECT_EQ(LookUp("Tool", kCode, "3:"), "3:");
    EXPECT_EQ(LookUp("Tool", "APPL----", "3:"), "3:");
    EXPECT_THAT(Found(), IsEmpty());

    const std::string hidden = home.MakeAppBundle("Applications/Hidden Tool.app", kCode);
    if (!testsupport::SetFinderInfoAttribute(hidden, testsupport::FinderInfoBytes("", "", 0x4000)))
        GTEST_SKIP() << "the file system refuses user extended attributes";
    EXPECT_EQ(LookUp("Tool", kCode), "");  // marked invisible
    EXPECT_THAT(Found(), IsEmpty());
}

TEST_F(ApplicationLookupTest, ApplicationsFolderIsTakenFromTheCurrentHome) {
    home.MakeAppBundle("Applications/Tool.app", kCode);
    const auto probe = Rules();
    EXPECT_EQ(probe->FolderApp()->NativePath(), home.Applications());
    EXPECT_EQ(probe->FolderPref()->NativePath(), home.Preferences());
    EXPECT_EQ(probe->FolderAS()->NativePath(), home.ApplicationSupport());
    {
        testsupport::FakeHome other;  // a second home, current while it lives
        other.MakeAppBundle("Applications/Other Tool.app", kCode);
        EXPECT_EQ(probe->FolderApp()->NativePath(), other.Applications());
        EXPECT_EQ(LookUp("Tool", kCode), "0:");
        EXPECT_THAT(Found(), ElementsAre("A Other Tool.app"));
    }
    EXPECT_EQ(probe->FolderApp()->NativePath(), home.Applications());
}

TEST_F(ApplicationLookupTest, StopDuringTheWalkEndsItBeforeTheNextEntry) {
    home.MakeAppBundle("Applications/A Tool.app", kCode);
    home.MakeAppBundle("Applications/B Tool.app", kCode);
    home.MakeAppBundle("Applications/C Tool.app", kCode);

    auto probe = std::make_shared<LookupProbe>();
    probe->pWin1 = win;
    bool returned = false;
    probe->body = [&](LookupProbe& p) {
        p.GetItemApp("", "Tool", kCode, 1);
        returned = true;
    };
    // The stop arrives from the event loop while the walk yields after its
    // first registration, as a press of the stop button would.
    probe->Run();
    ASSERT_TRUE(testsupport::PumpUntil([&] {
        if (!win->pFI.empty()) win->pStopThread2 = true;
        return probe->State() == runtime::ThreadState::NotRunning;
    }));
    EXPECT_FALSE(returned);
    EXPECT_THAT(Found(), ElementsAre("A A Tool.app"));
    ExpectStoppedWindow();
}

}  // namespace
}  // namespace engine_testing
