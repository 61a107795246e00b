// The application matching rules, given entries laid out in a fake home.

#include "tests/engine/lookups/LookupTestSupport.h"
#include "tests/support/FinderInfoData.h"

using testsupport::FinderInfoBytes;
using testsupport::SetFinderInfoAttribute;

namespace engine_testing {
namespace {

constexpr const char* kCode = "APPLKeld";

class MatchingTest : public LookupTest {};

TEST_F(MatchingTest, PackageMatchesByItsOwnCodeOnly) {
    const auto rules = Rules();
    const auto tool = Item(home.MakeAppBundle("Applications/Tool.app", kCode));
    EXPECT_TRUE(rules->MatchApp(tool, "Tool", kCode));
    EXPECT_TRUE(rules->MatchApp(tool, "Tool", "applkeld"));  // codes ignore letter case
    EXPECT_FALSE(rules->MatchApp(tool, "Tool", "APPLOthr"));

    // The extension written in capitals still names a package.
    EXPECT_TRUE(rules->MatchApp(Item(home.MakeAppBundle("Applications/Caps.APP", kCode)), "Caps", kCode));

    // A package is judged by its own code; what it holds is never looked at.
    const auto other = Item(home.MakeAppBundle("Applications/Other.app", "APPLOthr"));
    home.MakeAppBundle("Applications/Other.app/Contents/Helper.app", kCode);
    EXPECT_FALSE(rules->MatchApp(other, "Other", kCode));
}

TEST_F(MatchingTest, PackageWithoutPkgInfoNeverMatches) {
    const auto rules = Rules();
    // No code of its own, and no fallback to the application it holds.
    const auto bare = Item(home.MakeAppBundle("Applications/Bare.app", ""));
    home.MakeAppBundle("Applications/Bare.app/Inner.app", kCode);
    EXPECT_FALSE(rules->MatchApp(bare, "Bare", kCode));
    // Its empty code names nothing, not even an empty catalogue code.
    EXPECT_FALSE(rules->MatchApp(bare, "Bare", ""));
    EXPECT_FALSE(rules->MatchAppF(bare, ""));
    // Nor does a folder holding only such packages.
    home.MakeAppBundle("Applications/Suite/Bare.app", "");
    EXPECT_FALSE(rules->MatchApp(Item(home.Applications("Suite")), "Bare", ""));
    EXPECT_FALSE(rules->MatchAppD(Item(home.Applications("Suite")), ""));
}

TEST_F(MatchingTest, FolderMatchesWhenItDirectlyHoldsTheApplication) {
    const auto rules = Rules();
    home.MakeAppBundle("Applications/Suite/Readme.app", "APPLOthr");
    home.MakeAppBundle("Applications/Suite/Tool.app", kCode);
    EXPECT_TRUE(rules->MatchApp(Item(home.Applications("Suite")), "Tool", kCode));

    home.MakeAppBundle("Applications/Deep/Sub/Tool.app", kCode);
    EXPECT_FALSE(rules->MatchApp(Item(home.Applications("Deep")), "Tool", kCode));

    EXPECT_FALSE(rules->MatchApp(Item(home.MakeFolder("Applications/Empty")), "Tool", kCode));

    // A package that is no application package does not count inside a folder.
    home.MakeAppBundle("Applications/Plugins/Tool.bundle", kCode);
    EXPECT_FALSE(rules->MatchApp(Item(home.Applications("Plugins")), "Tool", kCode));
}

TEST_F(MatchingTest, FolderMatchesAnApplicationFileByItsFinderInfoThePlainFileNever) {
    const auto rules = Rules();
    const std::string tool = home.Write("Applications/Suite/Tool", "binary");
    if (!SetFinderInfoAttribute(tool, FinderInfoBytes("APPL", "Keld")))
        GTEST_SKIP() << "the file system refuses user extended attributes";
    const std::string other = home.Write("Applications/Others/Tool", "binary");
    ASSERT_TRUE(SetFinderInfoAttribute(other, FinderInfoBytes("APPL", "Othr")));
    // A document with the maker's creator is no application.
    const std::string doc = home.Write("Applications/Docs/Tool doc", "data");
    ASSERT_TRUE(SetFinderInfoAttribute(doc, FinderInfoBytes("TEXT", "Keld")));

    EXPECT_TRUE(rules->MatchApp(Item(home.Applications("Suite")), "Tool", kCode));
    EXPECT_FALSE(rules->MatchApp(Item(home.Applications("Others")), "Tool", kCode));
    EXPECT_FALSE(rules->MatchAppD(Item(home.Applications("Docs")), "TEXTKeld"));

    // A plain file is no directory and so never matches, even named like a package.
    EXPECT_FALSE(rules->MatchApp(Item(tool), "Tool", kCode));
    const std::string named = home.Write("Applications/Tool.app", "not a folder");
    ASSERT_TRUE(SetFinderInfoAttribute(named, FinderInfoBytes("APPL", "Keld")));
    EXPECT_FALSE(rules->MatchApp(Item(named), "Tool", kCode));
    EXPECT_FALSE(rules->MatchApp(nullptr, "Tool", kCode));
}

TEST_F(MatchingTest, NameRuleNeedsTheNameAndTheMakerInTheItemItself) {
    const auto rules = Rules();
    const auto viewer = Item(home.MakeAppBundle("Applications/KELDO Viewer.app", "APPLKeld", true));
    EXPECT_TRUE(rules->MatchApp(viewer, "Viewer", "APPL----"));
    EXPECT_TRUE(rules->MatchApp(viewer, "viewer", "appl----"));  // containment and code ignore case
    EXPECT_FALSE(rules->MatchApp(viewer, "Editor", "APPL----"));

    // The name alone is not enough.
    const auto foreign = Item(home.MakeAppBundle("Applications/Viewer Pro.app", "APPLKeld", false));
    EXPECT_FALSE(rules->MatchApp(foreign, "Viewer", "APPL----"));

    // A folder holding the maker's application is not tried by the folder rule.
    home.MakeAppBundle("Applications/Viewer Suite/KELDO Viewer.app", "APPLKeld", true);
    EXPECT_FALSE(rules->MatchApp(Item(home.Applications("Viewer Suite")), "Viewer", "APPL----"));

    // A plain file matches only through its own contents folder, which it has not.
    EXPECT_FALSE(rules->MatchApp(Item(home.Write("Applications/Viewer notes", "x")), "Viewer", "APPL----"));

    // An empty name is contained in every name; it names no application.
    EXPECT_FALSE(rules->MatchApp(viewer, "", "APPL----"));
}

}  // namespace
}  // namespace engine_testing
