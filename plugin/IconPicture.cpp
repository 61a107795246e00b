#include "plugin/IconPicture.h"

#include "platform/carbon/Handles.h"
#include "platform/icons/ColorTables.h"
#include "platform/icons/Offscreen.h"
#include "plugin/IconTables.h"
#include "plugin/RuntimeEntries.h"

namespace feltrix {

using namespace platform::carbon;
using namespace platform::icons;

namespace {

// The element's data, released when the picture has been built or on failure:
// the runtime copies the pixels into the picture it builds.
class ElementHandle {
public:
    ElementHandle() : h_(NewHandle(0)) {}
    ~ElementHandle() { DisposeHandle(h_); }
    ElementHandle(const ElementHandle&) = delete;
    ElementHandle& operator=(const ElementHandle&) = delete;

    Handle Get() const { return h_; }

private:
    Handle h_;
};

// The current port and device, saved, then restored when the scope ends.
class CurrentWorldScope {
public:
    explicit CurrentWorldScope(GWorldPtr world) {
        GetGWorld(&savedPort_, &savedDevice_);
        SetGWorld(world, nullptr);
    }
    ~CurrentWorldScope() { SetGWorld(savedPort_, savedDevice_); }
    CurrentWorldScope(const CurrentWorldScope&) = delete;
    CurrentWorldScope& operator=(const CurrentWorldScope&) = delete;

private:
    CGrafPtr savedPort_ = nullptr;
    GDHandle savedDevice_ = nullptr;
};

}  // namespace

void AlphaToGrey(uint8_t* argb, size_t pixels) {
    for (size_t i = 0; i < pixels; ++i, argb += 4) {
        const uint8_t v = uint8_t(255 - argb[0]);
        argb[0] = 0;
        argb[1] = v;
        argb[2] = v;
        argb[3] = v;
    }
}

REALpicture PictureFromFamily(const IconFamilyHandle& family, int32_t iconID) {
    if (!IsIconID(iconID) || !family) return nullptr;
    const IconGeometry& geometry = kIconGeometry[size_t(iconID)];

    ElementHandle h;
    if (h.Get() == 0) return nullptr;
    if (GetIconFamilyData(family, kIconElementTypes[size_t(iconID)], h.Get()) != noErr) return nullptr;
    const int32_t size = GetHandleSize(h.Get());
    // Never read or write past the element's data: too little for the
    // geometry (an empty element included) gives no picture.
    if (size == 0 || int64_t(size) < geometry.BytesNeeded()) return nullptr;
    // Locked, the block stays where the offscreen world points.
    HLock(h.Get());
    uint8_t* data = HandleData(h.Get());
    if (!data) return nullptr;

    if (geometry.alphaPass) AlphaToGrey(data, size_t(geometry.width) * size_t(geometry.height));

    Rect bounds;
    SetRect(&bounds, 0, 0, geometry.width, geometry.height);
    const CTabHandle colorTable = geometry.colorTableID != 0 ? GetCTable(geometry.colorTableID) : nullptr;
    GWorldPtr world = nullptr;
    if (NewGWorldFromPtr(&world, geometry.pixelFormat, &bounds, colorTable, nullptr, 0, data + geometry.dataOffset,
                         geometry.rowBytes) != noErr ||
        !world)
        return nullptr;

    REALpicture picture = nullptr;
    {
        CurrentWorldScope current(world);
        picture = REALBuildPictureFromGWorld(world);
    }
    DisposeGWorld(world);
    return picture;
}

REALpicture PictureFromIconRef(const IconRef& iconRef, int32_t iconID) {
    if (!IsIconID(iconID) || !iconRef) return nullptr;
    IconFamilyHandle family;
    if (IconRefToIconFamily(iconRef, kSelectorAllAvailableData, &family) != noErr || !family) return nullptr;
    return PictureFromFamily(family, iconID);
}

}  // namespace feltrix
