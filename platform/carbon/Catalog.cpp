#include "platform/carbon/Catalog.h"

#include <sys/stat.h>

#include <mutex>
#include <optional>
#include <unordered_map>

#include "platform/carbon/MacNames.h"
#include "runtime/files/PathForms.h"

namespace platform::carbon {
namespace {

// Below 16 the IDs are the volume's own.
constexpr int32_t kFirstHandedOutID = 16;

struct DirectoryTable {
    std::mutex mutex;
    std::unordered_map<std::string, int32_t> idOfPath;
    std::unordered_map<int32_t, std::string> pathOfID;
    int32_t next = kFirstHandedOutID;
};

DirectoryTable& Table() {
    static DirectoryTable table;
    return table;
}

std::optional<std::string> PathOfID(int32_t dirID) {
    if (dirID == kRootDirID) return std::string("/");
    DirectoryTable& table = Table();
    std::lock_guard lock(table.mutex);
    const auto it = table.pathOfID.find(dirID);
    if (it == table.pathOfID.end()) return std::nullopt;
    return it->second;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

OSErr Describe(CInfoPBRec& pb) {
    if (pb.ioVRefNum != 0 && pb.ioVRefNum != kRootVRefNum) return nsvErr;
    if (pb.ioFDirIndex != -1) return paramErr;
    if (pb.ioDrDirID == kRootParentDirID) return fnfErr;
    const std::optional<std::string> path = PathOfID(pb.ioDrDirID);
    if (!path || !IsFolder(*path)) return dirNFErr;

    std::string name;
    int32_t parentID = kRootParentDirID;
    if (*path == "/") {
        name = std::string(runtime::files::kRootVolumeName);
    } else {
        const std::optional<std::string> macName = detail::MacJapaneseName(runtime::files::LastName(*path));
        if (!macName || macName->size() > 255) return bdNamErr;
        name = *macName;
        parentID = DirectoryIDOfPath(runtime::files::ParentPath(*path));
    }
    // The name's length was checked above.
    if (pb.ioNamePtr) static_cast<void>(detail::StorePString(pb.ioNamePtr, 255, name));
    pb.ioDrParID = parentID;
    return noErr;
}

}  // namespace

int32_t DirectoryIDOfPath(const std::string& posixPath) {
    if (posixPath == "/") return kRootDirID;
    DirectoryTable& table = Table();
    std::lock_guard lock(table.mutex);
    const auto [it, added] = table.idOfPath.try_emplace(posixPath, table.next);
    if (added) table.pathOfID.emplace(table.next++, posixPath);
    return it->second;
}

OSErr PBGetCatInfoSync(CInfoPBRec* pb) {
    if (!pb) return paramErr;
    pb->ioResult = Describe(*pb);
    return pb->ioResult;
}

}  // namespace platform::carbon
