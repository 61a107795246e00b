// The documents-folder lookups of the auto-get road. Three products record
// their documents folder in a record file in their own preferences folder;
// an edition of the third records it in a plist, read from a copy converted
// to XML in the work folder. A folder found is registered as "DD", unless it
// is one of the user's own folders or holds one.

#include "engine/Thread2.h"

#include <optional>

#include "app/ItemIndexList.h"
#include "app/Window1.h"
#include "engine/ExistingChild.h"
#include "engine/RecordFile.h"
#include "engine/UserFolders.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/files/Shell.h"
#include "runtime/files/SpecialFolder.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace {

constexpr const char* kTolvenadePreferences = "Tolvenade初期設定";
constexpr const char* kZorubaPreferences = "Zoruba初期設定";
constexpr const char* kPelmoraPreferences = "Pelmora初期設定";

constexpr RecordFile::Format kTolvenadeRecords{"pref2", RecordFile::Layout::Scrambled, RecordFile::Marking::AllUTF8, 18,
                                               true};
constexpr RecordFile::Format kZorubaRecords{"pref2", RecordFile::Layout::Scrambled, RecordFile::Marking::CountedUTF8,
                                            17, false};
constexpr RecordFile::Format kPelmoraRecords{"pref", RecordFile::Layout::Plain, RecordFile::Marking::AllShiftJIS, 17,
                                             false};

constexpr const char* kEditionPlist = "com.KELDOSoftwareJP.PelmoVantix.plist";
constexpr const char* kEditionKey = "prefFolderPath";
constexpr const char* kWorkFolder = "KELDO Uninstaller";

// Registers an existing documents folder; its index in pFI, or nothing. A
// record naming "/", the home or Documents itself would put it in the Trash.
std::optional<int32_t> RegisterDocumentsFolder(Window1& win, const FolderItemRef& folder) {
    if (!folder || !folder->Exists() || HoldsUserFolder(folder)) return std::nullopt;
    return win.AddFIlist(folder, "DD");
}

// The work folder in the temporary folder, made (mode 0700) when missing.
// Nil when it cannot be had, or when what stands there is no folder of the
// user's own: a symbolic link, or an item that belongs to someone else.
FolderItemRef WorkFolder() {
    const FolderItemRef temporary = SpecialFolder::Temporary();
    const FolderItemRef folder = temporary ? temporary->Child(kWorkFolder) : nullptr;
    if (!folder) return nullptr;
    if (!folder->Exists() && !folder->IsSymbolicLink()) folder->CreateAsFolder();
    if (folder->IsSymbolicLink() || !folder->OwnedByCurrentUser() || !folder->Directory()) return nullptr;
    return folder;
}

// A fresh copy of the plist in the work folder, the stale one deleted first;
// nil when no new copy could be made.
FolderItemRef FreshCopy(const FolderItemRef& source, const FolderItemRef& workFolder) {
    const FolderItemRef stale = workFolder->Child(source->Name());
    if (stale && (stale->Exists() || stale->IsSymbolicLink())) stale->Delete();
    source->CopyFileTo(workFolder);
    // A failed copy would leave an older copy to be read as if it were new.
    if (source->LastErrorCode() != 0) return nullptr;
    const FolderItemRef copy = workFolder->Child(source->Name());
    return copy && copy->Exists() ? copy : nullptr;
}

// The value on the line after the first line that holds the key, between
// "<string>" and "</string>", as it stands there; "" when there is none.
String KeyValueInXml(const FolderItemRef& xmlFile, const String& key) {
    const TextInputStreamRef in = xmlFile->OpenAsTextFile();
    if (!in) return String();
    String value;
    while (!in->EOF()) {
        const String line = in->ReadLine();
        if (InStr(line, key) > 0) {
            value = NthField(NthField(in->ReadLine(), "<string>", 2), "</string>", 1);
            break;
        }
        RuntimeBackgroundTask();
    }
    in->Close();
    return value;
}

}  // namespace

String Thread2::GetItemDocDRecords(const String& list, const char* preferencesFolder,
                                   FolderItemRef (Thread2::*reader)(const FolderItemRef&)) {
    if (!pWin1) return list;
    if (pWin1->pStopThread2) KillMyself("killGet");
    const FolderItemRef folder = ExistingChild(FolderPref(), preferencesFolder);
    if (!folder) return list;
    const auto index = RegisterDocumentsFolder(*pWin1, (this->*reader)(folder));
    return index ? ItemIndexList::Append(list, *index) : list;
}

String Thread2::GetItemDocDTolv(const String& list) {
    return GetItemDocDRecords(list, kTolvenadePreferences, &Thread2::GetItemDocDTolv2);
}

FolderItemRef Thread2::GetItemDocDTolv2(const FolderItemRef& folder) {
    return RecordFile::DocumentsFolder(folder, kTolvenadeRecords);
}

String Thread2::GetItemDocDZorub(const String& list) {
    return GetItemDocDRecords(list, kZorubaPreferences, &Thread2::GetItemDocDZorub2);
}

FolderItemRef Thread2::GetItemDocDZorub2(const FolderItemRef& folder) {
    return RecordFile::DocumentsFolder(folder, kZorubaRecords);
}

String Thread2::GetItemDocDPlm(const String& list) {
    return GetItemDocDRecords(list, kPelmoraPreferences, &Thread2::GetItemDocDPlm2);
}

FolderItemRef Thread2::GetItemDocDPlm2(const FolderItemRef& folder) {
    return RecordFile::DocumentsFolder(folder, kPelmoraRecords);
}

// The edition makes no stop test.
String Thread2::GetItemDocDPlmVx(const String& list) {
    if (!pWin1) return list;
    const FolderItemRef workFolder = WorkFolder();
    const FolderItemRef preferences = FolderPref();
    const FolderItemRef source = preferences ? preferences->Child(kEditionPlist) : nullptr;
    if (!source || !source->Exists() || !workFolder) return list;

    const FolderItemRef copy = FreshCopy(source, workFolder);
    if (!copy) return list;
    const auto plutil = std::make_shared<Shell>();
    plutil->Execute("plutil -convert xml1 " + copy->ShellPath());
    if (plutil->ErrorCode() != 0) return list;

    const String path = KeyValueInXml(copy, kEditionKey);
    if (path.IsEmpty()) return list;
    const auto index = RegisterDocumentsFolder(*pWin1, GetFolderItem(path, 2));
    return index ? ItemIndexList::Append(list, *index) : list;
}
