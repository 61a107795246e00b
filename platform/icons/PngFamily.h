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
// entries; then, for each size (width x height) of the elements of
// ElementTypes.h that the family holds no element of, all elements of that
// size made from the smallest entry at least that large that decodes, never
// scaled up. The entries those sizes need are decoded here, once, and kept
// with the family; each element is made only when asked for, and an image
// fitted to one size serves every element of that size. ic08 and ic09 are
// made when asked for and not kept, from an entry's decoded image or else
// from its bytes. Entries that do not decode give nothing. Later entries of
// a type win.
void AddPngElements(IconFamily& family, const std::vector<PngEntry>& entries);

}  // namespace platform::icons
