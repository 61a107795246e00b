#pragma once
// The elements an .icns file's PNG images give a family: ic08 and ic09 as the
// file holds them, and, scaled down from the smallest PNG image that covers
// them, the elements of each size the file holds no element of.

#include <memory>
#include <vector>

#include "platform/carbon/MacTypes.h"
#include "platform/icons/IconFamily.h"

namespace platform::icons {

// One PNG entry of the file, its header checked (see PngElement.h).
struct PngEntry {
    carbon::OSType type;
    int side;
    std::shared_ptr<const ElementData> bytes;
};

// Adds to a family that holds the file's other elements: the ic08 and ic09
// entries, decoded when asked for; then, for each size (width x height) of
// the elements of ElementTypes.h that the family holds no element of, all
// elements of that size made from the smallest entry at least that large
// that decodes, never scaled up. Made ic08 and ic09 are decoded and scaled when asked for;
// smaller ones at once. Entries that do not decode give nothing, and only
// the bytes of deferred elements are kept. Later entries of a type win.
void AddPngElements(IconFamily& family, const std::vector<PngEntry>& entries);

}  // namespace platform::icons
