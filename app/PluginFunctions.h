#pragma once
// The application's entry table of plug-in functions and the functions bound
// through it.

#include <cstdint>

#include "runtime/files/FolderItem.h"
#include "runtime/plugins/PluginEntrypoints.h"
#include "runtime/ui/Picture.h"

// The table made at start-up (_InitPluginEntrypoints).
runtime::PluginEntrypointTable& PluginEntrypoints();

// Entry 81: one element of the item's icon family as a picture, or nil when the
// plug-in is not loaded or gives none.
runtime::PictureRef GetIconFromFile(const runtime::FolderItemRef& f, int32_t iconID);
