#include "runtime/ui/detail/ListboxModel.h"

#include <QIcon>
#include <QPixmap>

#include "runtime/ui/Listbox.h"
#include "runtime/ui/detail/QtText.h"

namespace runtime::detail {

ListboxModel::ListboxModel(Listbox& list) : list_(list) {}

bool ListboxModel::ShowsChildrenOf(const ListboxRow* parent) const {
    for (const ListboxRow* row = parent; row != nullptr; row = row->parent)
        if (row->filling) return false;
    return true;
}

QModelIndex ListboxModel::IndexFor(const ListboxRow* row, int column) const {
    if (row == nullptr || !ShowsChildrenOf(row->parent)) return {};
    return createIndex(list_.Rows().ChildIndexOf(row), column, const_cast<ListboxRow*>(row));
}

ListboxRow* ListboxModel::RowOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) return nullptr;
    return static_cast<ListboxRow*>(index.internalPointer());
}

bool ListboxModel::BeginInsert(ListboxRow* parent, int childIndex) {
    if (!ShowsChildrenOf(parent)) return false;
    beginInsertRows(IndexFor(parent), childIndex, childIndex);
    return true;
}

void ListboxModel::EndInsert(bool shown) {
    if (shown) endInsertRows();
}

bool ListboxModel::BeginRemove(ListboxRow* parent, int firstChild, int lastChild) {
    if (!ShowsChildrenOf(parent)) return false;
    beginRemoveRows(IndexFor(parent), firstChild, lastChild);
    return true;
}

void ListboxModel::EndRemove(bool shown) {
    if (shown) endRemoveRows();
}

void ListboxModel::FillingEnded(ListboxRow* row) {
    const bool shown = !row->children.empty() && ShowsChildrenOf(row->parent);
    if (shown) beginInsertRows(IndexFor(row), 0, static_cast<int>(row->children.size()) - 1);
    row->filling = false;
    if (shown) endInsertRows();
}
void ListboxModel::BeginReset() { beginResetModel(); }
void ListboxModel::EndReset() { endResetModel(); }

void ListboxModel::CellChanged(const ListboxRow* row, int column) {
    const QModelIndex index = IndexFor(row, column);
    if (index.isValid()) emit dataChanged(index, index);
}

void ListboxModel::RowChanged(const ListboxRow* row) {
    if (!IndexFor(row).isValid() || list_.ColumnCount() <= 0) return;
    emit dataChanged(IndexFor(row, 0), IndexFor(row, list_.ColumnCount() - 1));
}

void ListboxModel::HeadingsChanged() {
    if (list_.ColumnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, list_.ColumnCount() - 1);
}

QModelIndex ListboxModel::index(int row, int column, const QModelIndex& parent) const {
    if (column < 0 || column >= list_.ColumnCount() || (parent.isValid() && parent.column() != 0)) return {};
    if (row < 0 || row >= rowCount(parent)) return {};
    const auto& children = list_.Rows().ChildrenOf(RowOf(parent));
    return createIndex(row, column, children[static_cast<size_t>(row)]);
}

QModelIndex ListboxModel::parent(const QModelIndex& child) const {
    const ListboxRow* row = RowOf(child);
    if (row == nullptr || row->parent == nullptr) return {};
    return IndexFor(row->parent, 0);
}

int ListboxModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return 0;
    const ListboxRow* row = RowOf(parent);
    if (row != nullptr && row->filling) return 0;
    return static_cast<int>(list_.Rows().ChildrenOf(row).size());
}

int ListboxModel::columnCount(const QModelIndex&) const { return list_.ColumnCount(); }

bool ListboxModel::hasChildren(const QModelIndex& parent) const {
    if (!parent.isValid()) return list_.Rows().Count() > 0;
    const ListboxRow* row = RowOf(parent);
    if (row == nullptr || parent.column() != 0) return false;
    // A folder row offers its expander before its children exist.
    return !row->children.empty() || (row->folder && list_.Hierarchical());
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
    const ListboxRow* row = RowOf(index);
    if (row == nullptr) return {};
    const int column = index.column();
    const ListboxCell* cell =
        column < static_cast<int>(row->cells.size()) ? &row->cells[static_cast<size_t>(column)] : nullptr;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return cell != nullptr ? ToQString(cell->text) : QString();
    case Qt::CheckStateRole:
        if (cell != nullptr && cell->type == Listbox::TypeCheckBox)
            return QVariant::fromValue(cell->checked ? Qt::Checked : Qt::Unchecked);
        return {};
    case Qt::DecorationRole:
        if (column == 0 && row->picture) return QIcon(QPixmap::fromImage(row->picture->ToImage()));
        return {};
    default: return {};
    }
}

bool ListboxModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    ListboxRow* row = RowOf(index);
    if (row == nullptr || role != Qt::CheckStateRole) return false;
    return list_.UserSetCheck(row, index.column(), value.toInt() == Qt::Checked);
}

Qt::ItemFlags ListboxModel::flags(const QModelIndex& index) const {
    const ListboxRow* row = RowOf(index);
    if (row == nullptr) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int column = index.column();
    if (column < static_cast<int>(row->cells.size()) &&
        row->cells[static_cast<size_t>(column)].type == Listbox::TypeCheckBox)
        flags |= Qt::ItemIsUserCheckable;
    if (!row->folder && row->children.empty()) flags |= Qt::ItemNeverHasChildren;
    return flags;
}

QVariant ListboxModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
    return ToQString(list_.Heading(section));
}

}  // namespace runtime::detail
