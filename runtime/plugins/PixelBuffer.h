#pragma once
// Turning a plug-in's pixel buffer into an image.

#include <array>
#include <cstdint>

#include <QImage>

#include "runtime/plugins/PluginInterface.h"

namespace runtime {

using ColorTable256 = std::array<uint32_t, 256>;  // 0xAARRGGBB entries

// The standard tables of the indexed formats (see REALpixelBuffer).
const ColorTable256& StandardGrayTable();
const ColorTable256& StandardMonoTable();  // entries 0 and 1 used
const ColorTable256& StandardIndexed8Table();

// The buffer as an opaque ARGB32 image of its size, its pixels copied; a null
// QImage when the buffer is malformed. Never reads outside buffer.byteCount.
QImage ImageFromPixelBuffer(const REALpixelBuffer& buffer);

}  // namespace runtime
