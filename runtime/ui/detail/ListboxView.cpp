#include "runtime/ui/detail/ListboxView.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QToolTip>

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
        return StyleOf(option)->sizeFromContents(QStyle::CT_ItemViewItem, &withPicture, QSize(), option.widget);
    }

    // The whole text of a cell that is drawn cut short; no tooltip for one
    // that is shown whole.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip) return QStyledItemDelegate::helpEvent(event, view, option, index);
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        if (!CutShort(cell)) {
            QToolTip::hideText();
            return false;
        }
        QToolTip::showText(event->globalPos(), WithinScreen(cell.text, event->globalPos(), view), view->viewport(),
                           view->visualRect(index));
        return true;
    }

private:
    static QStyle* StyleOf(const QStyleOptionViewItem& option) {
        return option.widget != nullptr ? option.widget->style() : QApplication::style();
    }

    // The text in lines that fit the screen's width, broken where Qt wraps:
    // at word boundaries, and anywhere in a run that has none (a long file
    // name); as it is when it fits.
    static QString WithinScreen(const QString& text, const QPoint& at, const QWidget* view) {
        const QScreen* screen = QGuiApplication::screenAt(at);
        if (screen == nullptr) screen = view->screen();
        // The tooltip's margins, indent and frame.
        const int frame = 2 * (1 + view->style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, view)) + 2;
        const int width = screen->availableGeometry().width() - frame;
        const QFont font = QToolTip::font();
        if (QFontMetrics(font).horizontalAdvance(text) <= width) return text;
        QTextLayout layout(text, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << text.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        return lines.join(u'\n');
    }

    // As the style draws a cell's text: within the text rectangle less a
    // margin on either side, elided when wider.
    static bool CutShort(const QStyleOptionViewItem& cell) {
        if (cell.text.isEmpty()) return false;
        QStyle* style = StyleOf(cell);
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, cell.widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cell.widget) + 1;
        return cell.fontMetrics.horizontalAdvance(cell.text) > text.width() - 2 * margin;
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
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    connect(header(), &QHeaderView::sectionResized, this, [this] {
        if (!settingWidths_) userWidths_ = true;
    });
}

void ListboxView::SetDesignWidths(const std::vector<int>& widths) {
    settingWidths_ = true;
    for (int column = 0; column < static_cast<int>(widths.size()); ++column) {
        const int width = widths[static_cast<size_t>(column)];
        setColumnHidden(column, width == 0);
        if (width > 0) header()->resizeSection(column, width);
    }
    settingWidths_ = false;
    userWidths_ = false;
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

// The viewport's width changes with the view's and when the vertical scroll
// bar comes or goes; a change of its height alone (the horizontal scroll bar
// coming) leaves the columns as they are.
bool ListboxView::viewportEvent(QEvent* event) {
    const bool handled = QTreeView::viewportEvent(event);
    if (event->type() == QEvent::Resize && list_ != nullptr && !userWidths_) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (resize->size().width() != resize->oldSize().width()) list_->LayoutColumns();
    }
    return handled;
}

}  // namespace runtime::detail
