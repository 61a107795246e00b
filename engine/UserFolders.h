#pragma once
// The user's own folders, which no lookup may offer for the Trash as a
// product's documents folder.

#include "runtime/files/FolderItem.h"

// True when folder is "/", the home folder, one of the program's special
// folders (Applications, Preferences, Application Support, and Library as the
// folder that holds Preferences), one of the desktop's user folders (Desktop,
// Documents, Downloads, Music, Pictures, Videos, Public, Templates, by these
// names and where the desktop's settings put them) or a folder that holds one
// of them. Paths are compared as written and with every link resolved, each
// name as the program compares text: letter case ignored.
bool HoldsUserFolder(const runtime::FolderItemRef& folder);
