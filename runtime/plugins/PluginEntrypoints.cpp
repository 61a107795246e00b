#include "runtime/plugins/PluginEntrypoints.h"

#include "runtime/plugins/PluginCallScope.h"
#include "runtime/plugins/PluginHost.h"
#include "runtime/plugins/PluginInterface.h"

namespace runtime {

PluginEntrypointTable::PluginEntrypointTable(int32_t count)
    : entries_(count > 0 ? static_cast<size_t>(count) : 0, nullptr) {}

void* PluginEntrypointTable::Entry(int32_t index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return entries_[static_cast<size_t>(index)];
}

void PluginEntrypointTable::SetEntry(int32_t index, void* function) {
    if (index < 0 || index >= Count()) return;
    entries_[static_cast<size_t>(index)] = function;
}

PluginEntrypointTable RuntimeAllocatePluginEntrypointsTable(int32_t count) { return PluginEntrypointTable(count); }

void* RuntimeLookupPluginEntrypoint(const String& declaration) {
    LoadBundlePlugins();
    return PluginHost::Shared().Lookup(declaration.ToUTF8());
}

PictureRef CallPictureFunction(void* entry, const FolderItemRef& f, int32_t n) {
    if (!entry) return nullptr;
    auto function = reinterpret_cast<REALFolderItemPictureFunction>(entry);
    PluginCallScope scope;
    REALpicture result = function(scope.AddFolderItem(f), n);
    return scope.TakePicture(result);
}

}  // namespace runtime
