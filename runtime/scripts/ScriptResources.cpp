#include "runtime/scripts/ScriptResources.h"

#include <optional>
#include <string>

#include "runtime/files/FolderItem.h"
#include "runtime/scripts/ScriptFinder.h"

namespace runtime {

namespace {

// The POSIX path of the existing item that the first parameter names.
std::optional<std::string> ItemPathParam(const std::vector<ScriptParam>& params) {
    if (params.empty()) return std::nullopt;
    const String* macPath = std::get_if<String>(&params.front());
    if (!macPath || macPath->IsEmpty()) return std::nullopt;  // "" would name the application's folder
    FolderItemRef item = GetFolderItem(*macPath, 0);
    if (!item || !item->Exists()) return std::nullopt;
    return item->NativePath();
}

}  // namespace

ScriptOutcome RunScriptResource(int32_t scriptID, const std::vector<ScriptParam>& params) {
    if (scriptID != kScriptMoveFileToTrash && scriptID != kScriptMoveFolderToTrash && scriptID != kScriptRevealItem)
        return ScriptOutcome::Done;
    const std::optional<std::string> path = ItemPathParam(params);
    if (!path) return ScriptOutcome::Done;
    if (scriptID != kScriptRevealItem) return CurrentScriptFinder()->MoveToTrash(*path);
    CurrentScriptFinder()->RevealItem(*path);
    return ScriptOutcome::Done;
}

}  // namespace runtime
