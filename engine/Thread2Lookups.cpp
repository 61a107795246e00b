// The product lookups of the auto-get road: the product's applications at the
// top level of the Applications folder, its preferences folder, its plists in
// the Preferences folder, its Application Support folder and the choice of
// its documents-folder reader. Each registers what it finds with the main
// window and returns the product's index list extended by the new indexes.

#include "engine/Thread2.h"

#include <utility>

#include "app/ItemIndexList.h"
#include "app/Window1.h"
#include "engine/ExistingChild.h"
#include "foundation/Globals.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/files/SpecialFolder.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

FolderItemRef Thread2::FolderApp() { return SpecialFolder::Applications(); }

FolderItemRef Thread2::FolderPref() { return SpecialFolder::Preferences(); }

FolderItemRef Thread2::FolderAS() { return SpecialFolder::ApplicationData(); }

String Thread2::GetItemApp(const String& list, const String& appName, const String& appType, int32_t /*n*/) {
    return GetItemApp2(FolderApp(), list, appName, appType);
}

String Thread2::GetItemApp2(const FolderItemRef& folder, const String& list, const String& appName,
                            const String& appType) {
    if (!folder || !pWin1) return list;
    String result = list;
    // One reading of the folder: it may change while the thread is away at a
    // yield, and a fixed reading meets each entry that stays exactly once.
    const FolderEntries entries = folder->Entries();
    for (int32_t i = 1; i <= entries.Count(); ++i) {
        if (pWin1->pStopThread2) KillMyself("killGet");
        const FolderItemRef ch = entries.Item(i);
        const bool considered = ch && ch->Exists() && ch->Visible() && AscB(ch->Name()) != '.' && ch->Directory();
        if (considered && MatchApp(ch, appName, appType)) result = GetItemApp3(result, ch);
        RuntimeBackgroundTask();
    }
    return result;
}

String Thread2::GetItemApp3(const String& list, const FolderItemRef& f) {
    if (!f || !pWin1) return list;
    const String kind = Globals::gExtractExtn(f->Name()) == "app" ? "A" : "AD";
    return ItemIndexList::Append(list, pWin1->AddFIlist(f, kind));
}

String Thread2::GetItemPref(const String& list, const String& name) {
    if (!pWin1) return list;
    if (pWin1->pStopThread2) KillMyself("killGet");
    const FolderItemRef f = ExistingChild(FolderPref(), name);
    return f ? ItemIndexList::Append(list, pWin1->AddFIlist(f, "P")) : list;
}

String Thread2::GetItemAS(const String& list, const String& name) {
    if (!pWin1) return list;
    if (pWin1->pStopThread2) KillMyself("killGet");
    const FolderItemRef f = ExistingChild(FolderAS(), name);
    return f ? ItemIndexList::Append(list, pWin1->AddFIlist(f, "AS")) : list;
}

String Thread2::GetItemPlist(const String& list, const String& key) {
    if (!pWin1) return list;
    if (pWin1->pStopThread2) KillMyself("killGet");
    // Every name contains the empty text: an empty key would take the whole folder.
    if (key.IsEmpty()) return list;
    const FolderItemRef folder = FolderPref();
    if (!folder) return list;
    // Pelmora's key also occurs in the plists of its Vantix edition, which
    // are not Pelmora's.
    const bool skipVantix = key == "Pelmora";
    String result = list;
    const FolderEntries entries = folder->Entries();
    for (int32_t i = 1; i <= entries.Count(); ++i) {
        if (const FolderItemRef ch = entries.Item(i)) {
            const String nm = ch->Name();
            const bool qualifies = InStr(nm, key) > 0 && InStr(nm, "plist") > 0;
            const bool vantix = skipVantix && InStr(nm, "Pelmora") > 0 && InStr(nm, "vantix") > 0;
            if (qualifies && !vantix) result = ItemIndexList::Append(std::move(result), pWin1->AddFIlist(ch, "PL"));
        }
        RuntimeBackgroundTask();
    }
    return result;
}

String Thread2::GetItemDoc(const String& list, const String& docType) {
    if (docType == "Brd1wTq1") return GetItemDocDTolv(list);
    if (docType == "PanlwTq4") return GetItemDocDZorub(list);
    if (docType == "PelmwTq5") return GetItemDocDPlm(list);
    if (docType == ".plmmd") return GetItemDocDPlmVx(list);
    return list;
}
