#pragma once
// Icon Services: the icon of an item or of a system icon, its family of
// elements, and an element's data.
//
// A bundle's icon is the .icns file its Info.plist names; an application
// package whose file is missing or gives no element has the generic
// application icon (system icon 'APPL'); any other item's is the desktop's
// icon of its MIME type, drawn into every element. Families are kept per icon file (by path, modification time and
// size), MIME type or system icon, so asking again is cheap.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/carbon/Handles.h"
#include "platform/carbon/MacTypes.h"
#include "platform/icons/IconFamily.h"

namespace platform::icons {

inline constexpr int16_t kOnSystemDisk = -32768;
inline constexpr carbon::OSType kSystemIconsCreator = carbon::FourCharCode("macs");
inline constexpr uint32_t kSelectorAllAvailableData = 0xFFFFFFFF;

// What an icon is made from; opaque to callers.
struct IconRefRecord;
using IconRef = std::shared_ptr<const IconRefRecord>;

// The icon the file manager would show for the item at an absolute path.
// fnfErr when nothing is there; paramErr for a null result pointer.
[[nodiscard]] carbon::OSErr GetIconRefFromFileInfo(const std::string& posixPath, IconRef* iconRef);

// A system icon: creator 'macs' and a type of SystemIcons.cpp on the system
// disk. noSuchIconErr for another creator or an unknown type, paramErr for
// another volume or a null result pointer.
[[nodiscard]] carbon::OSErr GetIconRef(int16_t vRefNum, carbon::OSType creator, carbon::OSType iconType,
                                       IconRef* iconRef);

// The icon's family. The family always holds every element its source has,
// whatever the selector. noSuchIconErr when the source cannot be read or
// drawn (icons are drawn only on the GUI application's thread),
// invalidIconRefErr for nil, paramErr for a null result pointer.
[[nodiscard]] carbon::OSErr IconRefToIconFamily(const IconRef& iconRef, uint32_t whichIcons, IconFamilyHandle* family);

// The element's data, copied into h (resized to fit). noSuchIconErr, with h
// emptied, when the family lacks the element; memLockedErr for a locked
// handle; nilHandleErr for an unknown one; paramErr for nil or handle 0.
[[nodiscard]] carbon::OSErr GetIconFamilyData(const IconFamilyHandle& family, carbon::OSType iconType,
                                              carbon::Handle h);

}  // namespace platform::icons
