#pragma once
// Offscreen graphics worlds over the caller's memory, and the current port.

#include <cstdint>

#include "platform/carbon/MacTypes.h"
#include "platform/icons/ColorTables.h"

namespace platform::icons {

// The pixel formats a world can take.
inline constexpr uint32_t k1MonochromePixelFormat = 1;
inline constexpr uint32_t k8IndexedPixelFormat = 8;
inline constexpr uint32_t k32ARGBPixelFormat = 32;
inline constexpr uint32_t k8IndexedGrayPixelFormat = 40;

// A world whose pixels are the caller's memory: rowBytes from one row to the
// next, starting at baseAddr. The world does not own them.
struct GWorld {
    carbon::Rect bounds;
    uint32_t pixelFormat = 0;
    CTabHandle colorTable = nullptr;  // nullptr: the format's standard table
    void* baseAddr = nullptr;
    int32_t rowBytes = 0;

    int32_t Width() const { return int32_t(bounds.right) - bounds.left; }
    int32_t Height() const { return int32_t(bounds.bottom) - bounds.top; }
    // The bits of one pixel: 1, 8 or 32.
    int32_t PixelBits() const;
};
using GWorldPtr = GWorld*;
using CGrafPtr = GWorld*;

struct GDevice;  // no devices are kept; the type stands for "no device"
using GDHandle = GDevice*;

// A new world over baseAddr. paramErr for a null result pointer, null bounds
// or base address, an empty rectangle, or rows shorter than the width needs;
// cDepthErr for a format other than the four above. The device and flags are
// not used.
[[nodiscard]] carbon::OSErr NewGWorldFromPtr(GWorldPtr* world, uint32_t pixelFormat, const carbon::Rect* bounds,
                                             CTabHandle cTable, GDHandle device, uint32_t flags, void* baseAddr,
                                             int32_t rowBytes);
// Releases the world, never its pixels. A world that is current stops being so.
void DisposeGWorld(GWorldPtr world);

// The current port and device of this thread; both start as nullptr.
void GetGWorld(CGrafPtr* port, GDHandle* device);
void SetGWorld(CGrafPtr port, GDHandle device);

}  // namespace platform::icons
