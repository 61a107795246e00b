#include "platform/icons/PngElement.h"

#include <cstring>

#include "platform/icons/IconRendering.h"

namespace platform::icons {

using namespace carbon;

namespace {

uint32_t ReadBig32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

struct PngType {
    OSType type;
    int side;
};

constexpr PngType kPngTypes[] = {
    {FourCharCode("ic07"), 128}, {FourCharCode("ic08"), 256}, {FourCharCode("ic09"), 512}, {FourCharCode("ic10"), 1024},
    {FourCharCode("ic11"), 32},  {FourCharCode("ic12"), 64},  {FourCharCode("ic13"), 256}, {FourCharCode("ic14"), 512},
};

}  // namespace

int PngImageSide(OSType type) {
    for (const PngType& png : kPngTypes) {
        if (png.type == type) return png.side;
    }
    return 0;
}

bool IsPngOfSize(const uint8_t* data, size_t size, int width, int height) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    // Signature, then the IHDR chunk: length, "IHDR", width, height.
    if (!data || size < 24) return false;
    if (std::memcmp(data, kSignature, 8) != 0 || std::memcmp(data + 12, "IHDR", 4) != 0) return false;
    return ReadBig32(data + 16) == uint32_t(width) && ReadBig32(data + 20) == uint32_t(height);
}

QImage DecodePngImage(const uint8_t* data, size_t size, int side) {
    // The header is checked first, so a damaged file never makes Qt allocate
    // an image of the size it claims.
    if (!IsPngOfSize(data, size, side, side) || size > size_t(INT32_MAX)) return {};
    QImage image;
    if (!image.loadFromData(data, int(size), "PNG") || image.width() != side || image.height() != side) return {};
    return image;
}

std::optional<ElementData> DecodePngElement(const uint8_t* data, size_t size, int width, int height) {
    if (width != height) return std::nullopt;
    const QImage image = DecodePngImage(data, size, width);
    if (image.isNull()) return std::nullopt;
    return ArgbData(image);
}

}  // namespace platform::icons
