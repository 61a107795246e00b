// The entries the resolver hands to plug-ins. Plug-ins call them as C, so
// none lets an exception out: each gives on an exception what it gives for
// any other failure. Nothing in them yields, so no fiber unwinding is caught.

#include <cstring>

#include "runtime/plugins/PixelBuffer.h"
#include "runtime/plugins/PluginCallScope.h"
#include "runtime/plugins/PluginHost.h"
#include "runtime/plugins/PluginLoading.h"

namespace runtime {

namespace {

void EntryRegisterPluginVersion(int32_t version) {
    try {
        if (PluginLoading* loading = PluginLoading::Current()) loading->host.AnnounceVersion(loading->plugin, version);
    } catch (...) {
    }
}

int32_t EntryPluginRegisterMethod(const REALmethodDefinition* definition) {
    PluginLoading* loading = PluginLoading::Current();
    if (!loading || !definition) return 0;
    try {
        return loading->host.Register(loading->plugin, *definition) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

int32_t EntryFSRefFromFolderItem(REALfolderItem item, REALfsRef* ref) {
    if (!ref) return 0;
    try {
        const PluginCallScope::FolderItemEntry* entry = PluginCallScope::FindFolderItem(item);
        if (!entry || entry->posixPath.empty() || !entry->item->Exists()) return 0;
        ref->posixPath = entry->posixPath.c_str();
        ref->pathLength = entry->posixPath.size();
        return 1;
    } catch (...) {
        return 0;
    }
}

REALpicture EntryBuildPictureFromGWorld(const REALpixelBuffer* buffer) {
    PluginCallScope* scope = PluginCallScope::Current();
    if (!scope || !buffer) return nullptr;
    try {
        QImage image = ImageFromPixelBuffer(*buffer);
        if (image.isNull()) return nullptr;
        return scope->AddPicture(Picture::FromImage(image));
    } catch (...) {
        return nullptr;
    }
}

// Typed first, so that each entry is checked against the interface.
const RegisterPluginVersionProc kRegisterPluginVersion = &EntryRegisterPluginVersion;
const PluginRegisterMethodProc kPluginRegisterMethod = &EntryPluginRegisterMethod;
const REALFSRefFromFolderItemProc kFSRefFromFolderItem = &EntryFSRefFromFolderItem;
const REALBuildPictureFromGWorldProc kBuildPictureFromGWorld = &EntryBuildPictureFromGWorld;

struct NamedEntry {
    const char* name;
    void* entry;
};

const NamedEntry kEntries[] = {
    {"RegisterPluginVersion", reinterpret_cast<void*>(kRegisterPluginVersion)},
    {"PluginRegisterMethod", reinterpret_cast<void*>(kPluginRegisterMethod)},
    {"REALFSRefFromFolderItem", reinterpret_cast<void*>(kFSRefFromFolderItem)},
    {"REALBuildPictureFromGWorld", reinterpret_cast<void*>(kBuildPictureFromGWorld)},
};

}  // namespace

extern "C" void* RuntimePluginResolver(const char* name) noexcept {
    if (!name) return nullptr;
    for (const NamedEntry& e : kEntries) {
        if (std::strcmp(e.name, name) == 0) return e.entry;
    }
    return nullptr;
}

}  // namespace runtime
