#pragma once
// Places inside the application bundle, found from the running executable:
// KELDO Uninstaller.app/Contents/MacOS/<program>.

#include "runtime/files/FolderItem.h"

namespace Bundle {

// The bundle's Contents folder: the executable's parent's parent; nil when
// the executable has no such ancestors.
runtime::FolderItemRef Contents();
// Contents/Resources; nil when Contents is nil.
runtime::FolderItemRef Resources();

}  // namespace Bundle
