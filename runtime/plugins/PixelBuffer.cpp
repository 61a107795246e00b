#include "runtime/plugins/PixelBuffer.h"

namespace runtime {

namespace {

constexpr int32_t kMaxSide = 16384;
constexpr uint32_t kBlack = 0xFF000000u;

uint32_t Opaque(uint32_t argb) { return argb | 0xFF000000u; }

uint32_t Grey(uint32_t v) { return 0xFF000000u | (v << 16) | (v << 8) | v; }

int BitsPerPixel(int32_t format) {
    switch (format) {
    case REALPixelFormatMono1: return 1;
    case REALPixelFormatIndexed8:
    case REALPixelFormatGray8: return 8;
    case REALPixelFormatARGB32: return 32;
    default: return 0;
    }
}

ColorTable256 MakeGrayTable() {
    ColorTable256 t{};
    for (uint32_t i = 0; i < 256; ++i) t[i] = Grey(255 - i);
    return t;
}

ColorTable256 MakeMonoTable() {
    ColorTable256 t{};
    t.fill(kBlack);
    t[0] = Grey(255);
    return t;
}

// A 6x6x6 cube running from white down to black in steps of 0x33 (215 entries),
// then ten-step ramps of red, green, blue and grey over the values the cube
// lacks, then black.
ColorTable256 MakeIndexed8Table() {
    ColorTable256 t{};
    size_t n = 0;
    for (; n < 215; ++n) {  // the cube without its black corner, which comes last
        const uint32_t r = 255 - 51 * (n / 36), g = 255 - 51 * (n / 6 % 6), b = 255 - 51 * (n % 6);
        t[n] = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
    const uint32_t ramp[10] = {0xEE, 0xDD, 0xBB, 0xAA, 0x88, 0x77, 0x55, 0x44, 0x22, 0x11};
    for (uint32_t v : ramp) t[n++] = 0xFF000000u | (v << 16);
    for (uint32_t v : ramp) t[n++] = 0xFF000000u | (v << 8);
    for (uint32_t v : ramp) t[n++] = 0xFF000000u | v;
    for (uint32_t v : ramp) t[n++] = Grey(v);
    t[n] = kBlack;
    return t;
}

// The table the buffer's indexes refer to: its own (entries beyond it black)
// or the format's standard one.
ColorTable256 TableFor(const REALpixelBuffer& b) {
    if (!b.colorTable) {
        switch (b.pixelFormat) {
        case REALPixelFormatMono1: return StandardMonoTable();
        case REALPixelFormatGray8: return StandardGrayTable();
        default: return StandardIndexed8Table();
        }
    }
    ColorTable256 t{};
    t.fill(kBlack);
    const int32_t count = b.colorCount < 256 ? b.colorCount : 256;
    for (int32_t i = 0; i < count; ++i) t[static_cast<size_t>(i)] = Opaque(b.colorTable[i]);
    return t;
}

}  // namespace

const ColorTable256& StandardGrayTable() {
    static const ColorTable256 table = MakeGrayTable();
    return table;
}

const ColorTable256& StandardMonoTable() {
    static const ColorTable256 table = MakeMonoTable();
    return table;
}

const ColorTable256& StandardIndexed8Table() {
    static const ColorTable256 table = MakeIndexed8Table();
    return table;
}

QImage ImageFromPixelBuffer(const REALpixelBuffer& b) {
    const int bits = BitsPerPixel(b.pixelFormat);
    if (bits == 0 || !b.pixels) return {};
    if (b.width < 1 || b.width > kMaxSide || b.height < 1 || b.height > kMaxSide) return {};
    if (b.colorTable && b.colorCount < 0) return {};

    const int64_t rowUsed = (static_cast<int64_t>(b.width) * bits + 7) / 8;
    if (b.rowBytes < rowUsed) return {};
    const int64_t needed = static_cast<int64_t>(b.rowBytes) * (b.height - 1) + rowUsed;
    if (static_cast<uint64_t>(needed) > b.byteCount) return {};

    QImage image(b.width, b.height, QImage::Format_ARGB32);
    if (image.isNull()) return {};

    const auto* base = static_cast<const uint8_t*>(b.pixels);
    const ColorTable256 table = bits == 32 ? ColorTable256{} : TableFor(b);
    for (int32_t y = 0; y < b.height; ++y) {
        const uint8_t* row = base + static_cast<int64_t>(b.rowBytes) * y;
        auto* out = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int32_t x = 0; x < b.width; ++x) {
            switch (bits) {
            case 32: {
                const uint8_t* p = row + 4 * x;
                out[x] = 0xFF000000u | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
                break;
            }
            case 8: out[x] = table[row[x]]; break;
            default: out[x] = table[(row[x / 8] >> (7 - x % 8)) & 1u]; break;
            }
        }
    }
    return image;
}

}  // namespace runtime
