#pragma once
// Moving items to the Trash and showing them in the file manager.
//
// Paths are plain POSIX paths; file names are bytes, taken as UTF-8.

#include <string>

namespace platform::finder {

enum class TrashOutcome {
    Moved,           // the item now lies in files/ of `trashDirectory`
    NotFound,        // nothing at the path
    Refused,         // "/", a mount point, a trash folder, a folder holding one, or a
                     // link or folder the home trash's path leads through
    NoUsableTrash,   // no trash on the item's file system could be found or made
    InfoNotWritten,  // the info file could not be written; nothing was moved
    MoveFailed,      // the rename failed; the info file was taken back
};

struct TrashResult {
    TrashOutcome outcome = TrashOutcome::NotFound;
    std::string trashDirectory;  // the trash used or attempted, "" when none was chosen
    std::string trashedPath;     // trashDirectory/files/NAME once moved
    std::string infoPath;        // trashDirectory/info/NAME.trashinfo once moved
    int error = 0;               // errno of the step that failed, 0 otherwise

    bool Moved() const { return outcome == TrashOutcome::Moved; }
};

// Moves the item (a symbolic link as the link itself) into the trash of its own
// file system, with the information a file manager needs to put it back.
// The item is never copied, never unlinked; on any failure it stays where it is.
[[nodiscard]] TrashResult MoveToTrash(const std::string& posixPath);

enum class RevealOutcome {
    ViaFileManager,    // the file manager was asked to show the item
    ViaFolderOpening,  // the enclosing folder was handed to xdg-open
    Failed,            // the item does not exist, or neither way was available
};

// Shows the item in the file manager over the session bus; without one,
// opens the folder that holds it.
[[nodiscard]] RevealOutcome RevealItem(const std::string& posixPath);

}  // namespace platform::finder
