#pragma once
// One element of an icon family made into a runtime picture.

#include <cstdint>

#include "platform/icons/IconServices.h"
#include "runtime/plugins/PluginInterface.h"

namespace feltrix {

// The picture of the element that iconID names, with that iconID's geometry;
// nil for an iconID outside 0 ... 19, a family without the element, data
// shorter than the geometry reads, or no offscreen world or picture.
REALpicture PictureFromFamily(const platform::icons::IconFamilyHandle& family, int32_t iconID);

// The same for the icon's family.
REALpicture PictureFromIconRef(const platform::icons::IconRef& iconRef, int32_t iconID);

// The alpha pass of iconID 17 and 19, over `pixels` ARGB pixels: each becomes
// 0, v, v, v with v = 255 - its alpha, so opaque is black, transparent white.
void AlphaToGrey(uint8_t* argb, size_t pixels);

}  // namespace feltrix
