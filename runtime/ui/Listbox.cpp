#include "runtime/ui/Listbox.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QTreeView>

#include "runtime/ui/ColumnWidths.h"
#include "runtime/ui/TextStyle.h"
#include "runtime/ui/detail/ListboxModel.h"
#include "runtime/ui/detail/ListboxView.h"
#include "runtime/ui/detail/QtText.h"

namespace runtime {

using detail::ListboxCell;

// A row pointer held across an event: set to nullptr if the event removes the row.
class Listbox::Watch {
public:
    Watch(Listbox& list, Row* row) : list_(list), row_(row) { list_.watches_.push_back(&row_); }
    ~Watch() { list_.watches_.erase(std::find(list_.watches_.begin(), list_.watches_.end(), &row_)); }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;
    Row* Get() const { return row_; }

private:
    Listbox& list_;
    Row* row_;
};

namespace {

detail::ListboxView* ViewOf(QWidget* widget) { return static_cast<detail::ListboxView*>(widget); }

}  // namespace

Listbox::Listbox()
    : TextControl(new detail::ListboxView(*this)), model_(std::make_unique<detail::ListboxModel>(*this)) {
    ViewOf(NativeWidget())->Connect(*model_);
    SetHasHeading(false);
    SetHierarchical(false);
}

Listbox::~Listbox() {
    if (auto* view = ViewOf(NativeWidget())) {
        view->Detach();
        view->setModel(nullptr);
    }
}

QAbstractItemModel* Listbox::NativeModel() const { return model_.get(); }
QTreeView* Listbox::NativeView() const { return ViewOf(NativeWidget()); }

// --- columns -----------------------------------------------------------------

void Listbox::SetColumnCount(int count) {
    count = std::clamp(count, 1, 256);
    if (count == columnCount_) return;
    model_->BeginReset();
    columnCount_ = count;
    for (int i = 0; i < rows_.Count(); ++i) {
        auto& cells = rows_.At(i)->cells;
        if (static_cast<int>(cells.size()) > count) cells.resize(static_cast<size_t>(count));
    }
    model_->EndReset();
    // A reset forgets the view's expanded rows and selection.
    for (int i = 0; i < rows_.Count(); ++i)
        if (rows_.At(i)->expanded) SyncViewExpanded(rows_.At(i));
    SyncViewSelection();
    LayoutColumns();
}

void Listbox::SetColumnWidths(const String& widths) {
    columnWidths_ = widths;
    LayoutColumns();
}

void Listbox::LayoutColumns() {
    detail::ListboxView* view = ViewOf(NativeWidget());
    if (view == nullptr) return;
    view->SetDesignWidths(ComputeColumnWidths(columnWidths_, columnCount_, view->viewport()->width()));
}

void Listbox::SetHasHeading(bool has) {
    hasHeading_ = has;
    if (QTreeView* view = NativeView()) view->setHeaderHidden(!has);
}

String Listbox::Heading(int column) const {
    if (column < 0 || column >= static_cast<int>(headings_.size())) return String();
    return headings_[static_cast<size_t>(column)];
}

void Listbox::SetHeading(int column, const String& text) {
    if (column < 0 || column >= columnCount_) return;
    if (column >= static_cast<int>(headings_.size())) headings_.resize(static_cast<size_t>(column) + 1);
    headings_[static_cast<size_t>(column)] = text;
    model_->HeadingsChanged();
}

namespace {

std::vector<std::string> SplitKeepingEmpty(const std::string& text, const std::string& separators) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find_first_of(separators, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        // CR LF is one line break.
        start = at + ((text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1);
    }
}

}  // namespace

void Listbox::SetInitialValue(const String& text) {
    initialValue_ = text;
    const std::vector<std::string> lines = SplitKeepingEmpty(text.ToUTF8(), "\r\n");
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> fields = SplitKeepingEmpty(lines[i], "\t");
        if (i == 0) {
            for (size_t column = 0; column < fields.size(); ++column)
                SetHeading(static_cast<int>(column), String(fields[column]));
            continue;
        }
        if (i == lines.size() - 1 && lines[i].empty()) break;
        AddRow(String(fields[0]));
        for (size_t column = 1; column < fields.size(); ++column)
            SetCell(LastIndex(), static_cast<int>(column), String(fields[column]));
    }
}

