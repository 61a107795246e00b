#pragma once
// Paths of items as the trash and the file manager need them.

#include <string>
#include <vector>

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

// Every directory entry the lookup of `absolutePath` passes through, each as
// its resolved folder plus its name, in lookup order: each folder on the way,
// each symbolic link and, in turn, each entry of the link's target. Moving any
// of them, or a folder holding one, changes where the path leads. Missing
// entries are passed as written; links are followed at most 40 times.
std::vector<std::string> EntriesOnTheWay(const std::string& absolutePath);

// `absolutePath` with its longest existing leading part resolved and the
// missing rest appended as written.
std::string ResolveExistingPart(const std::string& absolutePath);

}  // namespace platform::finder
