#pragma once
// Module Globals: the catalogue and the other globals the shell and the engine
// share, and the small facts about files they ask for.

#include <vector>

#include "runtime/core/Date.h"
#include "runtime/core/Dictionary.h"
#include "runtime/core/String.h"
#include "runtime/files/FolderItem.h"

namespace Globals {

// The product catalogue, one ProductEntry per product, in catalogue order.
extern std::vector<runtime::DictionaryRef> gItem;
// Every documents folder registered since start-up; only grows.
extern std::vector<runtime::FolderItemRef> gDocDir;
// Set at start-up; nothing reads it.
extern bool gBeep;

// Splits a name at its last dot. Without a dot, body is the whole name and
// extension is left alone.
void gExtractBodyAndExtn(const runtime::String& name, runtime::String& body, runtime::String& extension);
// The text after the last dot, or "".
runtime::String gExtractExtn(const runtime::String& name);

// A folder (or package) whose name has the extension "app".
bool gAppPackage(const runtime::FolderItemRef& item);
// Type and creator: the first line within the first 8 bytes of a package's
// PkgInfo, else MacType + MacCreator.
runtime::String gGetTypeCre(const runtime::FolderItemRef& item);
// The item's contents/Info.plist holds the maker's name, byte for byte; False
// for one larger than platform::plist::kMaxInfoPlistBytes.
bool gGetTypeFileInfo(const runtime::FolderItemRef& item);

// The absolute-path field inside alias data, or the data unchanged.
runtime::String gAbsPath_ex(const runtime::String& data);

// The date text of the result list: abbreviated date, a blank, hh:mm:ss;
// "" for no date (an item that has gone).
runtime::String gDateTime(const runtime::DateRef& date);

}  // namespace Globals
