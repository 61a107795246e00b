#pragma once
// MenuBar: the root of a menu tree; its children are the menus. One menu bar
// can be shown by several windows, each in a Qt menu bar of its own that
// follows every change of the tree. Each Qt menu and action carries the
// item's Name as its object name.

#include <vector>

#include <QPointer>

#include "runtime/ui/MenuItem.h"

class QMenuBar;
class QMenu;
class QWidget;

namespace runtime {

class MenuBar : public MenuItem {
public:
    // A Qt menu bar showing this menu bar, owned by parent.
    QMenuBar* CreateNativeBar(QWidget* parent);

private:
    friend class MenuItem;
    void Rebuild();
    void Fill(QMenuBar* bar);

    std::vector<QPointer<QMenuBar>> bars_;
};

using MenuBarRef = std::shared_ptr<MenuBar>;

}  // namespace runtime
