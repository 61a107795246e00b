#include "platform/icons/ColorTables.h"

namespace platform::icons {

namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return 0xFF000000u | (r << 16) | (g << 8) | b; }

ColorTable MakeMono() {
    ColorTable t;
    t.id = kMonoTableID;
    t.count = 2;
    t.entries[0] = Rgb(255, 255, 255);
    t.entries[1] = Rgb(0, 0, 0);
    return t;
}

ColorTable MakeGray() {
    ColorTable t;
    t.id = kGrayTableID;
    t.count = 256;
    for (uint32_t i = 0; i < 256; ++i) t.entries[i] = Rgb(255 - i, 255 - i, 255 - i);
    return t;
}

// A 6x6x6 cube from white down in steps of 0x33 without its black corner
// (215 entries), ten-step ramps of red, green, blue and grey over the values
// the cube lacks, and black last.
ColorTable MakeSystem() {
    ColorTable t;
    t.id = kSystemTableID;
    t.count = 256;
    std::size_t n = 0;
    for (; n < 215; ++n) {
        const uint32_t r = 255 - 51 * uint32_t(n / 36), g = 255 - 51 * uint32_t(n / 6 % 6),
                       b = 255 - 51 * uint32_t(n % 6);
        t.entries[n] = Rgb(r, g, b);
    }
    const uint32_t ramp[10] = {0xEE, 0xDD, 0xBB, 0xAA, 0x88, 0x77, 0x55, 0x44, 0x22, 0x11};
    for (uint32_t v : ramp) t.entries[n++] = Rgb(v, 0, 0);
    for (uint32_t v : ramp) t.entries[n++] = Rgb(0, v, 0);
    for (uint32_t v : ramp) t.entries[n++] = Rgb(0, 0, v);
    for (uint32_t v : ramp) t.entries[n++] = Rgb(v, v, v);
    t.entries[n] = Rgb(0, 0, 0);
    return t;
}

const ColorTable kMono = MakeMono();
const ColorTable kGray = MakeGray();
const ColorTable kSystem = MakeSystem();

}  // namespace

CTabHandle GetCTable(int16_t id) {
    switch (id) {
    case kMonoTableID: return &kMono;
    case kSystemTableID: return &kSystem;
    case kGrayTableID: return &kGray;
    default: return nullptr;
    }
}

uint8_t NearestSystemColor(uint32_t rgb) {
    const int r = int(rgb >> 16 & 0xFF), g = int(rgb >> 8 & 0xFF), b = int(rgb & 0xFF);
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const uint32_t e = kSystem.entries[std::size_t(i)];
        const int dr = r - int(e >> 16 & 0xFF), dg = g - int(e >> 8 & 0xFF), db = b - int(e & 0xFF);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return uint8_t(best);
}

}  // namespace platform::icons
