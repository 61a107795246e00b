#pragma once
// The Qt item model over a Listbox's rows: a tree whose shape follows the
// rows' depths. It shows each cell's text, a check box where the cell type is
// 2 (Qt::CheckStateRole) and the row picture in column 0; a user's check goes
// back to the list through setData.

#include <QAbstractItemModel>

#include "runtime/ui/ListboxRows.h"

namespace runtime {
class Listbox;
}

namespace runtime::detail {

class ListboxModel : public QAbstractItemModel {
public:
    explicit ListboxModel(Listbox& list);

    QModelIndex IndexFor(const ListboxRow* row, int column = 0) const;
    ListboxRow* RowOf(const QModelIndex& index) const;

    // Notifications from the list, around its changes of the rows.
    void BeginInsert(ListboxRow* parent, int childIndex);
    void EndInsert();
    void BeginRemove(ListboxRow* parent, int firstChild, int lastChild);
    void EndRemove();
    void BeginReset();
    void EndReset();
    void CellChanged(const ListboxRow* row, int column);
    void RowChanged(const ListboxRow* row);
    void HeadingsChanged();

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Listbox& list_;
};

}  // namespace runtime::detail