void Listbox::SetHierarchical(bool hierarchical) {
    hierarchical_ = hierarchical;
    if (QTreeView* view = NativeView()) {
        view->setRootIsDecorated(hierarchical);
        view->setItemsExpandable(hierarchical);
    }
}

// --- rows --------------------------------------------------------------------

Listbox::Row* Listbox::InsertAt(int index, Row* parent, int childIndex, const String& text, bool folder) {
    const bool shown = model_->BeginInsert(parent, childIndex);
    Row* row = rows_.Insert(index, parent, childIndex);
    row->folder = folder;
    row->cells.resize(1);
    row->cells[0].text = text;
    model_->EndInsert(shown);
    last_ = row;
    return row;
}

Listbox::Row* Listbox::AddRowTo(const String& text, bool folder) {
    // While ExpandRow runs, new rows are children of the row being expanded.
    Row* parent = expanding_.empty() ? nullptr : expanding_.back();
    if (parent == nullptr)
        return InsertAt(rows_.Count(), nullptr, static_cast<int>(rows_.ChildrenOf(nullptr).size()), text, folder);
    return InsertAt(rows_.SubtreeEnd(rows_.IndexOf(parent)), parent, static_cast<int>(parent->children.size()), text,
                    folder);
}

void Listbox::AddRow(const String& text) { AddRowTo(text, false); }

void Listbox::AddFolder(const String& text) { AddRowTo(text, true); }

void Listbox::InsertRow(int row, const String& text) {
    Row* before = rows_.At(std::max(row, 0));
    if (before == nullptr) {
        InsertAt(rows_.Count(), nullptr, static_cast<int>(rows_.ChildrenOf(nullptr).size()), text, false);
        return;
    }
    InsertAt(rows_.IndexOf(before), before->parent, rows_.ChildIndexOf(before), text, false);
}

void Listbox::Forget(int first, int end) {
    for (int i = first; i < end; ++i) {
        Row* row = rows_.At(i);
        for (Row** watched : watches_)
            if (*watched == row) *watched = nullptr;
        for (Row*& expanding : expanding_)
            if (expanding == row) expanding = nullptr;
        if (last_ == row) last_ = nullptr;
        if (selected_ == row) selected_ = nullptr;
    }
}

void Listbox::RemoveRows(int first, int end, Row* parent, int firstChild, int lastChild) {
    if (first >= end) return;
    const bool wasSelected = selected_ != nullptr;
    Forget(first, end);
    // The view would move its current row off a removed one and select where
    // it lands; nothing is current instead, and what the view does meanwhile
    // is not the user's choice.
    const bool syncing = std::exchange(syncingView_, true);
    QTreeView* view = NativeView();
    if (view != nullptr && view->selectionModel() != nullptr) {
        const int current = rows_.IndexOf(model_->RowOf(view->currentIndex()));
        if (current >= first && current < end) view->selectionModel()->clearCurrentIndex();
    }
    const bool shown = model_->BeginRemove(parent, firstChild, lastChild);
    rows_.Remove(first, end);
    model_->EndRemove(shown);
    syncingView_ = syncing;
    SelectionRemoved(wasSelected);
}

void Listbox::SelectionRemoved(bool wasSelected) {
    if (wasSelected && selected_ == nullptr && Change) Change(*this);
}

void Listbox::RemoveRow(int row) {
    Row* target = rows_.At(row);
    if (target == nullptr) return;
    const int childIndex = rows_.ChildIndexOf(target);
    RemoveRows(row, rows_.SubtreeEnd(row), target->parent, childIndex, childIndex);
}

void Listbox::DeleteAllRows() {
    const bool wasSelected = selected_ != nullptr;
    Forget(0, rows_.Count());
    model_->BeginReset();
    rows_.Clear();
    model_->EndReset();
    SelectionRemoved(wasSelected);
}

int Listbox::LastIndex() const { return rows_.IndexOf(last_); }

