// The product catalogue: the file appList.txt, or the built-in table.
#include "app/App.h"

#include <algorithm>

#include "app/Bundle.h"
#include "foundation/Globals.h"
#include "runtime/app/MessageDialog.h"
#include "runtime/core/Encodings.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/files/TextInputStream.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace {

// A count beyond this reads no further lines: past the end of the file every
// value would be empty anyway, and an absurd count must not exhaust memory.
constexpr int32_t kMaxCount = 10000;

FolderItemRef CatalogueInBundle() {
    FolderItemRef resources = Bundle::Resources();
    FolderItemRef lproj = resources ? resources->Child("Japanese.lproj") : nullptr;
    return lproj ? lproj->Child("appList.txt") : nullptr;
}

FolderItemRef CatalogueBesideApplication() {
    FolderItemRef folder = GetFolderItem("");
    return folder ? folder->Child("appList.txt") : nullptr;
}

// The whole number of a count line; a fraction is cut off.
int32_t CountOf(const String& line) {
    const double value = Val(line);
    return static_cast<int32_t>(std::clamp(value, 0.0, static_cast<double>(kMaxCount)));
}

DictionaryRef LastEntry() { return Globals::gItem.back(); }

}  // namespace

bool App::LoadFile() {
    FolderItemRef file = CatalogueInBundle();
    if (!file || !file->Exists()) file = CatalogueBesideApplication();
    TextInputStreamRef stream = file && file->Exists() ? file->OpenAsTextFile() : nullptr;
    if (!stream) {
        MsgBox("not found.");
        return false;
    }
    stream->SetEncoding(Encodings::UTF8());

    String state = "appLabel";
    do {
        const String line = stream->ReadLine();
        if (!line.IsEmpty()) {
            if (state == "appLabel") {
                Globals::gItem.push_back(std::make_shared<Dictionary>());
                LastEntry()->SetValue("appLabel", line);
                state = "appCount";
            } else if (state == "appCount") {
                // The count as read, so the lookups walk exactly the names stored.
                const int32_t n = CountOf(line);
                LastEntry()->SetValue("appCount", Str(n));
                for (int32_t i = 1; i <= n; ++i) {
                    LastEntry()->SetValue("appName" + Str(i), stream->ReadLine());
                    LastEntry()->SetValue("appType" + Str(i), stream->ReadLine());
                    RuntimeBackgroundTask();
                }
                state = "docCount";
            } else if (state == "docCount") {
                const int32_t m = CountOf(line);
                LastEntry()->SetValue("docCount", Str(m));
                for (int32_t j = 1; j <= m; ++j) {
                    LastEntry()->SetValue("docType" + Str(j), stream->ReadLine());
                    RuntimeBackgroundTask();
                }
                state = "prefName";
            } else if (state == "prefName") {
                LastEntry()->SetValue("prefName", line);
                state = "plistName";
            } else if (state == "plistName") {
                LastEntry()->SetValue("plistNam", line);
                state = "apSpName";
            } else if (state == "apSpName") {
                LastEntry()->SetValue("apSpName", line);
                state = "appLabel";
            }
        }
        RuntimeBackgroundTask();
    } while (!stream->EOF());
    stream->Close();
    return true;
}

namespace {

struct BuiltInProduct {
    const char* label;
    std::vector<std::pair<const char*, const char*>> applications;  // name, type
    std::vector<const char*> docTypes;
    const char* prefName;
    const char* plistName;
    const char* apSpName;
};

const std::vector<BuiltInProduct>& BuiltInTable() {
    static const std::vector<BuiltInProduct> table = {
        {"Tolvenade II",
         {{"Tolvenade", "APPLwTq1"}, {"Marlocane", "APPLwTq2"}},
         {"Brd3wTq1", "Crd3wTq1"},
         "Tolvenade初期設定",
         "Tolvenade",
         "Tolvenade II"},
        {"Zoruba", {{"Zoruba", "APPLwTq4"}}, {"PanlwTq4"}, "Zoruba初期設定", "Zoruba", ""},
        {"Pelmora", {{"Pelmora", "APPLwTq5"}}, {"PelmwTq5"}, "Pelmora初期設定", "Pelmora", "Pelmora"},
        {"Gablune mini", {{"Gablune", "APPLwTqk"}}, {}, "Gablune初期設定", "Gablune", ""},
        {"Wistrel", {{"Wistrel", "APPLwTqm"}}, {}, "Wistrel初期設定", "Wistrel", ""},
        {"Brevindal nano", {{"brevindal", "APPLwTqr"}}, {}, "Brevindal nano初期設定", "Brevindal", "Brevindal"},
    };
    return table;
}

}  // namespace

void App::InitDictionary() {
    for (const BuiltInProduct& product : BuiltInTable()) {
        Globals::gItem.push_back(std::make_shared<Dictionary>());
        const DictionaryRef entry = LastEntry();
        entry->SetValue("appLabel", product.label);
        entry->SetValue("appCount", static_cast<int32_t>(product.applications.size()));
        for (size_t i = 0; i < product.applications.size(); ++i) {
            entry->SetValue("appName" + Str(i + 1), product.applications[i].first);
            entry->SetValue("apptype" + Str(i + 1), product.applications[i].second);
        }
        entry->SetValue("docCount", static_cast<int32_t>(product.docTypes.size()));
        for (size_t j = 0; j < product.docTypes.size(); ++j)
            entry->SetValue("doctype" + Str(j + 1), product.docTypes[j]);
        entry->SetValue("prefName", product.prefName);
        entry->SetValue("plistNam", product.plistName);
        entry->SetValue("apSpName", product.apSpName);
    }
}
