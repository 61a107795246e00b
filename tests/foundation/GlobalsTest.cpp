#include "foundation/Globals.h"

#include <gtest/gtest.h>

#include "platform/plist/Limits.h"
#include "runtime/core/TextFunctions.h"
#include "tests/support/FinderInfoData.h"
#include "tests/support/HostilePlists.h"
#include "tests/support/TempFolder.h"

using namespace runtime;
using testsupport::TempFolder;

namespace {

String Extn(const char* name) { return Globals::gExtractExtn(name); }

FolderItemRef Item(const std::string& path) { return FolderItem::FromNativePath(path); }

}  // namespace

TEST(GlobalsNames, ExtensionIsTheTextAfterTheLastDot) {
    EXPECT_EQ(Extn("Sample.app").Bytes(), "app");
    EXPECT_EQ(Extn("archive.tar.gz").Bytes(), "gz");
    EXPECT_EQ(Extn(".profile").Bytes(), "profile");
    EXPECT_EQ(Extn("name.").Bytes(), "");
    EXPECT_EQ(Extn("readme").Bytes(), "");
    EXPECT_EQ(Extn("").Bytes(), "");
    EXPECT_EQ(Extn("書類.plmmd").Bytes(), "plmmd");
}

TEST(GlobalsNames, BodyJoinsTheFieldsBeforeTheLastDot) {
    String body, extension = "kept";
    Globals::gExtractBodyAndExtn("readme", body, extension);
    EXPECT_EQ(body.Bytes(), "readme");
    EXPECT_EQ(extension.Bytes(), "kept");  // no dot: the extension is left as it was

    Globals::gExtractBodyAndExtn("a.b.c.d", body, extension);
    EXPECT_EQ(body.Bytes(), "a.b.c");
    EXPECT_EQ(extension.Bytes(), "d");

    Globals::gExtractBodyAndExtn(".profile", body, extension);
    EXPECT_EQ(body.Bytes(), "");
    EXPECT_EQ(extension.Bytes(), "profile");
}

TEST(GlobalsPackages, AnAppFolderIsAPackageWhateverTheCase) {
    TempFolder tmp;
    tmp.MakeFolder("Tool.APP");
    tmp.Write("Tool.app", "not a folder");
    tmp.MakeFolder("Tool");
    tmp.MakeFolder("x/Tool.app");
    EXPECT_TRUE(Globals::gAppPackage(Item(tmp / "Tool.APP")));
    EXPECT_TRUE(Globals::gAppPackage(Item(tmp / "x/Tool.app")));
    EXPECT_FALSE(Globals::gAppPackage(Item(tmp / "Tool.app")));
    EXPECT_FALSE(Globals::gAppPackage(Item(tmp / "Tool")));
}

