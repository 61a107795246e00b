// Menus: the tree, shortcuts, the Qt menu bar and where a choice goes.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "runtime/ui/EditCommands.h"
#include "runtime/ui/MenuBar.h"
#include "runtime/ui/MenuShortcut.h"
#include "runtime/ui/Window.h"

namespace runtime {
namespace {

template <class T = MenuItem>
std::shared_ptr<T> Item(const char* name, const char* text, const char* shortcut = nullptr) {
    auto item = std::make_shared<T>();
    item->SetName(name);
    item->SetAutoEnable(true);
    item->SetText(text);
    if (shortcut != nullptr) item->SetKeyboardShortcut(shortcut);
    return item;
}

MenuBarRef BuildMenuBar() {
    auto bar = std::make_shared<MenuBar>();
    for (auto [name, text] : {std::pair{"FileMenu", "ファイル"}, {"EditMenu", "編集"}, {"HelpMenu", "Help"}})
        bar->Append(Item(name, text, ""));
    bar->Child("FileMenu")->Append(Item<QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
    auto edit = bar->Child("EditMenu");
    edit->Append(Item("EditUndo", "取り消す", "Cmd+Z"));
    edit->Append(Item("EditRedo", "やり直す", "Cmd+Shift+Z"));
    edit->Append(Item("UntitledMenu1", "-"));
    edit->Append(Item("EditSelectAll", "すべてを選択", "Cmd+A"));
    edit->Append(Item<AppleMenuItem>("AppleAbout", "KELDO アンインストーラについて", ""));
    bar->Child("HelpMenu")->Append(Item("HelpHome", "ホームページに接続...", ""));
    return bar;
}

TEST(MenuTree, ChildIgnoresCaseAndOutOfRangeGivesNil) {
    auto bar = BuildMenuBar();
    EXPECT_EQ(bar->Item(3), nullptr);
    auto edit = bar->Child("editmenu");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Item(4)->Parent(), edit);
    EXPECT_EQ(bar->Child("Missing"), nullptr);
}

TEST(MenuShortcuts, CommandKeyBecomesCtrl) {
    EXPECT_EQ(ShortcutText("Cmd+Shift+Z"), QStringLiteral("Ctrl+Shift+Z"));
    EXPECT_EQ(ShortcutText("Option+Cmd+x"), QStringLiteral("Ctrl+Alt+X"));
    EXPECT_EQ(ShortcutText("Ctrl+K"), QStringLiteral("Meta+K"));
    EXPECT_EQ(ShortcutText("Q"), QStringLiteral("Ctrl+Q"));
    EXPECT_EQ(ShortcutText(""), QString());
    EXPECT_EQ(ShortcutKeySequence("Cmd+Shift+Z"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
}

class MenuWindow : public Window {
public:
    MenuBarRef bar = BuildMenuBar();
    void Layout() override { SetMenuBar(bar); }
};

TEST(MenuNative, TheWindowsMenuBarShowsTheTreeWithShortcutsAndSeparators) {
    auto window = NewWindow<MenuWindow>();
    auto* qbar = window->NativeWidget()->findChild<QMenuBar*>();
    ASSERT_NE(qbar, nullptr);
    const QList<QAction*> menus = qbar->actions();
    ASSERT_EQ(menus.size(), 3);
    const QList<QAction*> edit = menus[1]->menu()->actions();
    ASSERT_EQ(edit.size(), 5);
    EXPECT_TRUE(edit[2]->isSeparator());
    EXPECT_EQ(edit[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    EXPECT_EQ(edit[4]->text(), QStringLiteral("KELDO アンインストーラについて"));
    EXPECT_EQ(menus[0]->menu()->actions()[0]->text(), QStringLiteral("&Quit"));

    // Appending later shows in the open window too.
    window->bar->Child("HelpMenu")->Append(Item("HelpManual", "簡易マニュアル", ""));
    EXPECT_EQ(qbar->actions()[2]->menu()->actions().size(), 2);
    window->Close();
}

TEST(MenuNative, ChoosingAnItemWithoutRuntimeBehaviourReachesTheHandler) {
    auto window = NewWindow<MenuWindow>();
    std::vector<std::string> chosen;
    SetMenuCommandHandler([&](const String& name) {
        chosen.push_back(name.ToUTF8());
        return true;
    });
    auto* home = window->NativeWidget()->findChild<QAction*>(QStringLiteral("HelpHome"));
    ASSERT_NE(home, nullptr);
    home->trigger();
    EXPECT_EQ(chosen, (std::vector<std::string>{"HelpHome"}));

    // An Edit item is the runtime's; with no text widget focused it is off.
    auto* selectAll = window->NativeWidget()->findChild<QAction*>(QStringLiteral("EditSelectAll"));
    ASSERT_NE(selectAll, nullptr);
    EXPECT_FALSE(selectAll->isEnabled());
    window->bar->Child("EditMenu")->Child("EditSelectAll")->Choose();
    EXPECT_EQ(chosen.size(), 1u);

    // A disabled item does nothing.
    auto homeItem = window->bar->Child("HelpMenu")->Child("HelpHome");
    homeItem->SetEnabled(false);
    homeItem->Choose();
    EXPECT_EQ(chosen.size(), 1u);
    EXPECT_FALSE(window->NativeWidget()->findChild<QAction*>(QStringLiteral("HelpHome"))->isEnabled());
    SetMenuCommandHandler(nullptr);
    window->Close();
}

TEST(MenuNative, QuitClosesEveryOpenWindow) {
    auto first = NewWindow<MenuWindow>();
    auto second = NewWindow<Window>();
    first->bar->Child("FileMenu")->Child("FileQuit")->Choose();
    EXPECT_FALSE(first->IsOpen());
    EXPECT_FALSE(second->IsOpen());
    EXPECT_TRUE(OpenWindows().empty());
}

TEST(EditCommands, ActOnTheFocusedLineEdit) {
    QLineEdit edit(QStringLiteral("hello"));
    EXPECT_EQ(EditCommandFor("HelpHome"), EditCommand::None);
    EXPECT_FALSE(CanPerformEditCommand(EditCommand::Clear, &edit));
    EXPECT_TRUE(CanPerformEditCommand(EditCommand::SelectAll, &edit));
    PerformEditCommand(EditCommand::SelectAll, &edit);
    EXPECT_TRUE(CanPerformEditCommand(EditCommand::Clear, &edit));
    PerformEditCommand(EditCommand::Clear, &edit);
    EXPECT_EQ(edit.text(), QString());
    EXPECT_TRUE(CanPerformEditCommand(EditCommand::Undo, &edit));
    PerformEditCommand(EditCommand::Undo, &edit);
    EXPECT_EQ(edit.text(), QStringLiteral("hello"));
    edit.setReadOnly(true);
    EXPECT_FALSE(CanPerformEditCommand(EditCommand::Paste, &edit));
    EXPECT_FALSE(CanPerformEditCommand(EditCommand::Copy, nullptr));
}

}  // namespace
}  // namespace runtime
