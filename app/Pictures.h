#pragma once
// The toolbar's picture items: each loads its PNG from the bundle's Resources
// folder on first use and keeps it for the rest of the run. A picture that did
// not load is nil and is tried again on the next call.
//
// "delete" is a reserved word here, so its item is delete_.

#include "runtime/ui/Picture.h"

namespace Pictures {

runtime::PictureRef clear();
runtime::PictureRef delete_();
runtime::PictureRef disk();
runtime::PictureRef findItem();
runtime::PictureRef showFinder();
runtime::PictureRef stop();

}  // namespace Pictures
