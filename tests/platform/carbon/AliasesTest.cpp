#include "platform/carbon/Aliases.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/carbon/Catalog.h"
#include "tests/support/AliasRecord.h"
#include "tests/support/TempFolder.h"

using namespace platform::carbon;
using testsupport::AliasRecordFor;
using testsupport::AliasRecordParts;
using testsupport::BuildAliasRecord;
using testsupport::MacJapanese;

namespace {

class CarbonAliases : public ::testing::Test {
protected:
    OSErr Resolve(const std::string& record) {
        const Handle h = NewHandle(static_cast<int32_t>(record.size()));
        EXPECT_EQ(SetHandleBytes(h, 0, record), noErr);
        target = FSSpec{};
        target.parID = -5;
        Boolean changed = 9;
        const OSErr result = ResolveAlias(nullptr, h, &target, &changed);
        EXPECT_EQ(changed, 0);
        DisposeHandle(h);
        return result;
    }
    std::string TargetName() const {
        return std::string(reinterpret_cast<const char*>(target.name + 1), target.name[0]);
    }
    static std::string MacPath(std::string posix, bool folder) {
        for (char& c : posix)
            if (c == '/') c = ':';
        return MacJapanese("Macintosh HD" + posix + (folder ? ":" : ""));
    }

    testsupport::TempFolder root;
    FSSpec target;
};

}  // namespace

TEST_F(CarbonAliases, FindsTheTargetByItsPosixPath) {
    const std::string file = root.Write("フォルダ/memo.txt", "x");
    ASSERT_EQ(Resolve(AliasRecordFor(file, false)), noErr);
    EXPECT_EQ(target.vRefNum, kRootVRefNum);
    EXPECT_EQ(target.parID, DirectoryIDOfPath(root / "フォルダ"));
    EXPECT_EQ(TargetName(), "memo.txt");

    const std::string folder = root.MakeFolder("フォルダ/書類");
    ASSERT_EQ(Resolve(AliasRecordFor(folder, true)), noErr);
    EXPECT_EQ(TargetName(), MacJapanese("書類"));
}

TEST_F(CarbonAliases, PosixPathWinsOverAStaleMacPath) {
    const std::string moved = root.MakeFolder("now");
    AliasRecordParts parts;
    parts.folder = true;
    parts.fields = {{2, MacPath(root / "before", true)}, {18, moved}};
    root.MakeFolder("before");
    ASSERT_EQ(Resolve(BuildAliasRecord(parts)), noErr);
    EXPECT_EQ(TargetName(), "now");
}

TEST_F(CarbonAliases, MacPathIsTheFallbackAndMatchesWithoutRegardToCase) {
    root.MakeFolder("Docs/書類");
    AliasRecordParts parts;
    parts.folder = true;
    parts.fields = {{18, root / "missing"}, {2, MacPath(root / "DOCS/書類", true)}};
    ASSERT_EQ(Resolve(BuildAliasRecord(parts)), noErr);
    EXPECT_EQ(target.parID, DirectoryIDOfPath(root / "Docs"));  // the name on the disk
    EXPECT_EQ(TargetName(), MacJapanese("書類"));

    parts.fields = {{2, MacJapanese("Other Disk:" + root.Path().substr(1) + ":Docs:")}};
    EXPECT_EQ(Resolve(BuildAliasRecord(parts)), fnfErr);  // only the root volume is here
}

TEST_F(CarbonAliases, PosixPathIsTakenBelowTheRecordedMountPoint) {
    root.MakeFolder("vol/inner");
    AliasRecordParts parts;
    parts.fields = {{18, "/inner"}, {19, root / "vol"}};
    ASSERT_EQ(Resolve(BuildAliasRecord(parts)), noErr);
    EXPECT_EQ(target.parID, DirectoryIDOfPath(root / "vol"));
}

TEST_F(CarbonAliases, TheRootFolderIsTheVolume) {
    ASSERT_EQ(Resolve(AliasRecordFor("/", true)), noErr);
    EXPECT_EQ(target.parID, kRootParentDirID);
    EXPECT_EQ(TargetName(), "Macintosh HD");
}

TEST_F(CarbonAliases, WhatCannotBeFoundOrNamedIsAnErrorAndLeavesTheSpec) {
    EXPECT_EQ(Resolve(AliasRecordFor(root / "nothing", true)), fnfErr);
    EXPECT_EQ(target.parID, -5);
    EXPECT_EQ(Resolve(AliasRecordFor(root.Write("caf\xC3\xA9/x", "x"), false)),
              bdNamErr);  // a folder above has no Mac Japanese name
    EXPECT_EQ(Resolve(AliasRecordFor(root.Write(std::string(64, 'n'), "x"), false)), bdNamErr);
    EXPECT_EQ(target.parID, -5);
    EXPECT_EQ(Resolve(AliasRecordFor(root.Write(std::string(63, 'n'), "x"), false)), noErr);

    const std::string record = AliasRecordFor(root.MakeFolder("ok"), true);
    EXPECT_EQ(Resolve(record.substr(0, 160)), paramErr);
    EXPECT_EQ(Resolve("not a record"), paramErr);
    const Handle unknown = NewHandle(0);
    DisposeHandle(unknown);
    EXPECT_EQ(ResolveAlias(nullptr, unknown, &target, nullptr), paramErr);
    const Handle h = NewHandle(static_cast<int32_t>(record.size()));
    ASSERT_EQ(SetHandleBytes(h, 0, record), noErr);
    EXPECT_EQ(ResolveAlias(nullptr, h, nullptr, nullptr), paramErr);
    DisposeHandle(h);
}
