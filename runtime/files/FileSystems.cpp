#include "runtime/files/FileSystems.h"

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>

#include <linux/magic.h>

namespace runtime::files {

namespace {

// Types whose magic number says enough. Not all of them have a name in
// <linux/magic.h>.
constexpr uint64_t kKernelTypes[] = {
    PROC_SUPER_MAGIC,
    SYSFS_MAGIC,
    DEVPTS_SUPER_MAGIC,
    CGROUP_SUPER_MAGIC,
    CGROUP2_SUPER_MAGIC,
    DEBUGFS_MAGIC,
    TRACEFS_MAGIC,
    SECURITYFS_MAGIC,
    PSTOREFS_MAGIC,
    BPF_FS_MAGIC,
    BINFMTFS_MAGIC,
    EFIVARFS_MAGIC,
    SELINUX_MAGIC,
    SMACK_MAGIC,
    NSFS_MAGIC,
    0x62656570 /* configfs */,
    0x65735543 /* fusectl */,
    0x19800202 /* mqueue */,
};

// The type the mount table gives the file system of that device, "" when
// the table is not at hand or does not list it. A line reads
// "id parent major:minor root mount-point options [tags] - type source ...".
std::string MountedType(dev_t device) {
    std::ifstream table("/proc/self/mountinfo");
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string id, parent, numbers;
        fields >> id >> parent >> numbers;
        unsigned major = 0, minor = 0;
        if (std::sscanf(numbers.c_str(), "%u:%u", &major, &minor) != 2 || makedev(major, minor) != device) continue;
        const size_t separator = line.find(" - ");
        if (separator == std::string::npos) return {};
        std::istringstream rest(line.substr(separator + 3));
        std::string type;
        rest >> type;
        return type;
    }
    return {};
}

}  // namespace

bool IsKernelFileSystem(const std::string& path) {
    struct statfs fs;
    if (statfs(path.c_str(), &fs) != 0) return false;
    const auto type = static_cast<uint64_t>(fs.f_type);
    if (std::find(std::begin(kKernelTypes), std::end(kKernelTypes), type) != std::end(kKernelTypes)) return true;
    // The devices' file system shares its magic number with every tmpfs.
    if (type != TMPFS_MAGIC) return false;
    struct stat st;
    return stat(path.c_str(), &st) == 0 && MountedType(st.st_dev) == "devtmpfs";
}

}  // namespace runtime::files
