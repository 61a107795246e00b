#pragma once
// What a run of a script came to. Only the Trash scripts can fail: the Finder
// then leaves the item where it was, for one of the reasons below.

namespace runtime {

enum class ScriptOutcome {
    Done,              // done, or nothing to act on (no parameter, no item at the path)
    ItemNotWritable,   // the item or the folder that holds it may not be changed
    TrashNotWritable,  // the Trash may not be written or made
    DiskReadOnly,      // the disk of the item or of its Trash is read-only
    DiskFull,          // no room left for the Trash's information (or the user's quota is spent)
    ItemInUse,         // the system holds the item busy
    ItemNotMovable,    // a disk, the Trash itself, or a folder on the Trash's way
    NoTrash,           // no Trash could be found or made for the item's disk
    Failed,            // any other failure
};

}  // namespace runtime