int Listbox::ListIndex() const { return rows_.IndexOf(selected_); }

void Listbox::SetListIndex(int row) {
    Row* target = rows_.At(row);
    if (target == selected_) return;
    selected_ = target;
    SyncViewSelection();
    if (Change) Change(*this);
}

void Listbox::SyncViewSelection() {
    QTreeView* view = NativeView();
    if (view == nullptr || view->selectionModel() == nullptr) return;
    syncingView_ = true;
    if (selected_ != nullptr) {
        const QModelIndex index = model_->IndexFor(selected_);
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(index);
    } else {
        view->selectionModel()->clear();
    }
    syncingView_ = false;
}

void Listbox::UserSelected(Row* row) {
    if (syncingView_ || row == selected_) return;
    selected_ = row;
    if (Change) Change(*this);
}

// --- cells -------------------------------------------------------------------

const ListboxCell* Listbox::CellAt(int row, int column) const {
    const Row* r = rows_.At(row);
    if (r == nullptr || column < 0 || column >= static_cast<int>(r->cells.size())) return nullptr;
    return &r->cells[static_cast<size_t>(column)];
}

ListboxCell* Listbox::CellAt(int row, int column) {
    Row* r = rows_.At(row);
    if (r == nullptr || column < 0 || column >= columnCount_) return nullptr;
    if (column >= static_cast<int>(r->cells.size())) r->cells.resize(static_cast<size_t>(column) + 1);
    return &r->cells[static_cast<size_t>(column)];
}

String Listbox::Cell(int row, int column) const {
    const ListboxCell* cell = CellAt(row, column);
    return cell != nullptr ? cell->text : String();
}

void Listbox::SetCell(int row, int column, const String& text) {
    if (ListboxCell* cell = CellAt(row, column)) {
        cell->text = text;
        model_->CellChanged(rows_.At(row), column);
    }
}

int Listbox::CellType(int row, int column) const {
    const ListboxCell* cell = CellAt(row, column);
    return cell != nullptr ? cell->type : TypeDefault;
}

void Listbox::SetCellType(int row, int column, int type) {
    if (ListboxCell* cell = CellAt(row, column)) {
        cell->type = type;
        model_->CellChanged(rows_.At(row), column);
    }
}

bool Listbox::CellCheck(int row, int column) const {
    const ListboxCell* cell = CellAt(row, column);
    return cell != nullptr && cell->checked;
}

void Listbox::SetCellCheck(int row, int column, bool checked) {
    if (ListboxCell* cell = CellAt(row, column)) {
        cell->checked = checked;
        model_->CellChanged(rows_.At(row), column);
    }
}

bool Listbox::UserSetCheck(Row* row, int column, bool checked) {
    const int index = rows_.IndexOf(row);
    ListboxCell* cell = CellAt(index, column);
    if (cell == nullptr || cell->type != TypeCheckBox) return false;
    cell->checked = checked;
    model_->CellChanged(row, column);
    if (CellAction) CellAction(*this, index, column);
    return true;
}

PictureRef Listbox::RowPicture(int row) const {
    const Row* r = rows_.At(row);
    return r != nullptr ? r->picture : nullptr;
}

void Listbox::SetRowPicture(int row, const PictureRef& picture) {
    if (Row* r = rows_.At(row)) {
        r->picture = picture;
        model_->CellChanged(r, 0);
    }
}

// --- hierarchy ---------------------------------------------------------------

bool Listbox::Expanded(int row) const {
    const Row* r = rows_.At(row);
    return r != nullptr && r->expanded;
}

bool Listbox::RowIsFolder(int row) const {
    const Row* r = rows_.At(row);
    return r != nullptr && r->folder;
}

int Listbox::RowDepth(int row) const {
    const Row* r = rows_.At(row);
    return r != nullptr ? r->depth : 0;
}

void Listbox::SetExpanded(int row, bool expanded) {
    if (Row* r = rows_.At(row)) SetRowExpanded(r, expanded);
}

void Listbox::UserExpanded(Row* row, bool expanded) {
    if (syncingView_ || row == nullptr) return;
    SetRowExpanded(row, expanded);
}

