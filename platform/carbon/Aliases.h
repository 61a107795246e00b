#pragma once
// The Alias Manager: finding the item an alias record names.

#include "platform/carbon/Handles.h"
#include "platform/carbon/MacTypes.h"

namespace platform::carbon {

// Reads the version 2 record in the handle and looks for its target on this
// file system: first at the POSIX path field (below the recorded mount point,
// when the record names one other than "/"), then at the Mac absolute path
// field, taken as a path of the root volume "Macintosh HD" (names matched as
// GetFolderItem matches them). The recorded parent directory ID belongs to
// the system that made the record and is not used; nor is fromFile.
//
// noErr: target holds the volume, the parent's directory ID and the name in
// Mac Japanese (the root folder: parent kRootParentDirID, "Macintosh HD").
// Otherwise target is untouched: paramErr for a null target, an unknown
// handle or a damaged record, fnfErr when neither path
// leads to an item, bdNamErr when the item's name or a folder above it has no
// Mac Japanese form or the name is longer than 63 bytes. wasChanged, when
// given, is set to 0: the record is never updated.
[[nodiscard]] OSErr ResolveAlias(const FSSpec* fromFile, Handle alias, FSSpec* target, Boolean* wasChanged);

}  // namespace platform::carbon
