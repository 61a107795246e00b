// GetFolderItem and the application's own places.

#include <limits.h>
#include <sys/stat.h>

#include "runtime/files/BundleLayout.h"
#include "runtime/files/FolderItem.h"
#include "runtime/files/FolderListing.h"
#include "runtime/files/PathForms.h"

namespace runtime {

namespace {

// No path the system can open takes more bytes, in any encoding or as a URL;
// longer text (a damaged record can hold megabytes) is not even converted.
constexpr size_t kLongestPathText = 16 * PATH_MAX;

// The entry `name` of the folder at `folder`: an exact match, else the first
// whose name matches without regard to case, else the exact path.
std::string ChildPath(const std::string& folder, const std::string& name) {
    std::string path = files::JoinPath(folder, name);
    struct stat st;
    if (lstat(path.c_str(), &st) == 0) return path;
    if (const auto listing = files::FolderListing::Read(folder)) {
        if (const auto* entry = listing->FindIgnoringCase(name)) return listing->EntryPath(*entry);
    }
    return path;
}

bool IsFolder(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

FolderItemRef ItemFromNames(const files::PathNames& names) {
    std::string path = "/";
    for (size_t i = 0; i < names.size(); ++i) {
        if (!IsFolder(path)) return nullptr;
        path = ChildPath(path, names[i]);
    }
    return FolderItem::FromNativePath(path);
}

}  // namespace

FolderItemRef GetFolderItem(const String& path, int32_t pathType) {
    if (path.Bytes().size() > kLongestPathText) return nullptr;
    const std::string text = path.ToUTF8();
    if (text.empty()) return FolderItem::FromNativePath(files::ApplicationFolderOf(files::ExecutablePath()));
    std::optional<files::PathNames> names;
    switch (pathType) {
    case 0: names = files::ParseMacPath(text); break;
    case 1: names = files::ParsePosixPath(text); break;
    case 2: names = files::ParseFileURL(text); break;
    default: break;
    }
    if (!names) return nullptr;
    return ItemFromNames(*names);
}

FolderItemRef ApplicationExecutableFile() { return FolderItem::FromNativePath(files::ExecutablePath()); }

}  // namespace runtime
