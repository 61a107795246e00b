#include "engine/UserFolders.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/finder/ItemPath.h"
#include "runtime/files/PathForms.h"
#include "runtime/files/SpecialFolder.h"

using namespace runtime;

namespace {

using Names = files::PathNames;

// The item's path as written and with its links resolved, as names.
std::vector<Names> PathForms(const FolderItemRef& item) {
    const std::string& written = item->NativePath();
    std::vector<Names> forms;
    for (const std::string& path : {written, platform::finder::ResolveExistingPart(written)})
        if (auto names = files::ParsePosixPath(path)) forms.push_back(std::move(*names));
    return forms;
}

// outer is inner or a folder above it, each name compared as text.
bool IsSameOrAbove(const Names& outer, const Names& inner) {
    return outer.size() <= inner.size() &&
           std::equal(outer.begin(), outer.end(), inner.begin(),
                      [](const std::string& a, const std::string& b) { return String(a) == String(b); });
}

}  // namespace

bool HoldsUserFolder(const FolderItemRef& folder) {
    if (!folder) return false;
    const std::vector<Names> candidate = PathForms(folder);
    std::vector<FolderItemRef> userFolders = SpecialFolder::DesktopUserFolders();
    userFolders.insert(userFolders.end(), {SpecialFolder::UserHome(), SpecialFolder::Applications(),
                                           SpecialFolder::Preferences(), SpecialFolder::ApplicationData()});
    for (const FolderItemRef& special : userFolders) {
        if (!special) continue;
        for (const Names& inner : PathForms(special))
            for (const Names& outer : candidate)
                if (IsSameOrAbove(outer, inner)) return true;
    }
    return false;
}
