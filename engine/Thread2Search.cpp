// Thread2, the search road: asks for a folder, walks everything below it and
// lists each entry that the catalogue names as one flat search row.
#include "engine/Thread2.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
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

// Puts a folder on the walk's chain for the time it is walked; refused when
// the folder is on the chain already. Aliases are resolved by the listing, so
// a folder alias that leads back up names a folder already on the chain.
class FolderOnChain {
public:
    FolderOnChain(std::vector<String>& chain, const FolderItemRef& folder) : chain_(chain) {
        const String path = folder->AbsolutePath();
        for (const String& above : chain_)
            if (above.Bytes() == path.Bytes()) return;  // Linux names tell case apart
        chain_.push_back(path);
        entered_ = true;
    }
    ~FolderOnChain() {
        if (entered_) chain_.pop_back();
    }
    FolderOnChain(const FolderOnChain&) = delete;
    FolderOnChain& operator=(const FolderOnChain&) = delete;

    bool Entered() const { return entered_; }

private:
    std::vector<String>& chain_;
    bool entered_ = false;
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

void Thread2::FindItem2(const FolderItemRef& folder) {
    const Window1& win = Deref(pWin1);
    if (!folder) return;
    const FolderOnChain onChain(walkChain_, folder);
    if (!onChain.Entered()) return;

    for (int32_t i = 1; i <= folder->Count(); ++i) {
        if (win.pStopThread2) {
            KillMyself("killFind");
            return;
        }
        const FolderItemRef e = folder->Item(i);
        const bool usable = e && e->Exists() && e->Visible() && LeftB(e->Name(), 1) != ".";
        if (usable && !FindItem5(e)) {
            if (e->Directory() && !Globals::gAppPackage(e)) {
                FindItem2(e);
            } else {
                FindItem3(e);
                FindItem4(e);
            }
        }
        RuntimeBackgroundTask();
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
