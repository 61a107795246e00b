#include "plugin/Feltrix.h"

#include <string>

#include "platform/icons/IconServices.h"
#include "plugin/IconPicture.h"
#include "plugin/IconTables.h"
#include "plugin/RuntimeEntries.h"

using namespace platform::carbon;
using namespace platform::icons;

extern "C" {

PluginResolver gResolver = nullptr;

REALmethodDefinition GetIconFromFileDefn = {
    reinterpret_cast<void*>(&GetIconFromFile),
    nullptr,
    "GetIconFromFile(f As FolderItem, iconID As Integer) As Picture",
    0,
};

REALmethodDefinition GetIconFromSystemDefn = {
    reinterpret_cast<void*>(&GetIconFromSystem),
    nullptr,
    "GetIconFromSystem(iconNo As Integer, iconID As Integer) As Picture",
    0,
};

// Nothing may leave a function the runtime calls as an exception: each one
// ends in catch (...) and gives what it gives for any other failure.

void REALPluginMain(PluginResolver resolver) {
    gResolver = resolver;
    try {
        feltrix::ResetRuntimeEntries();
        feltrix::RegisterPluginVersion(REAL_PLUGIN_INTERFACE_VERSION);
        PluginEntry();
    } catch (...) {
    }
}

void PluginEntry() {
    try {
        feltrix::REALRegisterMethod(&GetIconFromFileDefn);
        feltrix::REALRegisterMethod(&GetIconFromSystemDefn);
    } catch (...) {
    }
}

REALpicture GetIconFromFile(REALfolderItem f, int32_t iconID) {
    if (!feltrix::IsIconID(iconID)) return nullptr;
    try {
        REALfsRef ref{};
        if (!feltrix::REALFSRefFromFolderItem(f, &ref) || !ref.posixPath) return nullptr;
        IconRef iconRef;
        if (GetIconRefFromFileInfo(std::string(ref.posixPath, ref.pathLength), &iconRef) != noErr) return nullptr;
        return feltrix::PictureFromIconRef(iconRef, iconID);
    } catch (...) {
        return nullptr;
    }
}

REALpicture GetIconFromSystem(int32_t iconNo, int32_t iconID) {
    if (!feltrix::IsIconID(iconID) || !feltrix::IsSystemIconNo(iconNo)) return nullptr;
    try {
        IconRef iconRef;
        if (GetIconRef(kOnSystemDisk, kSystemIconsCreator, feltrix::kSystemIconTypes[size_t(iconNo)], &iconRef) !=
            noErr)
            return nullptr;
        return feltrix::PictureFromIconRef(iconRef, iconID);
    } catch (...) {
        return nullptr;
    }
}

}  // extern "C"
