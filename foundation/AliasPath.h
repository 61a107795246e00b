#pragma once
// Module AliasPath: alias data (a stored location) to the absolute path of the
// item it names; a lost item is reported and the user picks a replacement.

#include "runtime/core/String.h"

namespace AliasPath {

// The absolute path (":" separated, UTF-8, a folder's ending in ":") of the
// item the alias data names; data that already is a usable absolute path comes
// back unchanged. When the item is lost: a message naming the recorded path
// (its first 1,024 characters, and "…" when there are more), then a chooser
// (any file when pickAnyFile, else a folder); "" when the user cancels or the
// data is "".
runtime::String gAbsPath_dc(const runtime::String& data, bool pickAnyFile);

}  // namespace AliasPath
