#include "platform/carbon/Catalog.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/AliasRecord.h"
#include "tests/support/TempFolder.h"

using namespace platform::carbon;

namespace {

struct Described {
    OSErr result;
    std::string name;
    int32_t parent;
};

Described Describe(int32_t dirID, int16_t vRefNum = kRootVRefNum) {
    Str255 name = {};
    CInfoPBRec pb;
    pb.ioNamePtr = name;
    pb.ioVRefNum = vRefNum;
    pb.ioFDirIndex = -1;
    pb.ioDrDirID = dirID;
    pb.ioDrParID = -7;
    const OSErr result = PBGetCatInfoSync(&pb);
    EXPECT_EQ(pb.ioResult, result);
    return {result, std::string(reinterpret_cast<const char*>(name + 1), name[0]), pb.ioDrParID};
}

class CarbonCatalog : public ::testing::Test {
protected:
    testsupport::TempFolder root;
};

}  // namespace

TEST_F(CarbonCatalog, RootFolderIsTheVolume) {
    const Described volume = Describe(kRootDirID);
    EXPECT_EQ(volume.result, noErr);
    EXPECT_EQ(volume.name, "Macintosh HD");
    EXPECT_EQ(volume.parent, kRootParentDirID);
    EXPECT_EQ(Describe(kRootDirID, 0).result, noErr);  // the default volume
    EXPECT_EQ(Describe(kRootParentDirID).result, fnfErr);
    EXPECT_EQ(DirectoryIDOfPath("/"), kRootDirID);
}

TEST_F(CarbonCatalog, WalkingUpNamesEachFolderAndEndsAtTheRoot) {
    const std::string inner = root.MakeFolder("外側/inner");
    const int32_t id = DirectoryIDOfPath(inner);
    EXPECT_GE(id, 16);
    EXPECT_EQ(DirectoryIDOfPath(inner), id);  // stable

    std::string path;
    int32_t dirID = id;
    int turns = 0;
    while (dirID != kRootParentDirID && turns++ < 64) {
        const Described d = Describe(dirID);
        ASSERT_EQ(d.result, noErr);
        path = d.name + ":" + path;
        dirID = d.parent;
    }
    std::string expected = "Macintosh HD" + root.Path() + "/外側/inner:";
    for (char& c : expected)
        if (c == '/') c = ':';
    EXPECT_EQ(path, testsupport::MacJapanese(expected));
}

TEST_F(CarbonCatalog, NamesAreMacJapaneseWithColonsAsSlashes) {
    const Described d = Describe(DirectoryIDOfPath(root.MakeFolder("書類:2024")));
    ASSERT_EQ(d.result, noErr);
    EXPECT_EQ(d.name, testsupport::MacJapanese("書類/2024"));
}

TEST_F(CarbonCatalog, FailuresAreReportedNotGuessed) {
    const std::string gone = root.MakeFolder("gone");
    const int32_t goneID = DirectoryIDOfPath(gone);
    std::filesystem::remove(gone);
    EXPECT_EQ(Describe(goneID).result, dirNFErr);
    EXPECT_EQ(Describe(DirectoryIDOfPath(root.Write("plain", "x"))).result, dirNFErr);
    EXPECT_EQ(Describe(0x7FFFFFF0).result, dirNFErr);
    EXPECT_EQ(Describe(kRootDirID, 3).result, nsvErr);
    EXPECT_EQ(Describe(DirectoryIDOfPath(root.MakeFolder("caf\xC3\xA9"))).result, bdNamErr);  // no Mac Japanese é
    EXPECT_EQ(Describe(DirectoryIDOfPath(root.MakeFolder("bad\xFF"))).result, bdNamErr);      // no UTF-8

    CInfoPBRec byName;
    byName.ioFDirIndex = 0;
    byName.ioDrDirID = kRootDirID;
    EXPECT_EQ(PBGetCatInfoSync(&byName), paramErr);
    EXPECT_EQ(PBGetCatInfoSync(nullptr), paramErr);
}
