#include "platform/finder/TrashInfo.h"

#include <gtest/gtest.h>

#include "platform/finder/ItemPath.h"
#include "tests/platform/finder/TrashTestSupport.h"
#include "tests/support/EnvGuard.h"

namespace platform::finder {
namespace {

TEST(FinderPercentEncode, KeepsUnreservedAndSlashAndRoundTripsEveryOtherByte) {
    EXPECT_EQ(PercentEncodePath("/home/u/A-z_0.9~"), "/home/u/A-z_0.9~");
    EXPECT_EQ(PercentEncodePath(std::string("x\n\x01\xff", 4)), "x%0A%01%FF");
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    const std::string encoded = PercentEncodePath(all);
    for (char c : encoded)
        EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || std::string("-._~/%").find(c) != std::string::npos)
            << "raw byte " << int(static_cast<unsigned char>(c)) << " left in the encoding";
    EXPECT_EQ(finder_test::PercentDecode(encoded), all);
}

TEST(FinderTrashInfoText, HasHeaderEncodedPathAndLocalDate) {
    testsupport::EnvGuard zone("TZ", "JST-9");
    tzset();
    const std::string text = TrashInfoText("/Users/設定 ファイル.plist", 0);
    EXPECT_EQ(text,
              "[Trash Info]\n"
              "Path=/Users/%E8%A8%AD%E5%AE%9A%20%E3%83%95%E3%82%A1%E3%82%A4%E3%83%AB.plist\n"
              "DeletionDate=1970-01-01T09:00:00\n");
}

TEST(FinderTrashedName, FirstAttemptIsTheNameThenNumberedBeforeTheExtension) {
    EXPECT_EQ(TrashedName("a.txt", 1), "a.txt");
    EXPECT_EQ(TrashedName("archive.tar.gz", 3), "archive.tar 3.gz");
    EXPECT_EQ(TrashedName("書類 フォルダ", 2), "書類 フォルダ 2");
    EXPECT_EQ(TrashedName(".config", 2), ".config 2");
    EXPECT_EQ(TrashedName("App.app", 12), "App 12.app");
}

TEST(FinderTrashedName, LongNamesAreShortenedOnCharacterBoundaries) {
    std::string longName;
    for (int i = 0; i < 90; ++i) longName += "書";  // 270 bytes
    longName += ".plist";
    for (int attempt : {1, 2, 1000}) {
        const std::string name = TrashedName(longName, attempt);
        EXPECT_LE(name.size(), kMaxTrashedNameBytes);
        EXPECT_EQ(name.substr(name.size() - 6), ".plist");
        // The stem is whole characters: three bytes each.
        const std::string suffix = attempt > 1 ? " " + std::to_string(attempt) : "";
        EXPECT_EQ((name.size() - 6 - suffix.size()) % 3, 0u) << name;
        EXPECT_NE(TrashedName(longName, attempt + 1), name);
    }
    const std::string hugeExtension = TrashedName("a." + std::string(300, 'x'), 5);
    EXPECT_LE(hugeExtension.size(), kMaxTrashedNameBytes);
    EXPECT_EQ(hugeExtension.substr(hugeExtension.size() - 2), " 5");
}

TEST(FinderItemPath, ResolvesTheFoldersButNotTheItem) {
    testsupport::TempFolder dir;
    const std::string real = dir.Path() + "/real";
    ASSERT_EQ(mkdir(real.c_str(), 0700), 0);
    ASSERT_EQ(symlink(real.c_str(), (dir.Path() + "/via").c_str()), 0);
    ASSERT_EQ(symlink("/nowhere", (real + "/link").c_str()), 0);
    const std::string resolvedDir = ItemLocation(dir.Path());

    EXPECT_EQ(ItemLocation(dir.Path() + "/via/link"), resolvedDir + "/real/link");
    EXPECT_EQ(ItemLocation(dir.Path() + "/via/"), resolvedDir + "/via");
    EXPECT_EQ(ItemLocation(dir.Path() + "/real/."), resolvedDir + "/real");
    EXPECT_EQ(ItemLocation(dir.Path() + "/missing/x"), "");
    EXPECT_EQ(ItemLocation(""), "");
    EXPECT_EQ(ResolveExistingPart(dir.Path() + "/via/new/deeper"), resolvedDir + "/real/new/deeper");
}

}  // namespace
}  // namespace platform::finder
