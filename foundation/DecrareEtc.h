#pragma once
// Module DecrareEtc: the two low-level steps of alias resolution: bytes into
// a handle, and the path of a directory from the catalog.

#include <cstdint>

#include "runtime/core/String.h"

namespace DecrareEtc {

// A new handle holding exactly the bytes of s, 0 when none can be had. The
// caller disposes of it.
int32_t TextToHandle(const runtime::String& s);

// The directory's path, Mac Japanese: the volume name and each folder name
// from the top down, each followed by ":". The root folder (2) gives the
// volume name and ":", its parent (1) gives "". A failing catalog call ends
// the walk with the names gathered so far.
runtime::String GetFullPath(int32_t vRefNum, int32_t dirID);

}  // namespace DecrareEtc
