#include "runtime/ui/MenuBar.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "runtime/ui/EditCommands.h"
#include "runtime/ui/MenuShortcut.h"
#include "runtime/ui/detail/QtText.h"

namespace runtime {

namespace {

// Edit actions follow the focused widget: refreshed when a menu opens and
// when the focus moves, so that their shortcuts act only where they can.
void RefreshEditActions(QWidget* root) {
    QWidget* focus = QApplication::focusWidget();
    for (QAction* action : root->findChildren<QAction*>()) {
        const QVariant command = action->property("runtimeEditCommand");
        if (command.isValid())
            action->setEnabled(CanPerformEditCommand(static_cast<EditCommand>(command.toInt()), focus));
    }
}

void AddItems(QMenu* menu, const MenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
        const MenuItemRef item = parent.Item(i);
        if (item->IsSeparator()) {
            menu->addSeparator()->setObjectName(detail::ToQString(item->Name()));
            continue;
        }
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(detail::ToQString(item->Text()));
            sub->setObjectName(detail::ToQString(item->Name()));
            sub->setEnabled(item->Enabled());
            AddItems(sub, *item);
            continue;
        }
        QAction* action = menu->addAction(detail::ToQString(item->Text()));
        action->setObjectName(detail::ToQString(item->Name()));
        action->setMenuRole(QAction::NoRole);
        action->setShortcut(ShortcutKeySequence(item->KeyboardShortcut()));
        action->setEnabled(item->Enabled());
        const EditCommand edit = EditCommandFor(item->Name());
        if (edit != EditCommand::None && item->Enabled())
            action->setProperty("runtimeEditCommand", static_cast<int>(edit));
        std::weak_ptr<MenuItem> weak = item;
        QObject::connect(action, &QAction::triggered, action, [weak] {
            if (auto chosen = weak.lock()) chosen->Choose();
        });
    }
}

}  // namespace

QMenuBar* MenuBar::CreateNativeBar(QWidget* parent) {
    auto* bar = new QMenuBar(parent);
    bar->setNativeMenuBar(false);
    QObject::connect(qApp, &QApplication::focusChanged, bar, [bar] { RefreshEditActions(bar); });
    bars_.erase(std::remove_if(bars_.begin(), bars_.end(), [](const QPointer<QMenuBar>& b) { return b.isNull(); }),
                bars_.end());
    bars_.push_back(bar);
    Fill(bar);
    return bar;
}

void MenuBar::Rebuild() {
    for (const auto& bar : bars_)
        if (bar) Fill(bar);
}

void MenuBar::Fill(QMenuBar* bar) {
    // The old menus leave the bar now and are deleted later: the rebuild may
    // come from one of their actions.
    for (QAction* action : bar->actions()) {
        bar->removeAction(action);
        QObject* old = action->menu() != nullptr ? static_cast<QObject*>(action->menu()) : action;
        if (old->parent() == bar) {
            old->setParent(nullptr);
            old->deleteLater();
        }
    }
    for (int i = 0; i < Count(); ++i) {
        const MenuItemRef item = Item(i);
        QMenu* menu = bar->addMenu(detail::ToQString(item->Text()));
        menu->setObjectName(detail::ToQString(item->Name()));
        menu->setEnabled(item->Enabled());
        AddItems(menu, *item);
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { RefreshEditActions(menu); });
    }
    RefreshEditActions(bar);
}

}  // namespace runtime
