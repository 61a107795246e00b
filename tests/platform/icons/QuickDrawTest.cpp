// Colour tables and offscreen worlds.

#include <vector>

#include <gtest/gtest.h>

#include "platform/icons/ColorTables.h"
#include "platform/icons/Offscreen.h"

namespace {

using namespace platform::carbon;
using namespace platform::icons;

TEST(ColorTables, StandardTables) {
    CTabHandle gray = GetCTable(40), mono = GetCTable(1), system = GetCTable(8);
    ASSERT_TRUE(gray && mono && system);
    EXPECT_EQ(gray->entries[0], 0xFFFFFFFFu);
    EXPECT_EQ(gray->entries[255], 0xFF000000u);
    EXPECT_EQ(mono->count, 2);
    EXPECT_EQ(mono->entries[1], 0xFF000000u);
    EXPECT_EQ(system->entries[0], 0xFFFFFFFFu);
    EXPECT_EQ(system->entries[215], 0xFFEE0000u);
    EXPECT_EQ(system->entries[255], 0xFF000000u);
    EXPECT_EQ(GetCTable(2), nullptr);

    EXPECT_EQ(NearestSystemColor(0xFFFFFF), 0);
    EXPECT_EQ(NearestSystemColor(0x000000), 255);
    EXPECT_EQ(NearestSystemColor(0xED0101), 215);
}

TEST(Offscreen, WorldsOverCallerMemory) {
    std::vector<uint8_t> pixels(64 * 16);
    Rect bounds;
    SetRect(&bounds, 0, 0, 16, 16);
    GWorldPtr world = nullptr;
    ASSERT_EQ(NewGWorldFromPtr(&world, k32ARGBPixelFormat, &bounds, nullptr, nullptr, 0, pixels.data(), 64), noErr);
    ASSERT_NE(world, nullptr);
    EXPECT_EQ(world->baseAddr, pixels.data());

    CGrafPtr port = nullptr;
    GDHandle device = nullptr;
    GetGWorld(&port, &device);
    EXPECT_EQ(port, nullptr);
    SetGWorld(world, nullptr);
    GetGWorld(&port, &device);
    EXPECT_EQ(port, world);
    DisposeGWorld(world);
    GetGWorld(&port, &device);
    EXPECT_EQ(port, nullptr) << "a disposed world is no longer current";
}

TEST(Offscreen, RefusesMalformedWorlds) {
    std::vector<uint8_t> pixels(64);
    Rect bounds, empty;
    SetRect(&bounds, 0, 0, 16, 12);
    SetRect(&empty, 0, 0, 0, 12);
    GWorldPtr world = reinterpret_cast<GWorldPtr>(&pixels);
    EXPECT_EQ(NewGWorldFromPtr(&world, 24, &bounds, nullptr, nullptr, 0, pixels.data(), 64), cDepthErr);
    EXPECT_EQ(world, nullptr);
    EXPECT_EQ(NewGWorldFromPtr(&world, k1MonochromePixelFormat, &bounds, nullptr, nullptr, 0, pixels.data(), 1),
              paramErr)
        << "16 one-bit pixels need 2 bytes a row";
    EXPECT_EQ(NewGWorldFromPtr(&world, k8IndexedPixelFormat, &empty, nullptr, nullptr, 0, pixels.data(), 16), paramErr);
    EXPECT_EQ(NewGWorldFromPtr(&world, k8IndexedPixelFormat, &bounds, nullptr, nullptr, 0, nullptr, 16), paramErr);
    EXPECT_EQ(NewGWorldFromPtr(&world, k8IndexedPixelFormat, nullptr, nullptr, nullptr, 0, pixels.data(), 16),
              paramErr);
    EXPECT_EQ(NewGWorldFromPtr(nullptr, k8IndexedPixelFormat, &bounds, nullptr, nullptr, 0, pixels.data(), 16),
              paramErr);
    ASSERT_EQ(NewGWorldFromPtr(&world, k8IndexedGrayPixelFormat, &bounds, GetCTable(40), nullptr, 0, pixels.data(), 16),
              noErr);
    EXPECT_EQ(world->Height(), 12);
    DisposeGWorld(world);
}

}  // namespace
