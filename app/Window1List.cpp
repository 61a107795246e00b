// The main window's result list: the table of found items, the item rows of
// a product row, the list's events, the row icon and the reveal command.
#include "app/Window1.h"

#include <algorithm>

#include "app/ItemIndexList.h"
#include "app/PluginFunctions.h"
#include "app/ScriptItems.h"
#include "foundation/Globals.h"
#include "runtime/core/Exceptions.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace {

// Column 2 of an item row, by ItemKind, in lookup order.
struct KindText {
    const char* kind;
    const char* text;
};
constexpr KindText kKindTexts[] = {
    {"AD", "アプリケーション（フォルダ）"},
    {"A", "アプリケーション（単体）"},
    {"P", "初期設定フォルダ"},
    {"PL", "plist"},
    {"AS", "App. Supportフォルダ"},
    {"DD", "書類"},
};

String KindColumnText(const String& kind) {
    for (const KindText& entry : kKindTexts)
        if (kind == entry.kind) return entry.text;
    return "";
}

}  // namespace

int32_t Window1::AddFIlist(const FolderItemRef& f, const String& kind) {
    const FoundItems::Added added = pFI.Add(f, kind);
    if (added.isNew && kind == "DD") Globals::gDocDir.push_back(f);
    return added.index;
}

void Window1::Listbox1_ExpandRow(Listbox& lb, int32_t row) { ExpRow(row); }

void Window1::ExpRow(int32_t row) {
    ListboxRef list = Listbox1();
    for (const int32_t idx : ItemIndexList::Read(Deref(list).Cell(row, 5))) {
        if (idx < 0 || idx > Ubound(pFI)) continue;  // an index outside pFI names nothing
        const DictionaryRef& d = pFI[idx];
        FolderItemRef f = Deref(d).Value("item").ObjectValue<FolderItem>();
        list->AddRow(Deref(f).Name());
        const int32_t added = list->LastIndex();
        list->SetRowPicture(added, MakeListFolIcon(f));
        list->SetCellType(added, 0, Listbox::TypeCheckBox);
        list->SetCellCheck(added, 0, true);
        list->SetCell(added, 1, Globals::gDateTime(f->ModificationDate()));
        const String kind = d->Value("kind").StringValue();
        list->SetCell(added, 4, kind);
        list->SetCell(added, 5, Str(idx));
        list->SetCell(added, 2, KindColumnText(kind));
        RuntimeBackgroundTask();
    }
}

bool Window1::Listbox1_CellBackgroundPaint(Listbox& lb, Graphics& g, int32_t row, int32_t column) {
    if (row % 2 == 0) {
        g.SetForeColor(RGB(237, 243, 254));
        // A cell of a column widened past the list is wider than the list.
        g.FillRect(0, 0, std::max(lb.Width(), g.Width()), std::max(lb.Height(), g.Height()));
    }
    return false;
}

// Product rows are the list's only folder rows. Their cells do not tell them
// apart: an item gone from disk shows an empty date, as a product row does.
void Window1::Listbox1_CellAction(Listbox& lb, int32_t row, int32_t column) {
    if (!lb.RowIsFolder(row)) return;
    for (int32_t i = row + 1; i < lb.ListCount() && !lb.RowIsFolder(i); ++i) {
        lb.SetCellCheck(i, 0, lb.CellCheck(row, 0));
        RuntimeBackgroundTask();
    }
}

void Window1::Listbox1_Change(Listbox& lb) {
    auto tb = Toolbar11();
    Deref(tb).ToolItem8->SetEnabled(false);
    if (lb.ListIndex() < 0) return;
    if (lb.Cell(lb.ListIndex(), 4) == "DFS") tb->ToolItem8->SetEnabled(true);
}

void Window1::RevealFile() {
    ListboxRef list = Listbox1();
    revealFile({Variant(Deref(list).Cell(list->ListIndex(), 5))});
}

PictureRef Window1::MakeListFolIcon(const FolderItemRef& f) {
    PictureRef p1 = GetIconFromFile(f, 5);
    PictureRef p2 = GetIconFromFile(f, 13);
    PictureRef p = NewPicture(16, 16, 32);
    if (p1) p->Graphics()->DrawPicture(p1, 0, 0);
    PictureRef mask = p->Mask(true);
    if (p2) {
        mask->Graphics()->DrawPicture(p2, 0, 0);
    } else if (!p1) {
        // No icon at all: a clear picture rather than a white square.
        mask->Graphics()->SetForeColor(RGB(255, 255, 255));
        mask->Graphics()->FillRect(0, 0, 16, 16);
    }
    return p;
}
