// The lookups in the Preferences and Application Support folders, and the
// choice of the documents-folder reader.

#include <tuple>

#include "tests/engine/lookups/LookupTestSupport.h"

namespace engine_testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The lookups of a name (or key, or type) with the list so far.
using NameLookup = runtime::String (Thread2::*)(const runtime::String&, const runtime::String&);
const NameLookup kPref = &LookupProbe::GetItemPref;
const NameLookup kAS = &LookupProbe::GetItemAS;
const NameLookup kPlist = &LookupProbe::GetItemPlist;
const NameLookup kDoc = &LookupProbe::GetItemDoc;

class PreferenceLookupTest : public LookupTest {
protected:
    std::optional<std::string> Run(NameLookup lookup, const std::string& list, const std::string& name) {
        return RunLookup([&](LookupProbe& p) { return (p.*lookup)(list, name); });
    }
};

TEST_F(PreferenceLookupTest, PreferencesAndApplicationSupportFoldersAreRegisteredByName) {
    home.MakeFolder("Library/Preferences/Tolvenade Prefs");
    home.Write("Library/Preferences/Zoruba Prefs", "a file is taken as well");
    home.MakeFolder("Library/Application Support/Pelmora");

    EXPECT_EQ(Run(kPref, "2:", "Tolvenade Prefs"), "2:0:");
    EXPECT_EQ(Run(kPref, "", "Zoruba Prefs"), "1:");
    EXPECT_EQ(Run(kPref, "4:", "Missing Prefs"), "4:");
    // A second product naming the same folder shares its entry.
    EXPECT_EQ(Run(kPref, "", "Tolvenade Prefs"), "0:");
    EXPECT_EQ(Run(kAS, "0:", "Pelmora"), "0:2:");
    EXPECT_EQ(Run(kAS, "0:", "Zoruba"), "0:");
    EXPECT_THAT(Found(), ElementsAre("P Tolvenade Prefs", "P Zoruba Prefs", "AS Pelmora"));
}

TEST_F(PreferenceLookupTest, EmptyNameOrKeyFindsNothing) {
    home.MakeFolder("Library/Preferences/Tolvenade Prefs");
    home.Write("Library/Preferences/com.keldo.Tolvenade.plist", "<plist/>");
    home.MakeFolder("Library/Application Support/Pelmora");

    for (const NameLookup lookup : {kPref, kAS, kPlist}) EXPECT_EQ(Run(lookup, "3:", ""), "3:");
    EXPECT_THAT(Found(), IsEmpty());
}

TEST_F(PreferenceLookupTest, PlistsAreEveryEntryNamingTheKeyAndPlist) {
    home.Write("Library/Preferences/com.keldo.Tolvenade.plist", "<plist/>");
    home.Write("Library/Preferences/com.keldo.tolvenade.plist.lockfile", "");
    home.Write("Library/Preferences/.Tolvenade.PLIST", "");
    home.MakeFolder("Library/Preferences/Tolvenade plist backups");
    home.Write("Library/Preferences/Tolvenade.prefs", "");
    home.Write("Library/Preferences/com.keldo.Zoruba.plist", "");

    EXPECT_EQ(Run(kPlist, "9:", "TOLVENADE"), "9:0:1:2:3:");
    EXPECT_THAT(Found(), ElementsAre("PL .Tolvenade.PLIST", "PL com.keldo.Tolvenade.plist",
                                     "PL com.keldo.tolvenade.plist.lockfile", "PL Tolvenade plist backups"));
}

TEST_F(PreferenceLookupTest, PelmoraLeavesTheVantixPlistsToOthers) {
    home.Write("Library/Preferences/jp.keldo.Pelmora.plist", "");
    home.Write("Library/Preferences/jp.keldo.Pelmora.Vantix.plist", "");

    EXPECT_EQ(Run(kPlist, "", "pelmora"), "0:");
    EXPECT_THAT(Found(), ElementsAre("PL jp.keldo.Pelmora.plist"));

    // Another key that the name contains takes it.
    EXPECT_EQ(Run(kPlist, "", "Vantix"), "1:");
    EXPECT_EQ(Run(kPlist, "", "keldo.Pelmora"), "0:1:");
    EXPECT_THAT(Found(), ElementsAre("PL jp.keldo.Pelmora.plist", "PL jp.keldo.Pelmora.Vantix.plist"));
}

TEST_F(PreferenceLookupTest, StopOnEntryEndsTheRunBeforeLooking) {
    home.MakeFolder("Library/Preferences/Tolvenade Prefs");
    home.Write("Library/Preferences/Tolvenade.plist", "");
    home.MakeFolder("Library/Application Support/Tolvenade");
    const std::tuple<const char*, NameLookup, const char*> lookups[] = {{"GetItemPref", kPref, "Tolvenade Prefs"},
                                                                        {"GetItemPlist", kPlist, "Tolvenade"},
                                                                        {"GetItemAS", kAS, "Tolvenade"}};
    for (const auto& [what, lookup, name] : lookups) {
        SCOPED_TRACE(what);
        win->StaticText1()->SetText("");
        win->pStopThread2 = true;
        EXPECT_FALSE(Run(lookup, "", name).has_value());
        EXPECT_THAT(Found(), IsEmpty());
        ExpectStoppedWindow();
    }
}

TEST_F(PreferenceLookupTest, DocumentTypeChoosesTheReader) {
    // With the stop request set, a reader that tests it ends the run; that
    // shows which types reach one of those readers.
    win->pStopThread2 = true;
    for (const char* type : {"Brd1wTq1", "brd1wtq1", "PanlwTq4", "PELMWTQ5"}) {
        SCOPED_TRACE(type);
        win->StaticText1()->SetText("");
        EXPECT_FALSE(Run(kDoc, "1:", type).has_value());
        ExpectStoppedWindow();
    }
    win->StaticText1()->SetText("");
    for (const char* type : {"Brd3wTq1", "", ".plmmd"}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(Run(kDoc, "1:", type), "1:");
    }
    EXPECT_EQ(win->StaticText1()->Text().ToUTF8(), "");
    EXPECT_THAT(Found(), IsEmpty());
}

}  // namespace
}  // namespace engine_testing
