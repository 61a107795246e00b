#pragma once
// Facts about the file system an item lies on.

#include <string>

namespace runtime::files {

// The folder or file at `path` (links followed) lies on one of the kernel's
// own file systems (proc, sysfs, devtmpfs, devpts, cgroup and their kin),
// whose entries describe the running system and are nobody's files. Told by
// the file system's type, never by the path. False when nothing is there.
bool IsKernelFileSystem(const std::string& path);

}  // namespace runtime::files
