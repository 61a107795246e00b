#pragma once
// Paths of items as the trash and the file manager need them.

#include <string>

namespace platform::finder {

// The item's absolute path with the folders above it resolved and the last
// component kept as given, so that a symbolic link stays the link itself.
// Trailing "/" are dropped. "" when the path is empty or its folder does not exist.
std::string ItemLocation(const std::string& posixPath);

// "/a/b" -> "/a", "/a" -> "/", "/" -> "/".
std::string ParentOf(const std::string& absolutePath);

// The last component: "/a/b" -> "b".
std::string NameOf(const std::string& absolutePath);

// True when `path` is `folder` or lies inside it (compared by components).
bool IsSameOrInside(const std::string& path, const std::string& folder);

// `absolutePath` with its longest existing leading part resolved and the
// missing rest appended as written.
std::string ResolveExistingPart(const std::string& absolutePath);

}  // namespace platform::finder
