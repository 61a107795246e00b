#include "platform/icons/PngElement.h"

#include "platform/icons/IconRendering.h"

#include <QImage>

#include <cstring>

namespace platform::icons {

namespace {

uint32_t ReadBig32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

}  // namespace

bool IsPngOfSize(const uint8_t* data, size_t size, int width, int height) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    // Signature, then the IHDR chunk: length, "IHDR", width, height.
    if (!data || size < 24) return false;
    if (std::memcmp(data, kSignature, 8) != 0 || std::memcmp(data + 12, "IHDR", 4) != 0) return false;
    return ReadBig32(data + 16) == uint32_t(width) && ReadBig32(data + 20) == uint32_t(height);
}

std::optional<ElementData> DecodePngElement(const uint8_t* data, size_t size, int width, int height) {
    // The header is checked first, so a damaged file never makes Qt allocate
    // an image of the size it claims.
    if (!IsPngOfSize(data, size, width, height) || size > size_t(INT32_MAX)) return std::nullopt;
    QImage image;
    if (!image.loadFromData(data, int(size), "PNG")) return std::nullopt;
    if (image.width() != width || image.height() != height) return std::nullopt;
    return ArgbData(image);
}

}  // namespace platform::icons
