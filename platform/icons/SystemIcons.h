#pragma once
// The system's generic icons: which desktop icon stands for each type.

#include "platform/carbon/MacTypes.h"

namespace platform::icons {

// The toolkit's built-in icons, used when no icon theme has the named icon.
enum class StandardIcon {
    File,
    Folder,
    OpenFolder,
    Trash,
    HardDisk,
    OpticalDisc,
    FloppyDisk,
    NetworkDrive,
    Desktop,
    Computer
};

struct SystemIcon {
    carbon::OSType type;
    const char* themeName;  // a freedesktop icon name
    StandardIcon standard;
};

// The system icon of that type (creator 'macs'), or nullptr.
const SystemIcon* FindSystemIcon(carbon::OSType type);

}  // namespace platform::icons
