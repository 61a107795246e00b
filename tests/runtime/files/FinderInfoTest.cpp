// Type, creator and visibility from Finder info.

#include "runtime/files/FinderInfo.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/files/FolderItem.h"
#include "tests/support/FinderInfoData.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

using testsupport::AppleDoubleBytes;
using testsupport::BigEndian32;
using testsupport::FinderInfoBytes;
using testsupport::TempFolder;

// The item as a walk gets it (from the listing) and as Child gets it.
std::vector<FolderItemRef> BothWays(const TempFolder& tmp, const std::string& name) {
    const FolderItemRef folder = tmp.Item();
    FolderItemRef listed;
    for (int i = 1; i <= folder->Count(); ++i)
        if (folder->Item(i)->Name().Bytes() == name) listed = folder->Item(i);
    EXPECT_TRUE(listed) << name << " is missing from the listing";
    if (!listed) return {folder->Child(String(name))};
    return {listed, folder->Child(String(name))};
}

std::string Codes(const FolderItemRef& item) { return item->MacType().Bytes() + "/" + item->MacCreator().Bytes(); }

TEST(FinderInfo, TypeAndCreatorFromTheAttributeElseTheAppleDoubleFile) {
    TempFolder tmp;
    const bool attributes =
        testsupport::SetFinderInfoAttribute(tmp.Write("both", "x"), FinderInfoBytes("Brd1", "wTq1"));
    tmp.Write("._both", AppleDoubleBytes(FinderInfoBytes("Panl", "wTq4")));
    tmp.Write("double", "x");
    tmp.Write("._double", AppleDoubleBytes(FinderInfoBytes("Panl", "wTq4")));
    for (const FolderItemRef& item : BothWays(tmp, "double")) {
        EXPECT_EQ(Codes(item), "Panl/wTq4");
        EXPECT_TRUE(item->Visible());
    }
    if (!attributes) GTEST_SKIP() << "the file system refuses user attributes";
    for (const FolderItemRef& item : BothWays(tmp, "both")) EXPECT_EQ(Codes(item), "Brd1/wTq1");
}

TEST(FinderInfo, NoneGivesEmptyCodes) {
    TempFolder tmp;
    tmp.Write("plain", "x");
    tmp.Write("zeros", "x");
    tmp.Write("._zeros", AppleDoubleBytes(std::string(32, '\0')));
    for (const std::string name : {"plain", "zeros"})
        for (const FolderItemRef& item : BothWays(tmp, name)) {
            EXPECT_EQ(Codes(item), "/") << name;
            EXPECT_TRUE(item->Visible()) << name;
        }
    EXPECT_EQ(Codes(tmp.Item("absent")), "/");
}

TEST(FinderInfo, FoldersAreFoldWithoutCreator) {
    TempFolder tmp;
    testsupport::SetFinderInfoAttribute(tmp.MakeFolder("Tool.app"), FinderInfoBytes("APPL", "wTq1"));
    for (const FolderItemRef& item : BothWays(tmp, "Tool.app")) EXPECT_EQ(Codes(item), "fold/");
}

TEST(FinderInfo, DotNamesAndTheInvisibleFlagAreNotVisible) {
    TempFolder tmp;
    tmp.Write(".x", "x");
    tmp.Write("hidden", "x");
    tmp.Write("._hidden", AppleDoubleBytes(FinderInfoBytes("TEXT", "ttxt", 0x4000)));
    tmp.Write("shown", "x");
    tmp.Write("._shown", AppleDoubleBytes(FinderInfoBytes("TEXT", "ttxt", 0x0100)));
    const std::string folder = tmp.MakeFolder("Hidden Folder");
    const bool attributes = testsupport::SetFinderInfoAttribute(folder, FinderInfoBytes("", "", 0x4000));

    for (const std::string name : {".x", "hidden", "._hidden"})
        for (const FolderItemRef& item : BothWays(tmp, name)) EXPECT_FALSE(item->Visible()) << name;
    for (const FolderItemRef& item : BothWays(tmp, "shown")) EXPECT_TRUE(item->Visible());
    if (attributes) {
        for (const FolderItemRef& item : BothWays(tmp, "Hidden Folder")) EXPECT_FALSE(item->Visible());
    }
}

// AppleDouble data read from memory.
std::optional<files::FinderInfo> Parse(const std::string& data) {
    const files::ReadAt read = [&data](uint64_t offset, void* out, size_t length) -> size_t {
        if (offset >= data.size()) return 0;
        const size_t n = std::min<size_t>(length, data.size() - offset);
        std::memcpy(out, data.data() + offset, n);
        return n;
    };
    return files::ParseAppleDouble(read, data.size());
}

TEST(AppleDouble, DamagedDataGivesNothing) {
    const std::string good = AppleDoubleBytes(FinderInfoBytes("Brd1", "wTq1"));
    ASSERT_TRUE(Parse(good));
    EXPECT_EQ(Parse(good)->Type(), "Brd1");

    EXPECT_FALSE(Parse(""));
    EXPECT_FALSE(Parse(good.substr(0, 25)));  // shorter than a header
    std::string badMagic = good;
    badMagic[3] = 0x00;
    EXPECT_FALSE(Parse(badMagic));
    std::string manyEntries = good;
    manyEntries[24] = '\xFF';  // 65,000 entries in 82 bytes
    EXPECT_FALSE(Parse(manyEntries));
    std::string farOffset = good;
    farOffset.replace(30, 4, BigEndian32(0xFFFFFFF0));  // Finder info beyond the end
    EXPECT_FALSE(Parse(farOffset));
    std::string longEntry = good;
    longEntry.replace(34, 4, BigEndian32(0xFFFFFFFF));  // length beyond the end
    EXPECT_FALSE(Parse(longEntry));
    EXPECT_FALSE(Parse(good.substr(0, 60)));  // cut inside the Finder info
}

TEST(AppleDouble, AShortEntryIsPaddedAndOthersAreSkipped) {
    // Entry 2 (resource fork) first, then a Finder-info entry of 8 bytes.
    std::string data = BigEndian32(0x00051607) + BigEndian32(0x00020000) + std::string(16, '\0');
    data += std::string("\x00\x02", 2);
    data += BigEndian32(2) + BigEndian32(50) + BigEndian32(0);
    data += BigEndian32(9) + BigEndian32(50) + BigEndian32(8);
    data += "TEXTttxt";
    const auto info = Parse(data);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Type(), "TEXT");
    EXPECT_EQ(info->Creator(), "ttxt");
    EXPECT_EQ(info->Flags(), 0);
}

}  // namespace
}  // namespace runtime
