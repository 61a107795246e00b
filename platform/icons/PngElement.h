#pragma once
// The PNG images of an .icns file: ic08 and ic09, elements of a family, and
// the other square sizes current icon tools write (ic07, ic10 ... ic14).

#include <cstddef>
#include <cstdint>
#include <optional>

#include <QImage>

#include "platform/carbon/MacTypes.h"
#include "platform/icons/IconFamily.h"

namespace platform::icons {

// The side in pixels of the PNG image an entry of that type holds; 0 for a
// type that holds none.
int PngImageSide(carbon::OSType type);

// True when the bytes begin with a PNG signature and an image header of
// exactly width x height pixels.
bool IsPngOfSize(const uint8_t* data, size_t size, int width, int height);

// The image as decoded; a null image when the bytes are no PNG of
// side x side pixels or do not decode.
QImage DecodePngImage(const uint8_t* data, size_t size, int side);

// The image as ARGB, 4 bytes a pixel with alpha first (not premultiplied);
// nullopt when the bytes are no PNG of that size or do not decode.
std::optional<ElementData> DecodePngElement(const uint8_t* data, size_t size, int width, int height);

}  // namespace platform::icons