TEST(GlobalsTypeCreator, PackagesReadTheirPkgInfoOthersTheirFinderInfo) {
    TempFolder tmp;
    // A PkgInfo's first line is the code, whatever follows it.
    const struct {
        const char* package;
        std::string pkgInfo;
        std::string code;
    } rows[] = {
        {"Tolvenade.app", "APPLwTq1", "APPLwTq1"},
        {"Lined.app", "APPLwTq5\nrest", "APPLwTq5"},
        {"Short.app", "APL\r\nxyz", "APL"},
        {"Crlf.app", "APPLwTq1\r\n", "APPLwTq1"},
        {"Longer.app", "APPLwTq5EXTRA", "APPLwTq5EXTRA"},
        {"Blank.app", "APPLwTq4 ", "APPLwTq4 "},
        {"Nul.app", std::string("APPLwTq1\0", 9), std::string("APPLwTq1\0", 9)},
        {"AtBound.app", std::string(256, 'A') + "\r", std::string(256, 'A')},
    };
    for (const auto& row : rows) tmp.Write(row.package + std::string("/Contents/PkgInfo"), row.pkgInfo);
    // Lines longer than the 256 bytes read equal no code made of their start,
    // however long the file: a sparse 1 GiB one is not read whole.
    tmp.Write("Overlong.app/Contents/PkgInfo", std::string(257, 'A'));
    testsupport::WriteSparseFile(tmp / "Huge.app/Contents/PkgInfo", "APPLwTq1", off_t(1) << 30);
    tmp.MakeFolder("Empty.app/Contents");
    tmp.MakeFolder("Bare.app");
    const std::string doc = tmp.Write("doc.brd", "data");
    const std::string plain = tmp.Write("plain.txt", "data");

    for (const auto& row : rows)
        EXPECT_EQ(Globals::gGetTypeCre(Item(tmp / row.package)).Bytes(), row.code) << row.package;
    const String overlong = Globals::gGetTypeCre(Item(tmp / "Overlong.app"));
    EXPECT_NE(overlong, String(std::string(256, 'A')));
    EXPECT_NE(overlong, String(std::string(257, 'A')));
    const String huge = Globals::gGetTypeCre(Item(tmp / "Huge.app"));
    EXPECT_NE(huge, String("APPLwTq1"));
    EXPECT_NE(huge, String(std::string("APPLwTq1") + std::string(248, '\0')));
    EXPECT_EQ(Globals::gGetTypeCre(Item(tmp / "Empty.app")).Bytes(), "");
    EXPECT_EQ(Globals::gGetTypeCre(Item(tmp / "Bare.app")).Bytes(), "");
    EXPECT_EQ(Globals::gGetTypeCre(Item(plain)).Bytes(), "");
    EXPECT_EQ(Globals::gGetTypeCre(Item(tmp.Path())).Bytes(), "fold");
    if (!testsupport::SetFinderInfoAttribute(doc, testsupport::FinderInfoBytes("Brd3", "wTq1")))
        GTEST_SKIP() << "user extended attributes are not supported here";
    EXPECT_EQ(Globals::gGetTypeCre(Item(doc)).Bytes(), "Brd3wTq1");
}

TEST(GlobalsTypeCreator, ACompanionDotUnderscoreFileGivesTheTypeOnForeignVolumes) {
    TempFolder tmp;
    const std::string doc = tmp.Write("Pelmora 書類", "data");
    tmp.Write("._Pelmora 書類", testsupport::AppleDoubleBytes(testsupport::FinderInfoBytes("Pelm", "wTq5")));
    EXPECT_EQ(Globals::gGetTypeCre(Item(doc)).Bytes(), "PelmwTq5");
}

TEST(GlobalsMakerTest, OnlyTheExactBytesOfTheMakerNameCount) {
    TempFolder tmp;
    tmp.Write("Good.app/Contents/Info.plist", "<string>Copyright KELDO Software</string>");
    tmp.Write("Case.app/Contents/Info.plist", "<string>Keldo software</string>");
    const std::string utf16("\0K\0E\0L\0D\0O\0 \0S\0o\0f\0t\0w\0a\0r\0e", 28);
    tmp.Write("Wide.app/Contents/Info.plist", utf16);
    tmp.MakeFolder("NoPlist.app/Contents");
    const std::string plain = tmp.Write("plain", "KELDO Software");
    // The test does not ask for a package first: any folder with contents/Info.plist.
    tmp.Write("Folder/Contents/Info.plist", "KELDO Software");
    // Up to the one bound on Info.plist files; beyond it nothing is read.
    const size_t bound = platform::plist::kMaxInfoPlistBytes;
    tmp.Write("AtBound.app/Contents/Info.plist", std::string(bound - 14, ' ') + "KELDO Software");
    tmp.Write("Oversize.app/Contents/Info.plist", "KELDO Software" + std::string(bound - 13, ' '));
    testsupport::WriteSparseFile(tmp / "Sparse.app/Contents/Info.plist", "KELDO Software", off_t(1) << 30);

    EXPECT_TRUE(Globals::gGetTypeFileInfo(Item(tmp / "Good.app")));
    EXPECT_TRUE(Globals::gGetTypeFileInfo(Item(tmp / "Folder")));
    EXPECT_TRUE(Globals::gGetTypeFileInfo(Item(tmp / "AtBound.app")));
    EXPECT_FALSE(Globals::gGetTypeFileInfo(Item(tmp / "Oversize.app")));
    EXPECT_FALSE(Globals::gGetTypeFileInfo(Item(tmp / "Sparse.app")));
    EXPECT_FALSE(Globals::gGetTypeFileInfo(Item(tmp / "Case.app")));
    EXPECT_FALSE(Globals::gGetTypeFileInfo(Item(tmp / "Wide.app")));
    EXPECT_FALSE(Globals::gGetTypeFileInfo(Item(tmp / "NoPlist.app")));
    EXPECT_FALSE(Globals::gGetTypeFileInfo(Item(plain)));
}

