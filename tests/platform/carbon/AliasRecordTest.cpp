#include "platform/carbon/AliasRecord.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/AliasRecord.h"

using namespace platform::carbon;
using testsupport::AliasRecordFor;
using testsupport::AliasRecordParts;
using testsupport::BuildAliasRecord;

TEST(CarbonAliasRecord, ReadsTheFieldsTheWriterPutIn) {
    const auto fields = ParseAliasRecord(AliasRecordFor("/home/user/書類", true, {.parentID = 4711}));
    ASSERT_TRUE(fields);
    EXPECT_TRUE(fields->folder);
    EXPECT_EQ(fields->volumeName, "Macintosh HD");
    EXPECT_EQ(fields->parentID, 4711);
    EXPECT_EQ(fields->name, testsupport::MacJapanese("書類"));
    EXPECT_EQ(fields->absolutePath, testsupport::MacJapanese("Macintosh HD:home:user:書類:"));
    EXPECT_EQ(fields->posixPath, "/home/user/書類");
    EXPECT_FALSE(fields->posixMountPoint);

    const auto file = ParseAliasRecord(AliasRecordFor("/tmp/a.txt", false, {.absolutePath = false}));
    ASSERT_TRUE(file);
    EXPECT_FALSE(file->folder);
    EXPECT_FALSE(file->absolutePath);
    EXPECT_EQ(file->posixPath, "/tmp/a.txt");
}

TEST(CarbonAliasRecord, FieldsAfterAnOddLengthAndUnknownTagsAreFound) {
    AliasRecordParts parts;
    parts.name = "x";
    parts.fields = {{7, "odd"}, {18, "/a"}, {2, "Macintosh HD:a"}, {18, "/second"}, {19, "/Volumes/D"}};
    const auto fields = ParseAliasRecord(BuildAliasRecord(parts));
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->posixPath, "/a");  // the first of a tag
    EXPECT_EQ(fields->absolutePath, "Macintosh HD:a");
    EXPECT_EQ(fields->posixMountPoint, "/Volumes/D");
}

TEST(CarbonAliasRecord, NothingIsReadPastTheEndMarkerOrTheSizeWord) {
    AliasRecordParts parts;
    parts.endMarker = false;
    parts.fields = {{-1, ""}, {18, "/after"}};
    const auto fields = ParseAliasRecord(BuildAliasRecord(parts));
    ASSERT_TRUE(fields);
    EXPECT_FALSE(fields->posixPath);

    parts = {};
    parts.fields = {{18, "/inside"}};
    parts.recordSizeOverride = 150;  // the field lies beyond the record
    const auto bounded = ParseAliasRecord(BuildAliasRecord(parts));
    ASSERT_TRUE(bounded);
    EXPECT_FALSE(bounded->posixPath);
}

TEST(CarbonAliasRecord, DamagedRecordsAreRefused) {
    const std::string good = AliasRecordFor("/tmp/x", true);
    EXPECT_FALSE(ParseAliasRecord(""));
    EXPECT_FALSE(ParseAliasRecord(good.substr(0, 149)));
    EXPECT_FALSE(ParseAliasRecord(good.substr(0, good.size() - 1)));  // shorter than its size word

    std::string version3 = good;
    version3[7] = 3;
    EXPECT_FALSE(ParseAliasRecord(version3));

    AliasRecordParts parts;
    parts.nameLengthOverride = 64;
    EXPECT_FALSE(ParseAliasRecord(BuildAliasRecord(parts)));
    parts.nameLengthOverride = -1;
    parts.volumeName = std::string(27, 'v');
    std::string longVolume = BuildAliasRecord(parts);
    longVolume[10] = 28;
    EXPECT_FALSE(ParseAliasRecord(longVolume));

    parts = {};
    parts.fields = {{18, "/tmp/x"}};
    parts.endMarker = false;
    std::string overrun = BuildAliasRecord(parts);
    overrun[153] = 7;  // the field claims 7 bytes past its own 6 and the record's end
    EXPECT_FALSE(ParseAliasRecord(overrun));

    parts.recordSizeOverride = 100;
    EXPECT_FALSE(ParseAliasRecord(BuildAliasRecord(parts)));
}

// Parsed or salvaged, no field is read from outside the bytes.
TEST(CarbonAliasRecord, AnyCutOrScrambleOfARecordIsReadSafely) {
    const std::string good = AliasRecordFor("/home/user/Documents/書類", true);
    auto check = [](const std::string& bytes, const std::optional<AliasRecordFields>& fields) {
        if (!fields) return;
        EXPECT_LE(fields->name.size(), 63u);
        EXPECT_LE(fields->volumeName.size(), 27u);
        for (const auto& field : {fields->absolutePath, fields->posixPath, fields->posixMountPoint}) {
            if (field) {
                EXPECT_NE(bytes.find(*field), std::string::npos);
            }
        }
    };
    for (size_t n = 0; n <= good.size(); ++n) {
        const std::string cut = good.substr(0, n);
        check(cut, ParseAliasRecord(cut));
        check(cut, SalvageAliasRecord(cut));
    }
    std::mt19937 random(42);
    for (int round = 0; round < 2000; ++round) {
        std::string bad = good;
        for (int k = 0; k < 4; ++k) bad[random() % bad.size()] = static_cast<char>(random());
        check(bad, ParseAliasRecord(bad));
        check(bad, SalvageAliasRecord(bad));
    }
}