void Listbox::SetRowExpanded(Row* row, bool expanded) {
    if (expanded) {
        if (!hierarchical_ || !row->folder || row->expanded) {
            SyncViewExpanded(row);
            return;
        }
        row->expanded = true;
        Watch watch(*this, row);
        // A row the view shows collapsed is filled out of the view's sight:
        // one insertion of all its children afterwards instead of one per row.
        const QTreeView* view = NativeView();
        row->filling = row->children.empty() && (view == nullptr || !view->isExpanded(model_->IndexFor(row)));
        expanding_.push_back(row);
        struct End {
            Listbox& list;
            Watch& watch;
            void operator()() const {
                if (Row* filled = watch.Get(); filled != nullptr && filled->filling) list.FillingEnded(filled);
            }
            ~End() {
                list.expanding_.pop_back();
                (*this)();  // when ExpandRow threw
            }
        } end{*this, watch};
        if (ExpandRow) ExpandRow(*this, rows_.IndexOf(row));
        end();
        if (watch.Get() != nullptr) SyncViewExpanded(watch.Get());
        return;
    }
    if (!row->expanded) {
        SyncViewExpanded(row);
        return;
    }
    Watch watch(*this, row);
    if (CollapseRow) CollapseRow(*this, rows_.IndexOf(row));
    row = watch.Get();
    if (row == nullptr || !row->expanded) return;
    row->expanded = false;
    const int index = rows_.IndexOf(row);
    if (!row->children.empty())
        RemoveRows(index + 1, rows_.SubtreeEnd(index), row, 0, static_cast<int>(row->children.size()) - 1);
    SyncViewExpanded(row);
}

void Listbox::FillingEnded(Row* row) {
    model_->FillingEnded(row);
    // The view can show now what was set on the rows below while they were out of its sight.
    const int first = rows_.IndexOf(row);
    const int end = rows_.SubtreeEnd(first);
    for (int i = first + 1; i < end; ++i)
        if (rows_.At(i)->expanded) SyncViewExpanded(rows_.At(i));
    // So can a selection among them, and only then, as it scrolls the view.
    for (const Row* above = selected_ != nullptr ? selected_->parent : nullptr; above != nullptr;
         above = above->parent) {
        if (above == row) {
            SyncViewSelection();
            return;
        }
    }
}

void Listbox::SyncViewExpanded(Row* row) {
    QTreeView* view = NativeView();
    if (view == nullptr || row == nullptr) return;
    const QModelIndex index = model_->IndexFor(row);
    if (!index.isValid() || view->isExpanded(index) == row->expanded) return;
    syncingView_ = true;
    view->setExpanded(index, row->expanded);
    syncingView_ = false;
}

// --- painting and look -------------------------------------------------------

bool Listbox::PaintCellBackground(QPainter& painter, Row* row, int column, const QRect& cell) {
    if (!CellBackgroundPaint) return false;
    QTreeView* view = NativeView();
    const QColor clear = view != nullptr ? view->palette().color(QPalette::Base) : QColor(Qt::white);
    Graphics g(painter, cell, clear);
    return CellBackgroundPaint(*this, g, rows_.IndexOf(row), column);
}

void Listbox::ShowFont(const QFont& font) {
    if (QTreeView* view = NativeView()) view->setFont(font);
}

void Listbox::SetBorder(bool v) {
    border_ = v;
    if (QTreeView* view = NativeView()) view->setFrameShape(v ? QFrame::StyledPanel : QFrame::NoFrame);
}

void Listbox::SetScrollBarVertical(bool v) {
    scrollVertical_ = v;
    if (QTreeView* view = NativeView())
        view->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void Listbox::SetScrollbarHorizontal(bool v) {
    scrollHorizontal_ = v;
    if (QTreeView* view = NativeView())
        view->setHorizontalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

void Listbox::SetColumnsResizable(bool v) {
    columnsResizable_ = v;
    if (QTreeView* view = NativeView())
        view->header()->setSectionResizeMode(v ? QHeaderView::Interactive : QHeaderView::Fixed);
}

}  // namespace runtime
