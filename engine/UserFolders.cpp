#include "engine/UserFolders.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/finder/ItemPath.h"
#include "runtime/files/SpecialFolder.h"

using namespace runtime;

namespace {

using Names = std::vector<String>;

// The names of an absolute POSIX path; none for "/".
Names NamesOf(const std::string& path) {
    Names names;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        if (end > start) names.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// The item's path as written and with its links resolved.
std::vector<Names> PathForms(const FolderItemRef& item) {
    const std::string& written = item->NativePath();
    std::vector<Names> forms{NamesOf(written)};
    const std::string resolved = platform::finder::ResolveExistingPart(written);
    if (!resolved.empty() && resolved != written) forms.push_back(NamesOf(resolved));
    return forms;
}

// outer is inner or a folder above it.
bool IsSameOrAbove(const Names& outer, const Names& inner) {
    return outer.size() <= inner.size() && std::equal(outer.begin(), outer.end(), inner.begin());
}

}  // namespace

bool HoldsUserFolder(const FolderItemRef& folder) {
    if (!folder) return false;
    const std::vector<Names> candidate = PathForms(folder);
    for (const FolderItemRef& special :
         {SpecialFolder::UserHome(), SpecialFolder::Applications(), SpecialFolder::Preferences(),
          SpecialFolder::ApplicationData(), SpecialFolder::Documents(), SpecialFolder::Desktop()}) {
        if (!special) continue;
        for (const Names& inner : PathForms(special))
            for (const Names& outer : candidate)
                if (IsSameOrAbove(outer, inner)) return true;
    }
    return false;
}
