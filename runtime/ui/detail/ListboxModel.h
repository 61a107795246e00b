#pragma once
// The Qt item model over a Listbox's rows: a tree whose shape follows the
// rows' depths. It shows each cell's text, a check box where the cell type is
// 2 (Qt::CheckStateRole) and the row picture in column 0; a user's check goes
// back to the list through setData. The rows below a row that is filling
// (ListboxRows.h) are not in the model until FillingEnded.

#include <QAbstractItemModel>

#include "runtime/ui/ListboxRows.h"

namespace runtime {
class Listbox;
}

namespace runtime::detail {

class ListboxModel : public QAbstractItemModel {
public:
    explicit ListboxModel(Listbox& list);

    // An invalid index for a row that is not in the model.
    QModelIndex IndexFor(const ListboxRow* row, int column = 0) const;
    ListboxRow* RowOf(const QModelIndex& index) const;

    // Notifications from the list, around its changes of the rows. Begin
    // returns whether the change is one of the model's; End takes that back.
    bool BeginInsert(ListboxRow* parent, int childIndex);
    void EndInsert(bool shown);
    bool BeginRemove(ListboxRow* parent, int firstChild, int lastChild);
    void EndRemove(bool shown);
    // Ends the row's filling (a row starts filling only while it has no
    // children): its children join the model.
    void FillingEnded(ListboxRow* row);
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
    bool ShowsChildrenOf(const ListboxRow* parent) const;

    Listbox& list_;
};

}  // namespace runtime::detail
