// Thread2, the search road: asks for a folder, walks everything below it and
// lists each entry that the catalogue names as one flat search row.
#include "engine/Thread2.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "app/Window1.h"
#include "foundation/CautionDialog.h"
#include "foundation/Globals.h"
#include "runtime/app/FolderDialogs.h"
#include "runtime/core/Dictionary.h"
#include "runtime/core/Exceptions.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/files/SpecialFolder.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace {

const String kApplicationSuffix = "（アプリ）";
const String kDocumentSuffix = "（書類）";

// A value of a product read as text; nothing when the product lacks the key.
std::optional<String> ValueOf(const Dictionary& product, const String& key) {
    if (!product.HasKey(key)) return std::nullopt;
    return product.Value(key).StringValue();
}

// A count of a product as a whole number; a missing or negative count is 0
// and a fraction is cut off.
int32_t CountOf(const Dictionary& product, const String& key) {
    const std::optional<String> text = ValueOf(product, key);
    if (!text) return 0;
    return std::max(CInt32(Val(*text)), 0);
}

// Tells whether value j of a product hits the item; j is already in text.
using ValueTest = std::function<bool(const Dictionary& product, const String& j)>;

// The frame of the three catalogue scans. For each product in catalogue
// order, for j = 1 to its count under countKey: the first value that hits
// ends the scan at once and gives its product; every value that misses, and
// every product, is followed by a yield. Nil when nothing hits.
DictionaryRef FirstProductHit(const String& countKey, const ValueTest& hits) {
    for (size_t k = 0; k < Globals::gItem.size(); ++k) {
        const DictionaryRef product = Globals::gItem[k];
        const int32_t n = product ? CountOf(*product, countKey) : 0;
        for (int64_t j = 1; j <= n; ++j) {
            if (hits(*product, Str(j))) return product;
            RuntimeBackgroundTask();
        }
        RuntimeBackgroundTask();
    }
    return nullptr;
}

// Appends a search row for the item: name and icon, date, the product's label
// with the scan's suffix, "DFS" and the item's path. No check box.
void AddSearchRow(Window1& win, const FolderItemRef& item, const DictionaryRef& product, const String& suffix) {
    Listbox& list = Deref(win.Listbox1());
    const String label = ValueOf(*product, "appLabel").value_or(String()) + suffix;
    list.AddRow(item->Name());
    const int row = list.LastIndex();
    list.SetRowPicture(row, win.MakeListFolIcon(item));
    list.SetCell(row, 1, Globals::gDateTime(item->ModificationDate()));
    list.SetCell(row, 2, label);
    list.SetCell(row, 4, "DFS");
    list.SetCell(row, 5, item->AbsolutePath());
}

// The walk's place in one folder: the folder and the entry it is at.
struct WalkFrame {
    FolderItemRef folder;
    int32_t i = 1;
};

}  // namespace

void Thread2::FindItem() {
    Window1& win = Deref(pWin1);
    const auto dialog = std::make_shared<SelectFolderDialog>();
    if (win.pCountGet != 0) {
        const int32_t answer =
            Globals::gCautionDlg(pWin1, true, 2, "", "キャンセル", "",
                                 "本処理を実行すると、自動取得リストはクリアされます。続けますか？", "");
        if (answer == Globals::kCancelButton) return;
    }
    dialog->SetPromptText("検索を開始するフォルダを指定して下さい。");
    dialog->SetInitialDirectory(SpecialFolder::Documents());
    const FolderItemRef folder = dialog->ShowModalWithin(pWin1);
    if (!folder) return;

    if (win.pCountFind == 0) {
        Deref(win.Listbox1()).DeleteAllRows();
        win.pFI.clear();
        win.pCountGet = 0;
    }
    win.pCountFind += 1;
    ShowProgress("FindItem");
    FindItem2(folder);
}

// Depth first, each folder's entries in Item order. The folders the walk is
// in are frames on the heap, so the worker's fixed stack does not grow with
// the depth; their paths form the chain that a folder alias leading back up
// names again, and such a folder is not entered a second time (paths are
// compared byte for byte: Linux names tell case apart).
void Thread2::FindItem2(const FolderItemRef& folder) {
    const Window1& win = Deref(pWin1);
    if (!folder) return;
    std::vector<WalkFrame> frames;
    std::unordered_set<std::string_view> chain;
    const auto enter = [&](const FolderItemRef& f) {
        if (!chain.insert(f->NativePath()).second) return false;
        frames.push_back({f});
        return true;
    };
    enter(folder);

    while (!frames.empty()) {
        WalkFrame& top = frames.back();
        if (top.i > top.folder->Count()) {
            chain.erase(top.folder->NativePath());
            frames.pop_back();
            if (frames.empty()) break;
            // The entry that led into the folder is done.
            RuntimeBackgroundTask();
            ++frames.back().i;
            continue;
        }
        if (win.pStopThread2) {
            KillMyself("killFind");
            return;
        }
        const FolderItemRef e = top.folder->Item(top.i);
        const bool usable = e && e->Exists() && e->Visible() && LeftB(e->Name(), 1) != ".";
        if (usable && !FindItem5(e)) {
            if (e->Directory() && !Globals::gAppPackage(e)) {
                if (enter(e)) continue;
            } else {
                FindItem3(e);
                FindItem4(e);
            }
        }
        RuntimeBackgroundTask();
        ++frames.back().i;
    }
}

void Thread2::FindItem3(const FolderItemRef& f) {
    if (!f) return;
    const DictionaryRef product = FirstProductHit("appCount", [&](const Dictionary& p, const String& j) {
        const std::optional<String> type = ValueOf(p, "appType" + j);
        const std::optional<String> name = ValueOf(p, "appName" + j);
        return type && name && MatchApp(f, *name, *type);
    });
    if (product) AddSearchRow(Deref(pWin1), f, product, kApplicationSuffix);
}

void Thread2::FindItem4(const FolderItemRef& f) {
    if (!f) return;
    const String code = Globals::gGetTypeCre(f);
    // An empty docType names no type: it would otherwise list every file
    // that carries no type and creator.
    const DictionaryRef product = FirstProductHit("docCount", [&](const Dictionary& p, const String& j) {
        const std::optional<String> docType = ValueOf(p, "docType" + j);
        return docType && !docType->IsEmpty() && code == *docType;
    });
    if (product) AddSearchRow(Deref(pWin1), f, product, kDocumentSuffix);
}

bool Thread2::FindItem5(const FolderItemRef& f) {
    if (!f) return false;
    const String extension = "." + Globals::gExtractExtn(f->Name());
    const DictionaryRef product = FirstProductHit("docCount", [&](const Dictionary& p, const String& j) {
        const std::optional<String> docType = ValueOf(p, "docType" + j);
        return docType && LeftB(*docType, 1) == "." && extension == *docType;
    });
    if (!product) return false;
    AddSearchRow(Deref(pWin1), f, product, kDocumentSuffix);
    return true;
}
