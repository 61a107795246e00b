#include "platform/icons/Offscreen.h"

#include <new>

namespace platform::icons {

using namespace carbon;

namespace {

thread_local CGrafPtr tCurrentPort = nullptr;
thread_local GDHandle tCurrentDevice = nullptr;

int32_t BitsOf(uint32_t pixelFormat) {
    switch (pixelFormat) {
    case k1MonochromePixelFormat: return 1;
    case k8IndexedPixelFormat:
    case k8IndexedGrayPixelFormat: return 8;
    case k32ARGBPixelFormat: return 32;
    default: return 0;
    }
}

}  // namespace

int32_t GWorld::PixelBits() const { return BitsOf(pixelFormat); }

OSErr NewGWorldFromPtr(GWorldPtr* world, uint32_t pixelFormat, const Rect* bounds, CTabHandle cTable,
                       GDHandle /*device*/, uint32_t /*flags*/, void* baseAddr, int32_t rowBytes) {
    if (!world) return paramErr;
    *world = nullptr;
    const int32_t bits = BitsOf(pixelFormat);
    if (bits == 0) return cDepthErr;
    if (!bounds || !baseAddr) return paramErr;
    const int64_t width = int64_t(bounds->right) - bounds->left;
    const int64_t height = int64_t(bounds->bottom) - bounds->top;
    if (width <= 0 || height <= 0) return paramErr;
    if (rowBytes <= 0 || int64_t(rowBytes) * 8 < width * bits) return paramErr;

    auto* w = new (std::nothrow) GWorld;
    if (!w) return memFullErr;
    w->bounds = *bounds;
    w->pixelFormat = pixelFormat;
    w->colorTable = cTable;
    w->baseAddr = baseAddr;
    w->rowBytes = rowBytes;
    *world = w;
    return noErr;
}

void DisposeGWorld(GWorldPtr world) {
    if (!world) return;
    if (tCurrentPort == world) tCurrentPort = nullptr;
    delete world;
}

void GetGWorld(CGrafPtr* port, GDHandle* device) {
    if (port) *port = tCurrentPort;
    if (device) *device = tCurrentDevice;
}

void SetGWorld(CGrafPtr port, GDHandle device) {
    tCurrentPort = port;
    tCurrentDevice = device;
}

}  // namespace platform::icons
