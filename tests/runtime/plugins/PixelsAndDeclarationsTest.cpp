// Declaration matching, pixel-buffer conversion and the entry table, without
// loading any library.

#include <climits>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/plugins/Declaration.h"
#include "runtime/plugins/PixelBuffer.h"
#include "runtime/plugins/PluginEntrypoints.h"

namespace {

using namespace runtime;

TEST(Declaration, FoldsAsciiCaseAndWhiteSpaceButKeepsWhatTellsMethodsApart) {
    const std::pair<const char*, const char*> cases[] = {
        {"  GetIconFromFile ( f  As\tFolderItem ,\n iconID As Integer )As Picture  ",
         "geticonfromfile(f as folderitem,iconid as integer)as picture"},
        {"Value  As  Integer", "value as integer"},
        {"Name(a As Integer) : Picture", "name(a as integer):picture"},
        {"   ", ""},
        {"Ä(名前 As String)", "Ä(名前 as string)"},  // other bytes stay as they are
    };
    for (const auto& [declaration, normalised] : cases)
        EXPECT_EQ(NormaliseDeclaration(declaration), normalised) << declaration;
    EXPECT_NE(NormaliseDeclaration("GetIcon(f As FolderItem) As Picture"),
              NormaliseDeclaration("GetIcon(f As FolderItem) As Pict ure"));
    EXPECT_NE(NormaliseDeclaration("A(x As Integer)"), NormaliseDeclaration("A(xAs Integer)"));
}

REALpixelBuffer Grey(int32_t w, int32_t h, int32_t rowBytes, const void* px, size_t bytes) {
    return REALpixelBuffer{w, h, rowBytes, REALPixelFormatGray8, px, bytes, nullptr, 0};
}

TEST(PixelBuffer, ReadsExactlyTheRowsItNeeds) {
    // Three rows of two pixels, four bytes apart: the last row needs only two.
    const uint8_t px[10] = {0, 255, 9, 9, 255, 0, 9, 9, 0, 0};
    const QImage image = ImageFromPixelBuffer(Grey(2, 3, 4, px, 10));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(2, 3));
    EXPECT_EQ(image.pixel(0, 1), 0xFF000000u);
    EXPECT_EQ(image.pixel(1, 1), 0xFFFFFFFFu);
    EXPECT_TRUE(ImageFromPixelBuffer(Grey(2, 3, 4, px, 9)).isNull());

    const uint8_t mono[4] = {0x80, 0x80, 0x80, 0x80};  // 9 pixels a row need 2 bytes
    REALpixelBuffer b{9, 2, 2, REALPixelFormatMono1, mono, 4, nullptr, 0};
    EXPECT_FALSE(ImageFromPixelBuffer(b).isNull());
    b.byteCount = 3;
    EXPECT_TRUE(ImageFromPixelBuffer(b).isNull());
    b.byteCount = 4;
    b.rowBytes = 1;
    EXPECT_TRUE(ImageFromPixelBuffer(b).isNull());
}

TEST(PixelBuffer, RefusesMalformedBuffers) {
    const uint8_t px[64] = {};
    EXPECT_TRUE(ImageFromPixelBuffer(Grey(0, 1, 1, px, 64)).isNull());
    EXPECT_TRUE(ImageFromPixelBuffer(Grey(1, -1, 1, px, 64)).isNull());
    EXPECT_TRUE(ImageFromPixelBuffer(Grey(16385, 1, 16385, px, 64)).isNull());
    EXPECT_TRUE(ImageFromPixelBuffer(Grey(1, 1, -4, px, 64)).isNull());
    EXPECT_TRUE(ImageFromPixelBuffer(Grey(1, 1, 1, nullptr, 64)).isNull());
    // Row bytes times height beyond 32 bits must not wrap round to "enough".
    EXPECT_TRUE(ImageFromPixelBuffer(Grey(1, 16384, INT32_MAX, px, 64)).isNull());

    REALpixelBuffer b = Grey(2, 2, 2, px, 4);
    b.pixelFormat = 24;
    EXPECT_TRUE(ImageFromPixelBuffer(b).isNull());
    b = Grey(2, 2, 2, px, 4);
    const uint32_t table[1] = {0};
    b.colorTable = table;
    b.colorCount = -1;
    EXPECT_TRUE(ImageFromPixelBuffer(b).isNull());
    b.colorCount = 0;  // an empty table: every index lies beyond it
    const QImage image = ImageFromPixelBuffer(b);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 0), 0xFF000000u);
}

// The ends of each table are checked through a plug-in's pictures (PluginHostTest).
TEST(PixelBuffer, GreyDarkensStepByStepAndThePaletteHasNoRepeatedColour) {
    const ColorTable256& grey = StandardGrayTable();
    for (size_t i = 1; i < 256; ++i) EXPECT_LT(grey[i] & 0xFF, grey[i - 1] & 0xFF);
    const ColorTable256& palette = StandardIndexed8Table();
    EXPECT_EQ(palette[35], 0xFFFF0000u);   // the cube
    EXPECT_EQ(palette[225], 0xFF00EE00u);  // the green ramp
    EXPECT_EQ(std::set<uint32_t>(palette.begin(), palette.end()).size(), 256u);
}

TEST(PluginEntrypointTable, StaysWithinItsEntries) {
    PluginEntrypointTable table = RuntimeAllocatePluginEntrypointsTable(3);
    EXPECT_EQ(table.Count(), 3);
    int marker = 0;
    table.SetEntry(2, &marker);
    table.SetEntry(3, &marker);
    table.SetEntry(-1, &marker);
    EXPECT_EQ(table.Entry(0), nullptr);
    EXPECT_EQ(table.Entry(2), &marker);
    EXPECT_EQ(table.Entry(3), nullptr);
    EXPECT_EQ(table.Entry(-1), nullptr);
    EXPECT_EQ(RuntimeAllocatePluginEntrypointsTable(-5).Count(), 0);
}

}  // namespace
