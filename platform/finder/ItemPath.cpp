#include "platform/finder/ItemPath.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <deque>
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

// The components of `path` put in front of `pending`, in order.
void PushComponents(const std::string& path, std::deque<std::string>& pending) {
    std::deque<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto slash = std::min(path.find('/', start), path.size());
        if (slash > start) parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    pending.insert(pending.begin(), parts.begin(), parts.end());
}

std::string LinkTarget(const std::string& path) {
    std::string target(PATH_MAX, '\0');
    const ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length <= 0) return {};
    target.resize(static_cast<std::size_t>(length));
    return target;
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

std::vector<std::string> EntriesOnTheWay(const std::string& absolutePath) {
    constexpr int kMaxLinks = 40;
    std::vector<std::string> entries;
    std::deque<std::string> pending;
    PushComponents(absolutePath, pending);
    std::string folder = "/";
    int links = 0;
    while (!pending.empty()) {
        const std::string name = pending.front();
        pending.pop_front();
        if (name == ".") continue;
        if (name == "..") {
            folder = ParentOf(folder);
            continue;
        }
        const std::string entry = Join(folder, name);
        entries.push_back(entry);
        if (const std::string target = LinkTarget(entry); !target.empty() && links < kMaxLinks) {
            ++links;
            if (target.front() == '/') folder.assign(1, '/');
            PushComponents(target, pending);
            continue;
        }
        folder = entry;
    }
    return entries;
}

std::string ResolveExistingPart(const std::string& absolutePath) {
    if (const std::string resolved = RealPath(absolutePath); !resolved.empty()) return resolved;
    if (absolutePath == "/" || absolutePath.empty()) return absolutePath;
    return Join(ResolveExistingPart(ParentOf(absolutePath)), NameOf(absolutePath));
}

}  // namespace platform::finder
