#pragma once
// The elements an icon family can hold, and the form of each one's data.

#include <cstddef>
#include <cstdint>

#include "platform/carbon/MacTypes.h"

namespace platform::icons {

enum class ElementForm {
    Color32,       // ARGB, 4 bytes a pixel, alpha first (packed in an .icns file)
    Png32,         // ARGB like Color32 (a PNG image in an .icns file)
    Indexed8,      // one byte a pixel, an index into the system palette
    Mask8,         // one byte a pixel, 255 opaque
    MonoWithMask,  // a 1-bit image, then its 1-bit mask, each row ceil(width / 8) bytes
};

struct ElementType {
    carbon::OSType type;
    int width;
    int height;
    ElementForm form;
    carbon::OSType mask;  // for Color32: the 8-bit mask of the same size, else 0

    // Bytes of the element's data in the family.
    size_t DataSize() const;
};

// Every element this layer knows, large ones last.
extern const ElementType kElementTypes[18];

// The entry for an element type, or nullptr.
const ElementType* FindElementType(carbon::OSType type);

}  // namespace platform::icons
