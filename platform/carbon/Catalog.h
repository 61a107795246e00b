#pragma once
// The catalog of the root volume: directory IDs and PBGetCatInfoSync.
//
// Linux keeps no catalog IDs, so this layer hands them out: the root folder
// is kRootDirID (parent kRootParentDirID), and every other directory gets a
// number of its own the first time it is met, kept for its path for the
// life of the process. Paths are taken as written (lexically), links are not
// resolved.

#include <cstdint>
#include <string>

#include "platform/carbon/MacTypes.h"

namespace platform::carbon {

// The directory ID of the folder at this absolute, normalised POSIX path.
int32_t DirectoryIDOfPath(const std::string& posixPath);

// With ioFDirIndex -1: the name of directory ioDrDirID of volume ioVRefNum
// (0 or kRootVRefNum) into ioNamePtr, and its parent's ID into ioDrParID.
// The root folder is named "Macintosh HD". Results: nsvErr for another
// volume, paramErr for another ioFDirIndex, fnfErr for kRootParentDirID,
// dirNFErr for an ID never handed out or a folder no longer there, bdNamErr
// for a name with no Mac Japanese form. Also stored in ioResult.
[[nodiscard]] OSErr PBGetCatInfoSync(CInfoPBRec* pb);

}  // namespace platform::carbon
