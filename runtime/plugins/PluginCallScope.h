#pragma once
// The handles that live for one call of a plug-in function: the folder items
// handed to it and the pictures built for it. Scopes nest; a handle is looked
// up by address among the live scopes, so a stale or forged handle is never
// followed.

#include <memory>
#include <string>
#include <vector>

#include "runtime/files/FolderItem.h"
#include "runtime/plugins/PluginInterface.h"
#include "runtime/ui/Picture.h"

namespace runtime {

class PluginCallScope {
public:
    PluginCallScope();
    ~PluginCallScope();
    PluginCallScope(const PluginCallScope&) = delete;
    PluginCallScope& operator=(const PluginCallScope&) = delete;

    // A handle for the item (null for nil), valid while this scope lives.
    REALfolderItem AddFolderItem(const FolderItemRef& item);
    // A handle for the picture, valid while this scope lives.
    REALpicture AddPicture(PictureRef picture);
    // The picture of a handle built in this scope; nullptr for null or any
    // other handle.
    PictureRef TakePicture(REALpicture handle);

    // The innermost scope of this thread, or nullptr outside any call.
    static PluginCallScope* Current();

    struct FolderItemEntry {
        FolderItemRef item;
        std::string posixPath;
    };
    // The entry of a handle given out by any live scope of this thread.
    static const FolderItemEntry* FindFolderItem(REALfolderItem handle);

private:
    struct PictureEntry {
        PictureRef picture;
    };

    PluginCallScope* outer_;
    std::vector<std::unique_ptr<FolderItemEntry>> folderItems_;
    std::vector<std::unique_ptr<PictureEntry>> pictures_;
};

}  // namespace runtime
