#pragma once
// The user's special folders, looked up at each call from the environment:
//   Applications     $HOME/Applications
//   Preferences      $HOME/Library/Preferences
//   ApplicationData  $HOME/Library/Application Support
//   Documents        $HOME/Documents
//   Desktop          $HOME/Desktop
//   UserHome         $HOME
//   Temporary        $TMPDIR, or /tmp
//   Trash            $XDG_DATA_HOME/Trash/files ($HOME/.local/share when unset)
// Each gives an item, also when the folder does not exist. An unset or
// relative $HOME falls back to the user's home in the password database.
//
// DesktopUserFolders gives the desktop's user folders: Desktop, Downloads,
// Templates, Public, Documents, Music, Pictures and Videos in the home, and
// each one where $XDG_CONFIG_HOME/user-dirs.dirs (~/.config when unset or
// relative) puts it.

#include <vector>

#include "runtime/files/FolderItem.h"

namespace runtime::SpecialFolder {

FolderItemRef Applications();
FolderItemRef Preferences();
FolderItemRef ApplicationData();
FolderItemRef Documents();
FolderItemRef Desktop();
FolderItemRef UserHome();
std::vector<FolderItemRef> DesktopUserFolders();
FolderItemRef Temporary();
FolderItemRef Trash();

}  // namespace runtime::SpecialFolder
