#pragma once
// A list's column widths text, "*,*,*,0,0,0": a number is pixels, "N%" a
// share of the whole width, "*" (or "N*", N shares) a part of what is left,
// divided by the shares. A column the text does not name counts as "*".
// Width 0 hides a column.

#include <vector>

#include "runtime/core/String.h"

namespace runtime {

// The pixel width of each of columnCount columns for a list totalWidth wide.
std::vector<int> ComputeColumnWidths(const String& widths, int columnCount, int totalWidth);

}  // namespace runtime
