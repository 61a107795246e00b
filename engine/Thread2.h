#pragma once
// The search worker: fills the main window's list, either by looking up every
// product of the catalogue (the auto-get road, "GetItem") or by searching a
// folder that the user picks (the search road, "FindItem").
//
// Every lookup takes the product's index list (app/ItemIndexList.h) and
// returns it with the indexes of what it registered.
//
// Methods by file: Thread2.cpp (run, auto-get driver, progress, stop, reset),
// Thread2Lookups.cpp (applications, preferences, plists, Application Support,
// documents dispatch), Thread2Matching.cpp (application matching rules),
// Thread2Documents.cpp (documents folders from record files, read by
// RecordFile.h, and the edition plist; UserFolders.h tells which folders are
// never one), Thread2Search.cpp (the search road, over SearchCatalogue.h and
// ItemFacts.h).

#include <cstdint>
#include <memory>
#include <optional>

#include "engine/ItemFacts.h"
#include "engine/SearchCatalogue.h"
#include "runtime/core/String.h"
#include "runtime/files/FolderItem.h"
#include "runtime/threads/Thread.h"

class Window1;

class Thread2 : public runtime::Thread {
public:
    // Set once by Window1.GetItem before Run.
    std::shared_ptr<Window1> pWin1;
    // The RunMode: "GetItem" or "FindItem".
    runtime::String pMode;

    void Event_Run() override;
    // Puts the status strip and the tool items back at the end of a run.
    void ResetMainWinInfo(const runtime::String& mode);

protected:
    runtime::String GetItemApp(const runtime::String& list, const runtime::String& appName,
                               const runtime::String& appType, int32_t n);
    runtime::String GetItemAS(const runtime::String& list, const runtime::String& name);
    runtime::String GetItemDocDTolv(const runtime::String& list);
    runtime::FolderItemRef GetItemDocDTolv2(const runtime::FolderItemRef& folder);
    runtime::String GetItemDocDZorub(const runtime::String& list);
    runtime::FolderItemRef GetItemDocDZorub2(const runtime::FolderItemRef& folder);
    runtime::String GetItemDocDPlm(const runtime::String& list);
    runtime::FolderItemRef GetItemDocDPlm2(const runtime::FolderItemRef& folder);
    void SetItem(const runtime::String& list, const runtime::String& label);
    runtime::String GetItemPref(const runtime::String& list, const runtime::String& name);
    runtime::FolderItemRef FolderAS();
    runtime::FolderItemRef FolderPref();
    runtime::String GetItemPlist(const runtime::String& list, const runtime::String& key);
    void GetItem();
    // Ends the run at once on a stop request ("killGet" or "killFind").
    void KillMyself(const runtime::String& mode);
    runtime::String GetItemApp3(const runtime::String& list, const runtime::FolderItemRef& f);
    runtime::FolderItemRef FolderApp();
    runtime::String GetItemDoc(const runtime::String& list, const runtime::String& docType);
    runtime::String GetItemApp2(const runtime::FolderItemRef& folder, const runtime::String& list,
                                const runtime::String& appName, const runtime::String& appType);
    bool MatchApp(const runtime::FolderItemRef& f, const runtime::String& appName, const runtime::String& appType);
    bool MatchAppF(const runtime::FolderItemRef& f, const runtime::String& appType);
    bool MatchAppD(const runtime::FolderItemRef& folder, const runtime::String& appType);
    void FindItem();
    void FindItem2(const runtime::FolderItemRef& folder);
    void FindItem3(const runtime::FolderItemRef& f);
    bool MatchAppFN(const runtime::FolderItemRef& f, const runtime::String& appName);
    void FindItem4(const runtime::FolderItemRef& f);
    void ShowProgress(const runtime::String& mode);
    void GetItem2();
    bool FindItem5(const runtime::FolderItemRef& f);
    runtime::String GetItemDocDPlmVx(const runtime::String& list);

private:
    // The record-file lookup shared by GetItemDocDTolv, GetItemDocDZorub and
    // GetItemDocDPlm: the product preferences folder of that name, its reader.
    runtime::String GetItemDocDRecords(const runtime::String& list, const char* preferencesFolder,
                                       runtime::FolderItemRef (Thread2::*reader)(const runtime::FolderItemRef&));

    // MatchApp over facts read once for the item.
    bool MatchAppItem(ItemFacts& f, const runtime::String& appName, const runtime::String& appType);

    // The search road's scans share the catalogue as read at the start of the
    // walk, and the facts of the item they compare.
    const SearchCatalogue& ScannedCatalogue();
    ItemFacts& ScannedItem(const runtime::FolderItemRef& f);
    std::optional<SearchCatalogue> scannedCatalogue_;
    ItemFacts scannedItem_;
};

using Thread2Ref = std::shared_ptr<Thread2>;