TEST(GlobalsMakerTest, APipeInPlaceOfABundleFileReadsAsMissingWithoutWaiting) {
    TempFolder tmp;
    tmp.MakeFolder("Piped.app/Contents");
    ASSERT_EQ(mkfifo((tmp / "Piped.app/Contents/Info.plist").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((tmp / "Piped.app/Contents/PkgInfo").c_str(), 0600), 0);
    alarm(10);  // a read that waits for a writer ends the test here instead of hanging it
    EXPECT_FALSE(Globals::gGetTypeFileInfo(Item(tmp / "Piped.app")));
    EXPECT_EQ(Globals::gGetTypeCre(Item(tmp / "Piped.app")).Bytes(), "");
    alarm(0);
}

TEST(GlobalsAliasPath, TheFirstTaggedFieldWithALengthWins) {
    const std::string field(
        "\x00\x02\x00\x05"
        "A:b:c",
        9);
    EXPECT_EQ(Globals::gAbsPath_ex(String::FromBytes("junk" + field + "tail")).Bytes(), "A:b:c");

    // A zero length byte does not stop the scan.
    const std::string zeroFirst(
        "\x00\x02\x00\x00"
        "\x00\x02\x00\x03"
        "X:y",
        11);
    EXPECT_EQ(Globals::gAbsPath_ex(String::FromBytes(zeroFirst)).Bytes(), "X:y");

    // A length beyond the data gives what is left.
    EXPECT_EQ(Globals::gAbsPath_ex(String::FromBytes(std::string("\x00\x02\x00\x09"
                                                                 "ab",
                                                                 6)))
                  .Bytes(),
              "ab");
    // No field, or fewer than three bytes: the data comes back unchanged.
    EXPECT_EQ(Globals::gAbsPath_ex("Macintosh HD:Users:").Bytes(), "Macintosh HD:Users:");
    EXPECT_EQ(Globals::gAbsPath_ex(String::FromBytes(std::string("\x00\x02", 2))).Bytes(), std::string("\x00\x02", 2));
    // A tag at the very end with its length byte missing counts as length 0.
    const std::string endTag("xy\x00\x02\x00", 5);
    EXPECT_EQ(Globals::gAbsPath_ex(String::FromBytes(endTag)).Bytes(), endTag);
}

TEST(GlobalsDateTime, DateThenTwoDigitTime) {
    const auto date = std::make_shared<Date>(2026, 12, 8, 9, 5, 7);
    const String text = Globals::gDateTime(date);
    EXPECT_EQ(text.Bytes(), (date->AbbreviatedDate() + " 09:05:07").Bytes());
    EXPECT_EQ(Right(Globals::gDateTime(std::make_shared<Date>(2026, 1, 2, 0, 0, 0)), 9).Bytes(), " 00:00:00");
    EXPECT_EQ(Globals::gDateTime(nullptr).Bytes(), "");  // an item that has gone has no date
}
