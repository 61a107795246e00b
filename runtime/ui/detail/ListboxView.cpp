#include "runtime/ui/detail/ListboxView.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QResizeEvent>
#include <QStyledItemDelegate>

#include "runtime/ui/Listbox.h"
#include "runtime/ui/detail/ListboxModel.h"

namespace runtime::detail {

namespace {

// Every row is as high as a row with a picture, so that the 16-pixel row
// pictures are not cut when the list's own text is smaller than they are.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem withPicture = option;
        initStyleOption(&withPicture, index);
        withPicture.features |= QStyleOptionViewItem::HasDecoration;
        const QWidget* view = option.widget;
        QStyle* style = view != nullptr ? view->style() : QApplication::style();
        return style->sizeFromContents(QStyle::CT_ItemViewItem, &withPicture, QSize(), view);
    }
};

}  // namespace

ListboxView::ListboxView(Listbox& list) : list_(&list) {
    setItemDelegate(new RowDelegate(this));
    setAnimated(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void ListboxView::Connect(ListboxModel& model) {
    setModel(&model);
    connect(this, &QTreeView::expanded, this, [this, &model](const QModelIndex& index) {
        if (list_ != nullptr) list_->UserExpanded(model.RowOf(index), true);
    });
    connect(this, &QTreeView::collapsed, this, [this, &model](const QModelIndex& index) {
        if (list_ != nullptr) list_->UserExpanded(model.RowOf(index), false);
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, &model] {
        if (list_ == nullptr) return;
        const QModelIndexList rows = selectionModel()->selectedRows();
        list_->UserSelected(rows.isEmpty() ? nullptr : model.RowOf(rows.first()));
    });
}

void ListboxView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (list_ != nullptr && list_->CellBackgroundPaint) {
        auto* model = static_cast<ListboxModel*>(this->model());
        ListboxRow* row = model->RowOf(index);
        for (int column = 0; row != nullptr && column < header()->count(); ++column) {
            if (isColumnHidden(column) || columnWidth(column) <= 0) continue;
            const QRect cell(columnViewportPosition(column), option.rect.y(), columnWidth(column),
                             option.rect.height());
            list_->PaintCellBackground(*painter, row, column, cell);
        }
    }
    QTreeView::drawRow(painter, option, index);
}

void ListboxView::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    if (list_ != nullptr) list_->LayoutColumns();
}

}  // namespace runtime::detail
