// Reading .icns data: packed and PNG elements, and damaged files.

#include "platform/icons/IcnsReader.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/icons/ElementTypes.h"
#include "platform/icons/RunLength.h"
#include "tests/platform/icons/ElementCodes.h"
#include "tests/support/IcnsBuilder.h"

namespace {

using namespace platform::carbon;
using namespace platform::icons;
using namespace icontest;
using namespace testsupport;

TEST(RunLength, UnpacksLiteralsAndRepeatsAcrossChannels) {
    // 2 literals, then a repeat of 5 that runs from the first plane into the second.
    const Bytes packed = {0x01, 10, 20, 0x82, 7};
    auto out = UnpackRuns(packed.data(), packed.size(), 7);
    ASSERT_TRUE(out);
    EXPECT_EQ(*out, (Bytes{10, 20, 7, 7, 7, 7, 7}));
    EXPECT_EQ(*UnpackRuns(PackRuns(Bytes(300, 9)).data(), PackRuns(Bytes(300, 9)).size(), 300), Bytes(300, 9));
}

TEST(RunLength, RefusesShortDataAndOverlongRuns) {
    const Bytes literalPastEnd = {0x05, 1, 2};
    EXPECT_FALSE(UnpackRuns(literalPastEnd.data(), literalPastEnd.size(), 6));
    const Bytes repeatWithoutByte = {0x80};
    EXPECT_FALSE(UnpackRuns(repeatWithoutByte.data(), repeatWithoutByte.size(), 3));
    const Bytes runTooLong = {0x85, 1};  // 8 bytes into 4
    EXPECT_FALSE(UnpackRuns(runTooLong.data(), runTooLong.size(), 4));
    const Bytes tooFew = {0x80, 1};
    EXPECT_FALSE(UnpackRuns(tooFew.data(), tooFew.size(), 4));
    EXPECT_FALSE(UnpackRuns(nullptr, 0, 1));
}

TEST(IcnsReader, UnpacksColourAndTakesAlphaFromTheMask) {
    Bytes mask(256, 0);
    for (size_t i = 0; i < 128; ++i) mask[i] = 255;  // top half opaque
    const auto family = ReadIcnsData(Icns().Add("is32", PackedColor(256, 200, 100, 50)).Add("s8mk", mask).Data());
    auto color = family->ElementBytes(kIs32);
    ASSERT_TRUE(color);
    ASSERT_EQ(color->size(), 1024u);
    EXPECT_EQ((Bytes{(*color)[0], (*color)[1], (*color)[2], (*color)[3]}), (Bytes{255, 200, 100, 50}));
    EXPECT_EQ((*color)[4 * 200], 0) << "a pixel of the bottom half is transparent";
    EXPECT_EQ(family->ElementBytes(kS8mk), mask);
}

TEST(IcnsReader, ColourWithoutMaskIsOpaqueAndIt32SkipsItsLeadingZeros) {
    Bytes it32 = {0, 0, 0, 0};
    const Bytes packed = PackedColor(128 * 128, 1, 2, 3);
    it32.insert(it32.end(), packed.begin(), packed.end());
    const auto family = ReadIcnsData(Icns().Add("it32", it32).Data());
    auto color = family->ElementBytes(kIt32);
    ASSERT_TRUE(color);
    ASSERT_EQ(color->size(), 128u * 128u * 4u);
    EXPECT_EQ((Bytes(color->end() - 4, color->end())), (Bytes{255, 1, 2, 3}));
}

TEST(IcnsReader, DecodesPngElementsToArgbWithAlphaFirst) {
    const auto family = ReadIcnsData(Icns().Add("ic08", PngBytes(HalfOpaqueImage(256, 256))).Data());
    ASSERT_TRUE(family->HasElement(kIc08));
    auto argb = family->ElementBytes(kIc08);
    ASSERT_TRUE(argb);
    ASSERT_EQ(argb->size(), 256u * 256u * 4u);
    EXPECT_EQ((Bytes(argb->begin(), argb->begin() + 4)), (Bytes{255, 255, 0, 0}));
    EXPECT_EQ((*argb)[4 * 200], 0) << "the right half is transparent";
}

TEST(IcnsReader, KeepsPlainElementsOfTheirExactSizeOnly) {
    const auto family = ReadIcnsData(Icns().Add("ics#", Bytes(64, 0xAA)).Add("s8mk", Bytes(255, 1)).Data());
    EXPECT_EQ(family->ElementBytes(kIcsMono), Bytes(64, 0xAA));
    EXPECT_FALSE(family->HasElement(kS8mk)) << "one byte short";
}

TEST(IcnsReader, DamagedDataGivesNoElementAndNeverReadsPastTheEnd) {
    const Bytes good = Icns().Add("ics#", Bytes(64, 1)).Add("is32", PackedColor(256, 9, 9, 9)).Data();

    // Truncated in the second entry: the first stays, the second is gone.
    auto truncated = ReadIcnsData(Bytes(good.begin(), good.end() - 3));
    EXPECT_TRUE(truncated->HasElement(kIcsMono));
    EXPECT_FALSE(truncated->HasElement(kIs32));

    // An entry length beyond the file, and one shorter than its header.
    Bytes tooLong = good;
    tooLong[8 + 4] = 0x7F;
    EXPECT_TRUE(ReadIcnsData(tooLong)->ElementTypes().empty());
    Bytes tooShort = good;
    tooShort[8 + 7] = 4;
    EXPECT_TRUE(ReadIcnsData(tooShort)->ElementTypes().empty());

    // A declared total shorter than the file reads only that much.
    Bytes shortTotal = good;
    shortTotal[7] = uint8_t(8 + 8 + 64);
    shortTotal[6] = 0;
    EXPECT_EQ(ReadIcnsData(shortTotal)->ElementTypes(), (std::vector<OSType>{kIcsMono}));

    // No magic, nothing at all, packed data that stops early, a PNG that is no PNG.
    Bytes noMagic = good;
    noMagic[0] = 'x';
    EXPECT_TRUE(ReadIcnsData(noMagic)->ElementTypes().empty());
    EXPECT_TRUE(ReadIcnsData(Bytes{})->ElementTypes().empty());
    Bytes packed = PackedColor(256, 1, 2, 3);
    packed.pop_back();
    EXPECT_FALSE(ReadIcnsData(Icns().Add("is32", packed).Data())->HasElement(kIs32));
    EXPECT_FALSE(ReadIcnsData(Icns().Add("it32", Bytes{0, 0}).Data())->HasElement(kIt32));
    Bytes png = PngBytes(HalfOpaqueImage(256, 256));
    png.resize(png.size() / 2);
    auto halfPng = ReadIcnsData(Icns().Add("ic08", png).Data());
    EXPECT_FALSE(halfPng->ElementBytes(kIc08)) << "a cut PNG does not decode";
    EXPECT_FALSE(ReadIcnsData(Icns().Add("ic08", PngBytes(HalfOpaqueImage(128, 128))).Data())->HasElement(kIc08))
        << "a PNG of the wrong size";
}

TEST(IcnsReader, EveryDeclaredLengthIsBoundedByTheFile) {
    // "icns" total, then one ics# entry: kept only when both lengths are right.
    const Bytes good = Icns().Add("ics#", Bytes(64, 1)).Data();
    const uint32_t fileSize = uint32_t(good.size());
    std::vector<uint32_t> totals, entries;
    for (uint32_t n = 0; n <= 16; ++n) totals.push_back(n);
    for (uint32_t n = 0; n <= 8; ++n) entries.push_back(n);
    for (uint32_t n :
         {fileSize - 9, fileSize - 8, fileSize - 1, fileSize, fileSize + 1, 0x7FFFFFFFu, 0xFFFFFFF0u, 0xFFFFFFFFu}) {
        totals.push_back(n);
        entries.push_back(n);
    }
    const auto put = [](Bytes& bytes, size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = uint8_t(v >> (24 - 8 * i));
    };
    for (uint32_t total : totals) {
        for (uint32_t entry : entries) {
            Bytes file = good;
            put(file, 4, total);
            put(file, 12, entry);
            const bool whole = total >= fileSize && entry == fileSize - 8;
            EXPECT_EQ(ReadIcnsData(file)->HasElement(kIcsMono), whole) << total << " " << entry;
            // The same header alone: 16 bytes with nothing after the entry header.
            EXPECT_TRUE(ReadIcnsData(Bytes(file.begin(), file.begin() + 16))->ElementTypes().empty());
        }
    }
}

TEST(IcnsReader, SurvivesEveryTruncationAndByteFlip) {
    const Bytes good = Icns()
                           .Add("is32", PackedColor(256, 9, 8, 7))
                           .Add("s8mk", Bytes(256, 255))
                           .Add("ICN#", Bytes(256, 3))
                           .Add("ic08", PngBytes(HalfOpaqueImage(256, 256)))
                           .Data();
    // Every element handed out has its full size, whatever the damage.
    const auto expectWholeElements = [](const Bytes& data) {
        const auto family = ReadIcnsData(data);
        for (OSType type : family->ElementTypes()) {
            if (auto element = family->ElementBytes(type)) {
                EXPECT_EQ(element->size(), FindElementType(type)->DataSize());
            }
        }
    };
    for (size_t n = 0; n < good.size(); n += 7) expectWholeElements(Bytes(good.begin(), good.begin() + long(n)));
    for (size_t i = 0; i < 200 && i < good.size(); ++i) {
        Bytes damaged = good;
        damaged[i] ^= 0xFF;
        expectWholeElements(damaged);
    }
}

TEST(IcnsReader, ReadsOnlyRegularFiles) {
    testsupport::TempFolder tmp;
    const std::filesystem::path dir = tmp.Path();
    EXPECT_EQ(ReadIcnsFile((dir / "missing.icns").string()), nullptr);
    EXPECT_EQ(ReadIcnsFile(dir.string()), nullptr);
    ASSERT_EQ(mkfifo((dir / "pipe.icns").c_str(), 0600), 0);
    EXPECT_EQ(ReadIcnsFile((dir / "pipe.icns").string()), nullptr) << "read without blocking";
    WriteFile(dir / "a.icns", Icns().Add("ics#", Bytes(64, 1)).Data());
    auto family = ReadIcnsFile((dir / "a.icns").string());
    ASSERT_NE(family, nullptr);
    EXPECT_TRUE(family->HasElement(kIcsMono));
}

}  // namespace
