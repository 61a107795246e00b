#pragma once
// The user's hand on a list, and what it shows: a click on a row's name
// followed by a key, and the texts of one column, row by row; and a window
// holding one list to show it in.

#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeView>

#include "runtime/ui/Listbox.h"
#include "runtime/ui/Window.h"

namespace testsupport {

// A click on the row's name makes it current, then the key acts on it
// (space ticks, minus collapses, plus expands).
inline void PressKeyOnRow(runtime::Listbox& list, int row, Qt::Key key) {
    QTreeView* view = list.NativeView();
    QModelIndex index = view->model()->index(0, 0);
    for (int i = 0; i < row; ++i) index = view->indexBelow(index);
    const QPoint at(view->visualRect(index).right() - 4, view->visualRect(index).center().y());
    QMouseEvent press(QEvent::MouseButtonPress, at, view->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &press);
    QApplication::sendEvent(view->viewport(), &release);
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "");
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(view, &down);
    QApplication::sendEvent(view, &up);
}

// The cell of the given column in every row, as stored.
inline std::vector<std::string> CellTexts(const runtime::Listbox& list, int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < list.ListCount(); ++row) cells.push_back(list.Cell(row, column).Bytes());
    return cells;
}

// A window holding one list, "Listbox1", of three columns sharing its 300
// pixels.
class ListWindow : public runtime::Window {
public:
    void Layout() override {
        SetWidth(300);
        SetHeight(200);
    }
    void CreateControls() override {
        auto lb = std::make_shared<runtime::Listbox>();
        _AddControl("Listbox1", lb);
        lb->SetLeft(0);
        lb->SetTop(0);
        lb->SetWidth(300);
        lb->SetHeight(200);
        lb->SetColumnCount(3);
        lb->SetColumnWidths("*,*,*");
    }
};

}  // namespace testsupport
