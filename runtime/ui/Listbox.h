#pragma once
// Listbox: a list of rows and columns, flat or hierarchical.
//
// The rows are the framework's flat model (ListboxRows.h): row indexes are
// flat positions and a child row is an ordinary row below its parent, one
// level deeper. Setting Expanded(row) of a folder row raises ExpandRow at
// once, within the call; rows added by AddRow or AddFolder while it runs go
// directly below the folder row, after the children added before them.
// Collapsing raises CollapseRow, then removes the rows below the folder row
// that are deeper than it.
//
// Events: ExpandRow(list, row), CollapseRow(list, row); CellAction(list, row,
// column) when the user toggles a check box (not when SetCellCheck does);
// Change(list) whenever the selected row changes, by the user, by ListIndex
// or because the selected row went away (removing other rows keeps it
// selected, and a list with nothing selected keeps nothing selected);
// CellBackgroundPaint(list, g, row, column) before each cell is drawn, with
// g's (0, 0) at the cell's top left and its drawing clipped to the cell. The
// selection highlight is drawn over the painted background whatever the
// handler returns.
//
// A row or column outside the list reads as "", False, nil or 0 and is not
// written. The first line of InitialValue gives the headings (separated by
// tabs); each further line adds a row.
//
// One row is selected at a time; every row is as high as the font and a
// 16-pixel row picture need, whether the row has a picture or not.
//
// The columns are as wide as ColumnWidths gives for the list's width, until
// the user resizes one. Columns wider than the list scroll sideways, with or
// without ScrollbarHorizontal, which keeps the scroll bar shown. A cell whose
// text is cut short shows it whole in a tooltip, in lines that fit the screen
// when it is wider.
//
// A QTreeView shows the rows through a Qt item model (ListboxModel,
// ListboxView), so assistive technology sees each cell's text, check state and
// a folder row's expanded state, and the user's clicks come back here. The
// rows ExpandRow adds under a folder that the view shows collapsed reach the
// Qt model together when the event ends.

#include <functional>
#include <memory>
#include <vector>

#include "runtime/core/String.h"
#include "runtime/ui/Graphics.h"
#include "runtime/ui/ListboxRows.h"
#include "runtime/ui/Picture.h"
#include "runtime/ui/TextControl.h"

class QAbstractItemModel;
class QPainter;
class QRect;
class QTreeView;

namespace runtime {

namespace detail {
class ListboxModel;
class ListboxView;
}  // namespace detail

class Listbox : public TextControl {
public:
    static constexpr int TypeDefault = 0;
    static constexpr int TypeCheckBox = 2;

    Listbox();
    ~Listbox() override;

    // Columns and headings.
    int ColumnCount() const { return columnCount_; }
    void SetColumnCount(int count);
    const String& ColumnWidths() const { return columnWidths_; }
    void SetColumnWidths(const String& widths);
    bool HasHeading() const { return hasHeading_; }
    void SetHasHeading(bool has);
    String Heading(int column) const;
    void SetHeading(int column, const String& text);
    const String& InitialValue() const { return initialValue_; }
    void SetInitialValue(const String& text);
    bool Hierarchical() const { return hierarchical_; }
    void SetHierarchical(bool hierarchical);

    // Rows.
    void AddRow(const String& text);
    void AddFolder(const String& text);
    // A new row at position row, at the depth of the row it pushes down; at
    // the end when row is past the last row.
    void InsertRow(int row, const String& text);
    // Removes the row and the rows below it that are deeper.
    void RemoveRow(int row);
    void DeleteAllRows();
    // The row most recently added; -1 when there is none.
    int LastIndex() const;
    int ListCount() const { return rows_.Count(); }
    // The selected row; -1 for none.
    int ListIndex() const;
    void SetListIndex(int row);

    // Cells.
    String Cell(int row, int column) const;
    void SetCell(int row, int column, const String& text);
    int CellType(int row, int column) const;
    void SetCellType(int row, int column, int type);
    bool CellCheck(int row, int column) const;
    void SetCellCheck(int row, int column, bool checked);
    PictureRef RowPicture(int row) const;
    void SetRowPicture(int row, const PictureRef& picture);

    // Hierarchy.
    bool Expanded(int row) const;
    void SetExpanded(int row, bool expanded);
    bool RowIsFolder(int row) const;
    int RowDepth(int row) const;

    // Look.
    bool Border() const { return border_; }
    void SetBorder(bool v);
    bool ScrollBarVertical() const { return scrollVertical_; }
    void SetScrollBarVertical(bool v);
    bool ScrollbarHorizontal() const { return scrollHorizontal_; }
    void SetScrollbarHorizontal(bool v);
    bool ColumnsResizable() const { return columnsResizable_; }
    void SetColumnsResizable(bool v);

    // Events.
    std::function<void(Listbox& list, int row)> ExpandRow;
    std::function<void(Listbox& list, int row)> CollapseRow;
    std::function<void(Listbox& list, int row, int column)> CellAction;
    std::function<void(Listbox& list)> Change;
    std::function<bool(Listbox& list, Graphics& g, int row, int column)> CellBackgroundPaint;

    // The Qt side, for the view, assistive technology and tests.
    QAbstractItemModel* NativeModel() const;
    QTreeView* NativeView() const;

protected:
    void ShowFont(const QFont& font) override;

private:
    friend class detail::ListboxModel;
    friend class detail::ListboxView;
    using Row = detail::ListboxRow;

    // A pointer to a row that is set to nullptr when the row is removed.
    class Watch;

    // What the user does, reported by the model and the view.
    bool UserSetCheck(Row* row, int column, bool checked);
    void UserExpanded(Row* row, bool expanded);
    void UserSelected(Row* row);
    bool PaintCellBackground(QPainter& painter, Row* row, int column, const QRect& cell);
    void LayoutColumns();

    const detail::ListboxRows& Rows() const { return rows_; }
    Row* AddRowTo(const String& text, bool folder);
    Row* InsertAt(int index, Row* parent, int childIndex, const String& text, bool folder);
    void RemoveRows(int first, int end, Row* parent, int firstChild, int lastChild);
    void Forget(int first, int end);
    void SetRowExpanded(Row* row, bool expanded);
    void FillingEnded(Row* row);
    void SyncViewExpanded(Row* row);
    void SyncViewSelection();
    void SelectionRemoved(bool wasSelected);
    detail::ListboxCell* CellAt(int row, int column);
    const detail::ListboxCell* CellAt(int row, int column) const;

    detail::ListboxRows rows_;
    std::unique_ptr<detail::ListboxModel> model_;
    std::vector<Row**> watches_;
    std::vector<Row*> expanding_;  // rows whose ExpandRow runs, innermost last
    Row* last_ = nullptr;
    Row* selected_ = nullptr;
    bool syncingView_ = false;

    int columnCount_ = 1;
    String columnWidths_;
    bool hasHeading_ = false;
    std::vector<String> headings_;
    String initialValue_;
    bool hierarchical_ = false;
    bool border_ = true, scrollVertical_ = true, scrollHorizontal_ = false, columnsResizable_ = false;
};

using ListboxRef = std::shared_ptr<Listbox>;

}  // namespace runtime
