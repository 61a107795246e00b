#pragma once
// The plug-in's tables: the element for each iconID, the system icon for each
// iconNo, and the picture geometry of each iconID.

#include <array>
#include <cstdint>

#include "platform/carbon/MacTypes.h"

namespace feltrix {

using platform::carbon::OSType;

inline constexpr int32_t kIconIDCount = 20;
inline constexpr int32_t kSystemIconCount = 54;

extern const std::array<OSType, kIconIDCount> kIconElementTypes;
extern const std::array<OSType, kSystemIconCount> kSystemIconTypes;

struct IconGeometry {
    int16_t width;
    int16_t height;
    uint32_t pixelFormat;  // QuickDraw's: 32, 8, 40 (grey) or 1
    int16_t colorTableID;  // 40 grey, 1 mono, 0 none (the format's default)
    int32_t rowBytes;
    int32_t dataOffset;  // where the pixels begin in the element's data
    bool alphaPass;      // the picture shows the mask made from the alpha bytes

    // Bytes of element data the picture reads, from its start.
    int64_t BytesNeeded() const { return int64_t(dataOffset) + int64_t(rowBytes) * height; }
};

extern const std::array<IconGeometry, kIconIDCount> kIconGeometry;

inline bool IsIconID(int32_t iconID) { return iconID >= 0 && iconID < kIconIDCount; }
inline bool IsSystemIconNo(int32_t iconNo) { return iconNo >= 0 && iconNo < kSystemIconCount; }

}  // namespace feltrix
