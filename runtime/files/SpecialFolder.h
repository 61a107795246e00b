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

#include "runtime/files/FolderItem.h"

namespace runtime::SpecialFolder {

FolderItemRef Applications();
FolderItemRef Preferences();
FolderItemRef ApplicationData();
FolderItemRef Documents();
FolderItemRef Desktop();
FolderItemRef UserHome();
FolderItemRef Temporary();
FolderItemRef Trash();

}  // namespace runtime::SpecialFolder
