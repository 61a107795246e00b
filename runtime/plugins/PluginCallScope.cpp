#include "runtime/plugins/PluginCallScope.h"

#include <algorithm>

namespace runtime {

namespace {

// Plug-in functions run on the thread that calls them and never yield, so
// one stack per thread follows the calls exactly.
thread_local PluginCallScope* tInnermost = nullptr;

}  // namespace

PluginCallScope::PluginCallScope() : outer_(tInnermost) { tInnermost = this; }

PluginCallScope::~PluginCallScope() { tInnermost = outer_; }

PluginCallScope* PluginCallScope::Current() { return tInnermost; }

REALfolderItem PluginCallScope::AddFolderItem(const FolderItemRef& item) {
    if (!item) return nullptr;
    auto entry = std::make_unique<FolderItemEntry>();
    entry->item = item;
    entry->posixPath = item->NativePath();
    folderItems_.push_back(std::move(entry));
    return reinterpret_cast<REALfolderItem>(folderItems_.back().get());
}

REALpicture PluginCallScope::AddPicture(PictureRef picture) {
    if (!picture) return nullptr;
    pictures_.push_back(std::make_unique<PictureEntry>(PictureEntry{std::move(picture)}));
    return reinterpret_cast<REALpicture>(pictures_.back().get());
}

PictureRef PluginCallScope::TakePicture(REALpicture handle) {
    if (!handle) return nullptr;
    auto it = std::find_if(pictures_.begin(), pictures_.end(), [handle](const auto& entry) {
        return reinterpret_cast<REALpicture>(entry.get()) == handle;
    });
    if (it == pictures_.end()) return nullptr;
    PictureRef picture = std::move((*it)->picture);
    pictures_.erase(it);
    return picture;
}

const PluginCallScope::FolderItemEntry* PluginCallScope::FindFolderItem(REALfolderItem handle) {
    if (!handle) return nullptr;
    for (PluginCallScope* scope = tInnermost; scope; scope = scope->outer_) {
        for (const auto& entry : scope->folderItems_) {
            if (reinterpret_cast<REALfolderItem>(entry.get()) == handle) return entry.get();
        }
    }
    return nullptr;
}

}  // namespace runtime
