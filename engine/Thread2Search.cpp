// Thread2, the search road: asks for a folder, walks everything below it and
// lists each entry that the catalogue names as one flat search row.
#include "engine/Thread2.h"

#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

#include "app/Window1.h"
#include "foundation/CautionDialog.h"
#include "foundation/Globals.h"
#include "runtime/app/FolderDialogs.h"
#include "runtime/core/Exceptions.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/files/SpecialFolder.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace {

const String kApplicationSuffix = "（アプリ）";
const String kDocumentSuffix = "（書類）";

using Product = SearchCatalogue::Product;

// The frame of the three catalogue scans. For each product in catalogue
// order, for j = 1 to its count: the first value that hits ends the scan at
// once and gives its product; every value that misses, and every product, is
// followed by a yield. Nil when nothing hits.
template <class Hits>
const Product* FirstProductHit(const SearchCatalogue& catalogue, int32_t (Product::*count)() const, Hits hits) {
    for (const Product& product : catalogue.Products()) {
        const int32_t n = (product.*count)();
        for (int64_t j = 1; j <= n; ++j) {  // wide: a count may be the largest Int32
            if (hits(product, static_cast<int32_t>(j))) return &product;
            RuntimeBackgroundTask();
        }
        RuntimeBackgroundTask();
    }
    return nullptr;
}

// Appends a search row for the item: name and icon, date, the product's label
// with the scan's suffix, "DFS" and the item's path. No check box.
void AddSearchRow(Window1& win, ItemFacts& item, const Product& product, const String& suffix) {
    Listbox& list = Deref(win.Listbox1());
    list.AddRow(item.Name());
    const int row = list.LastIndex();
    list.SetRowPicture(row, win.MakeListFolIcon(item.Item()));
    list.SetCell(row, 1, Globals::gDateTime(item.Item()->ModificationDate()));
    list.SetCell(row, 2, product.Label() + suffix);
    list.SetCell(row, 4, "DFS");
    list.SetCell(row, 5, item.Item()->AbsolutePath());
}

// The walk's place in one folder: the reading it walks, the device the
// folder is on and the entry it is at.
struct WalkFrame {
    FolderEntries entries;
    uint64_t device = 0;
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

// Depth first, each folder's entries in Item order, each folder read once
// when the walk enters it. The folders the walk is in are frames on the heap,
// so the worker's fixed stack does not grow with the depth. A search takes
// each folder and each listed item once, told by what it is (device and
// inode), not by the path that leads there: links that lead to a folder
// again, or to an ancestor, add no walk and no row. Folders on the kernel's
// own file systems (proc, sysfs, devtmpfs, ...) are not entered.
void Thread2::FindItem2(const FolderItemRef& folder) {
    const Window1& win = Deref(pWin1);
    const std::optional<FileIdentity> root = folder ? folder->Identity() : std::nullopt;
    if (!root || folder->OnKernelFileSystem()) return;
    scannedCatalogue_ = SearchCatalogue::Read();
    const ListboxRef list = win.Listbox1();
    std::unordered_set<FileIdentity, FileIdentityHash> taken{*root};
    std::vector<WalkFrame> frames;
    frames.push_back({folder->Entries(), root->device});

    while (!frames.empty()) {
        WalkFrame& top = frames.back();
        if (top.i > top.entries.Count()) {
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
        const FolderItemRef e = top.entries.Item(top.i);
        // Nothing there: the entry does not exist (any more).
        const std::optional<FileIdentity> id = e ? e->Identity() : std::nullopt;
        ItemFacts& item = ScannedItem(e);
        const bool usable = id && !taken.contains(*id) && e->Visible() && LeftB(item.Name(), 1) != ".";
        if (usable) {
            const int32_t rows = Deref(list).ListCount();
            if (!FindItem5(e)) {
                if (e->Directory() && !item.AppPackage()) {
                    // On another device than its folder: a mount point, perhaps of a kernel file system.
                    if (id->device == top.device || !e->OnKernelFileSystem()) {
                        taken.insert(*id);
                        frames.push_back({e->Entries(), id->device});
                        continue;
                    }
                } else {
                    FindItem3(e);
                    FindItem4(e);
                }
            }
            if (list->ListCount() > rows) taken.insert(*id);
        }
        RuntimeBackgroundTask();
        ++frames.back().i;
    }
    scannedItem_ = ItemFacts();
}

void Thread2::FindItem3(const FolderItemRef& f) {
    if (!f) return;
    ItemFacts& item = ScannedItem(f);
    const Product* product = FirstProductHit(ScannedCatalogue(), &Product::AppCount, [&](const Product& p, int32_t j) {
        const SearchCatalogue::Application& app = p.App(j);
        return app.type && app.name && MatchAppItem(item, *app.name, *app.type);
    });
    if (product) AddSearchRow(Deref(pWin1), item, *product, kApplicationSuffix);
}

void Thread2::FindItem4(const FolderItemRef& f) {
    if (!f) return;
    ItemFacts& item = ScannedItem(f);
    const String& code = item.TypeCreator();
    // An empty docType names no type: it would otherwise list every file
    // that carries no type and creator.
    const Product* product = FirstProductHit(ScannedCatalogue(), &Product::DocCount, [&](const Product& p, int32_t j) {
        const std::optional<String>& docType = p.DocType(j);
        return docType && !docType->IsEmpty() && code == *docType;
    });
    if (product) AddSearchRow(Deref(pWin1), item, *product, kDocumentSuffix);
}

bool Thread2::FindItem5(const FolderItemRef& f) {
    if (!f) return false;
    ItemFacts& item = ScannedItem(f);
    const String extension = "." + item.Extension();
    const Product* product = FirstProductHit(ScannedCatalogue(), &Product::DocCount, [&](const Product& p, int32_t j) {
        const std::optional<String>& docType = p.DocType(j);
        return docType && LeftB(*docType, 1) == "." && extension == *docType;
    });
    if (!product) return false;
    AddSearchRow(Deref(pWin1), item, *product, kDocumentSuffix);
    return true;
}

const SearchCatalogue& Thread2::ScannedCatalogue() {
    if (!scannedCatalogue_) scannedCatalogue_ = SearchCatalogue::Read();
    return *scannedCatalogue_;
}

// The facts of the item the scans compare, kept until they move to another.
ItemFacts& Thread2::ScannedItem(const FolderItemRef& f) {
    if (scannedItem_.Item() != f) scannedItem_ = ItemFacts(f);
    return scannedItem_;
}
