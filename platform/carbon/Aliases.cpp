#include "platform/carbon/Aliases.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/carbon/AliasRecord.h"
#include "platform/carbon/Catalog.h"
#include "platform/carbon/MacNames.h"
#include "runtime/core/Encodings.h"
#include "runtime/files/FolderItem.h"
#include "runtime/files/PathForms.h"

namespace platform::carbon {
namespace {

constexpr size_t kNameCapacity = 63;

// The POSIX path of the existing item at path (pathType as GetFolderItem takes it).
std::optional<std::string> ExistingItem(const runtime::String& path, int32_t pathType) {
    const runtime::FolderItemRef item = runtime::GetFolderItem(path, pathType);
    if (!item || !item->Exists()) return std::nullopt;
    return item->NativePath();
}

std::optional<std::string> FindByPosixPath(const AliasRecordFields& fields) {
    if (!fields.posixPath) return std::nullopt;
    std::string path = *fields.posixPath;
    if (fields.posixMountPoint && *fields.posixMountPoint != "/")
        path = runtime::files::JoinPath(*fields.posixMountPoint, path);
    if (path.empty() || path.front() != '/') return std::nullopt;
    return ExistingItem(runtime::String(path), 1);
}

std::optional<std::string> FindByMacPath(const AliasRecordFields& fields) {
    if (!fields.absolutePath) return std::nullopt;
    return ExistingItem(runtime::String::FromBytes(*fields.absolutePath, runtime::Encodings::MacJapanese()), 0);
}

// Every folder from the item's parent up has a name the catalog can hand out.
bool FoldersAboveHaveNames(std::string folder) {
    while (folder != "/") {
        if (!detail::MacJapaneseName(runtime::files::LastName(folder))) return false;
        folder = runtime::files::ParentPath(folder);
    }
    return true;
}

OSErr Describe(const std::string& path, FSSpec& described) {
    FSSpec found;
    found.vRefNum = kRootVRefNum;
    if (path == "/") {
        found.parID = kRootParentDirID;
        // The root volume's name always fits.
        static_cast<void>(detail::StorePString(found.name, kNameCapacity, runtime::files::kRootVolumeName));
    } else {
        const std::string parent = runtime::files::ParentPath(path);
        const std::optional<std::string> name = detail::MacJapaneseName(runtime::files::LastName(path));
        if (!name || !FoldersAboveHaveNames(parent)) return bdNamErr;
        if (!detail::StorePString(found.name, kNameCapacity, *name)) return bdNamErr;
        found.parID = DirectoryIDOfPath(parent);
    }
    described = found;
    return noErr;
}

}  // namespace

OSErr ResolveAlias(const FSSpec* /*fromFile*/, Handle alias, FSSpec* target, Boolean* wasChanged) {
    if (wasChanged) *wasChanged = 0;
    if (!target) return paramErr;
    const std::optional<AliasRecordFields> fields = ParseAliasRecord(HandleContents(alias));
    if (!fields) return paramErr;

    OSErr result = fnfErr;
    for (const auto& found : {FindByPosixPath(*fields), FindByMacPath(*fields)}) {
        if (!found) continue;
        result = Describe(*found, *target);
        if (result == noErr) break;
    }
    return result;
}

}  // namespace platform::carbon
