// The application matching rules: whether a folder entry is an application of
// the catalogue (by its type and creator code or, for the code "APPL----", by
// its name and the maker named in its Info.plist), or a folder that directly
// holds one. Text comparisons ignore letter case.

#include "engine/Thread2.h"

#include "foundation/Globals.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace {

// An item without a code (a package without PkgInfo) has the empty code,
// which names no application.
bool CodeMatches(ItemFacts& f, const String& appType) { return !appType.IsEmpty() && f.TypeCreator() == appType; }

}  // namespace

bool Thread2::MatchApp(const FolderItemRef& f, const String& appName, const String& appType) {
    if (!f) return false;
    ItemFacts facts(f);
    return MatchAppItem(facts, appName, appType);
}

bool Thread2::MatchAppItem(ItemFacts& f, const String& appName, const String& appType) {
    if (appType == "APPL----") return MatchAppFN(f.Item(), appName);
    if (f.AppPackage()) return CodeMatches(f, appType);
    if (f.Item()->Directory()) return MatchAppD(f.Item(), appType);
    return false;
}

bool Thread2::MatchAppF(const FolderItemRef& f, const String& appType) {
    if (!f) return false;
    ItemFacts facts(f);
    return CodeMatches(facts, appType);
}

bool Thread2::MatchAppD(const FolderItemRef& folder, const String& appType) {
    if (!folder || appType.IsEmpty()) return false;
    const FolderEntries entries = folder->Entries();
    for (int32_t i = 1; i <= entries.Count(); ++i) {
        const FolderItemRef ch = entries.Item(i);
        if (ch && ch->Exists() && (Globals::gAppPackage(ch) || ch->MacType() == "APPL") &&
            Globals::gGetTypeCre(ch) == appType)
            return true;
        RuntimeBackgroundTask();
    }
    return false;
}

bool Thread2::MatchAppFN(const FolderItemRef& f, const String& appName) {
    // Every name would contain the empty name.
    if (!f || appName.IsEmpty()) return false;
    return InStr(f->Name(), appName) > 0 && Globals::gGetTypeFileInfo(f);
}
