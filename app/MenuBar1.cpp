#include "app/MenuBar1.h"

using namespace runtime;

namespace {

std::shared_ptr<MenuBar1> implicitInstance;

template <class Item = MenuItem>
MenuItemRef NewItem(const String& name, const String& text) {
    auto item = std::make_shared<Item>();
    item->SetName(name);
    item->SetAutoEnable(true);
    item->SetText(text);
    return item;
}

}  // namespace

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
}

std::shared_ptr<MenuBar1> MenuBar1::Instance() {
    if (!implicitInstance) {
        implicitInstance = std::make_shared<MenuBar1>();
        implicitInstance->Constructor();
    }
    return implicitInstance;
}

void MenuBar1::ReleaseInstance() { implicitInstance.reset(); }

namespace {

struct ItemRow {
    const char* name;
    const char* text;
    const char* shortcut;  // nullptr: a separator, whose shortcut is never set
};

void BuildMenu(MenuBar& bar, const String& menuName, const String& menuText, std::initializer_list<ItemRow> rows,
               const MenuItemRef& lastItem = nullptr) {
    MenuItemRef menu = NewItem(menuName, menuText);
    menu->SetKeyboardShortcut("");
    bar.Append(menu);
    for (const ItemRow& row : rows) {
        MenuItemRef item =
            row.name == String("FileQuit") ? NewItem<QuitMenuItem>(row.name, row.text) : NewItem(row.name, row.text);
        if (row.shortcut) item->SetKeyboardShortcut(row.shortcut);
        bar.Child(menuName)->Append(item);
    }
    if (lastItem) bar.Child(menuName)->Append(lastItem);
}

}  // namespace

void MenuBar1::Untitled0() { BuildMenu(*this, "FileMenu", "ファイル", {{"FileQuit", "&Quit", "Cmd+Q"}}); }

void MenuBar1::Untitled1() {
    MenuItemRef about = NewItem<AppleMenuItem>("AppleAbout", "KELDO アンインストーラについて");
    about->SetKeyboardShortcut("");
    BuildMenu(*this, "EditMenu", "編集",
              {{"EditUndo", "取り消す", "Cmd+Z"},
               {"EditRedo", "やり直す", "Cmd+Shift+Z"},
               {"UntitledMenu1", "-", nullptr},
               {"EditCut", "カット", "Cmd+X"},
               {"EditCopy", "コピー", "Cmd+C"},
               {"EditPaste", "ペースト", "Cmd+V"},
               {"EditClear", "削除", ""},
               {"UntitledMenu0", "-", nullptr},
               {"EditSelectAll", "すべてを選択", "Cmd+A"}},
              about);
}

void MenuBar1::Untitled2() {
    BuildMenu(*this, "HelpMenu", "Help",
              {{"HelpHome", "ホームページに接続...", ""},
               {"UntitledSeparator", "-", nullptr},
               {"HelpReadMe", "お読み下さい", ""},
               {"HelpManual", "簡易マニュアル", ""}});
}
