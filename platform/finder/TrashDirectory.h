#pragma once
// Finding and making the trash directories: the home trash and the trash at
// the top of another mount.

#include <sys/types.h>

#include <string>

namespace platform::finder {

// $XDG_DATA_HOME/Trash, else $HOME/.local/share/Trash, else the account's home
// folder in the password database. Relative settings are ignored; "" when no
// absolute home can be found.
std::string HomeTrashDirectory();

// Makes the home trash with its files/ and info/ folders, and every missing
// folder above it, each with mode 0700. Symbolic links on the way are followed
// (the home is the user's own). Returns 0 or the errno of the failing step.
[[nodiscard]] int PrepareHomeTrash(const std::string& trash);

// The trash for items on the mount whose top folder is `topdir`:
// $topdir/.Trash/$uid when $topdir/.Trash is a directory with the sticky bit
// and no symbolic link, else $topdir/.Trash-$uid. The chosen folder, its
// files/ and info/ are made (0700) when missing and must be real folders
// owned by `uid`. "" when neither can be used, with the errno in *error.
[[nodiscard]] std::string PrepareTopdirTrash(const std::string& topdir, uid_t uid, int* error);

}  // namespace platform::finder
