#pragma once
// The user's hand on a list, and what it shows: a click on a row's name
// followed by a key, and the texts of one column, row by row.

#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeView>

#include "runtime/ui/Listbox.h"

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

}  // namespace testsupport
