// The lookups in the Preferences and Application Support folders, and the
// choice of the documents-folder reader.

#include "tests/engine/lookups/LookupTestSupport.h"

namespace engine_testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class PreferenceLookupTest : public LookupTest {};

TEST_F(PreferenceLookupTest, PreferencesAndApplicationSupportFoldersAreRegisteredByName) {
    home.MakeFolder("Library/Preferences/Tolvenade Prefs");
    home.Write("Library/Preferences/Zoruba Prefs", "a file is taken as well");
    home.MakeFolder("Library/Application Support/Pelmora");

    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemPref("2:", "Tolvenade Prefs"); }), "2:0:");
    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemPref("", "Zoruba Prefs"); }), "1:");
    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemPref("4:", "Missing Prefs"); }), "4:");
    // A second product naming the same folder shares its entry.
    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemPref("", "Tolvenade Prefs"); }), "0:");
    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemAS("0:", "Pelmora"); }), "0:2:");
    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemAS("0:", "Zoruba"); }), "0:");
    EXPECT_THAT(Found(), ElementsAre("P Tolvenade Prefs", "P Zoruba Prefs", "AS Pelmora"));
}

TEST_F(PreferenceLookupTest, EmptyNameOrKeyFindsNothing) {
    home.MakeFolder("Library/Preferences/Tolvenade Prefs");
    home.Write("Library/Preferences/com.keldo.Tolvenade.plist", "<plist/>");
    home.MakeFolder("Library/Application Support/Pelmora");

    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemPref("3:", ""); }), "3:");
    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemAS("3:", ""); }), "3:");
    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemPlist("3:", ""); }), "3:");
    EXPECT_THAT(Found(), IsEmpty());
}

TEST_F(PreferenceLookupTest, PlistsAreEveryEntryNamingTheKeyAndPlist) {
    home.Write("Library/Preferences/com.keldo.Tolvenade.plist", "<plist/>");
    home.Write("Library/Preferences/com.keldo.tolvenade.plist.lockfile", "");
    home.Write("Library/Preferences/.Tolvenade.PLIST", "");
    home.MakeFolder("Library/Preferences/Tolvenade plist backups");
    home.Write("Library/Preferences/Tolvenade.prefs", "");
    home.Write("Library/Preferences/com.keldo.Zoruba.plist", "");

    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemPlist("9:", "TOLVENADE"); }), "9:0:1:2:3:");
    EXPECT_THAT(Found(), ElementsAre("PL .Tolvenade.PLIST", "PL com.keldo.Tolvenade.plist",
                                     "PL com.keldo.tolvenade.plist.lockfile", "PL Tolvenade plist backups"));
}

TEST_F(PreferenceLookupTest, PelmoraLeavesTheVantixPlistsToOthers) {
    home.Write("Library/Preferences/jp.keldo.Pelmora.plist", "");
    home.Write("Library/Preferences/jp.keldo.Pelmora.Vantix.plist", "");

    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemPlist("", "pelmora"); }), "0:");
    EXPECT_THAT(Found(), ElementsAre("PL jp.keldo.Pelmora.plist"));

    // Another key that the name contains takes it.
    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemPlist("", "Vantix"); }), "1:");
    EXPECT_EQ(RunLookup([](LookupProbe& p) { return p.GetItemPlist("", "keldo.Pelmora"); }), "0:1:");
    EXPECT_THAT(Found(), ElementsAre("PL jp.keldo.Pelmora.plist", "PL jp.keldo.Pelmora.Vantix.plist"));
}

TEST_F(PreferenceLookupTest, StopOnEntryEndsTheRunBeforeLooking) {
    home.MakeFolder("Library/Preferences/Tolvenade Prefs");
    home.Write("Library/Preferences/Tolvenade.plist", "");
    home.MakeFolder("Library/Application Support/Tolvenade");
    const std::vector<std::pair<const char*, std::function<runtime::String(LookupProbe&)>>> lookups = {
        {"GetItemPref", [](LookupProbe& p) { return p.GetItemPref("", "Tolvenade Prefs"); }},
        {"GetItemPlist", [](LookupProbe& p) { return p.GetItemPlist("", "Tolvenade"); }},
        {"GetItemAS", [](LookupProbe& p) { return p.GetItemAS("", "Tolvenade"); }},
    };
    for (const auto& [name, lookup] : lookups) {
        SCOPED_TRACE(name);
        win->StaticText1()->SetText("");
        win->pStopThread2 = true;
        EXPECT_FALSE(RunLookup(lookup).has_value());
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
        EXPECT_FALSE(RunLookup([&](LookupProbe& p) { return p.GetItemDoc("1:", type); }).has_value());
        ExpectStoppedWindow();
    }
    win->StaticText1()->SetText("");
    for (const char* type : {"Brd3wTq1", "", ".plmmd"}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(RunLookup([&](LookupProbe& p) { return p.GetItemDoc("1:", type); }), "1:");
    }
    EXPECT_EQ(win->StaticText1()->Text().ToUTF8(), "");
    EXPECT_THAT(Found(), IsEmpty());
}

}  // namespace
}  // namespace engine_testing
