#include "platform/finder/ItemPath.h"

#include <climits>
#include <cstdlib>
#include <memory>

namespace platform::finder {

namespace {

std::string RealPath(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

}  // namespace

std::string ParentOf(const std::string& absolutePath) {
    const auto slash = absolutePath.rfind('/');
    if (slash == std::string::npos || slash == 0) return "/";
    return absolutePath.substr(0, slash);
}

std::string NameOf(const std::string& absolutePath) {
    const auto slash = absolutePath.rfind('/');
    return slash == std::string::npos ? absolutePath : absolutePath.substr(slash + 1);
}

bool IsSameOrInside(const std::string& path, const std::string& folder) {
    if (folder == "/") return !path.empty() && path.front() == '/';
    if (path.compare(0, folder.size(), folder) != 0) return false;
    return path.size() == folder.size() || path[folder.size()] == '/';
}

std::string ItemLocation(const std::string& posixPath) {
    std::string path = posixPath;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    if (path.empty()) return {};
    if (path == "/") return path;

    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name == "." || name == "..") return RealPath(path);

    const std::string resolvedFolder = RealPath(folder);
    if (resolvedFolder.empty()) return {};
    return Join(resolvedFolder, name);
}

std::string ResolveExistingPart(const std::string& absolutePath) {
    if (const std::string resolved = RealPath(absolutePath); !resolved.empty()) return resolved;
    if (absolutePath == "/" || absolutePath.empty()) return absolutePath;
    return Join(ResolveExistingPart(ParentOf(absolutePath)), NameOf(absolutePath));
}

}  // namespace platform::finder
