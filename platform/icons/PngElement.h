#pragma once
// The PNG elements (ic08, ic09) of an .icns file.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/icons/IconFamily.h"

namespace platform::icons {

// True when the bytes begin with a PNG signature and an image header of
// exactly width x height pixels.
bool IsPngOfSize(const uint8_t* data, size_t size, int width, int height);

// The image as ARGB, 4 bytes a pixel with alpha first (not premultiplied);
// nullopt when the bytes are no PNG of that size or do not decode.
std::optional<ElementData> DecodePngElement(const uint8_t* data, size_t size, int width, int height);

}  // namespace platform::icons
