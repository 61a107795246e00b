#include "plugin/RuntimeEntries.h"

#include <atomic>

#include "plugin/Feltrix.h"

namespace feltrix {

namespace {

using namespace platform::icons;

std::atomic<void*> gRegisterMethodEntry{nullptr};
std::atomic<void*> gFSRefEntry{nullptr};
std::atomic<void*> gBuildPictureEntry{nullptr};

// The kept entry, resolved now if it is not kept yet; nullptr when unknown.
template <class Proc>
Proc Entry(std::atomic<void*>& kept, const char* name) {
    void* entry = kept.load();
    if (!entry && gResolver) {
        entry = gResolver(name);
        kept.store(entry);
    }
    return reinterpret_cast<Proc>(entry);
}

int32_t BufferFormat(uint32_t pixelFormat) {
    switch (pixelFormat) {
    case k1MonochromePixelFormat: return REALPixelFormatMono1;
    case k8IndexedPixelFormat: return REALPixelFormatIndexed8;
    case k32ARGBPixelFormat: return REALPixelFormatARGB32;
    case k8IndexedGrayPixelFormat: return REALPixelFormatGray8;
    default: return 0;
    }
}

}  // namespace

void ResetRuntimeEntries() {
    gRegisterMethodEntry.store(nullptr);
    gFSRefEntry.store(nullptr);
    gBuildPictureEntry.store(nullptr);
}

bool RegisterPluginVersion(int32_t version) {
    auto entry = gResolver ? reinterpret_cast<RegisterPluginVersionProc>(gResolver("RegisterPluginVersion")) : nullptr;
    if (!entry) return false;
    entry(version);
    return true;
}

int32_t REALRegisterMethod(const REALmethodDefinition* definition) {
    auto entry = Entry<PluginRegisterMethodProc>(gRegisterMethodEntry, "PluginRegisterMethod");
    return entry ? entry(definition) : 0;
}

bool REALFSRefFromFolderItem(REALfolderItem item, REALfsRef* ref) {
    auto entry = Entry<REALFSRefFromFolderItemProc>(gFSRefEntry, "REALFSRefFromFolderItem");
    return entry && entry(item, ref) != 0;
}

REALpicture REALBuildPictureFromGWorld(GWorldPtr world) {
    auto entry = Entry<REALBuildPictureFromGWorldProc>(gBuildPictureEntry, "REALBuildPictureFromGWorld");
    if (!entry || !world) return nullptr;
    REALpixelBuffer buffer{};
    buffer.width = world->Width();
    buffer.height = world->Height();
    buffer.rowBytes = world->rowBytes;
    buffer.pixelFormat = BufferFormat(world->pixelFormat);
    buffer.pixels = world->baseAddr;
    buffer.byteCount = size_t(world->rowBytes) * size_t(buffer.height > 0 ? buffer.height : 0);
    if (world->colorTable) {
        buffer.colorTable = world->colorTable->entries.data();
        buffer.colorCount = world->colorTable->count;
    }
    return entry(&buffer);
}

}  // namespace feltrix
