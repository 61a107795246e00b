#pragma once
// The rows of a Listbox: the framework's flat model, in which a child row is
// an ordinary row below its parent, with a tree kept alongside so that the
// rows can be shown as one. Row indexes are flat positions.
//
// The flat rows are kept in a gap buffer, so that rows added one after
// another at one place (a folder's children, rows at the end) take constant
// time however many rows follow, and a row's index is known at once.

#include <memory>
#include <vector>

#include "runtime/core/String.h"
#include "runtime/ui/Picture.h"

namespace runtime::detail {

struct ListboxCell {
    String text;
    int type = 0;
    bool checked = false;
};

struct ListboxRow {
    std::vector<ListboxCell> cells;  // grows on demand, up to the column count
    int depth = 0;
    bool folder = false;
    bool expanded = false;
    // While ExpandRow fills a row that the view shows collapsed, the Qt model
    // shows the row without children and learns of them all at once after.
    bool filling = false;
    PictureRef picture;
    ListboxRow* parent = nullptr;  // nullptr: a top-level row
    std::vector<ListboxRow*> children;
    int childIndex = -1;  // the position among the parent's children
    size_t slot = 0;      // the position in ListboxRows' buffer
};

class ListboxRows {
public:
    int Count() const { return static_cast<int>(slots_.size() - GapSize()); }
    // nullptr outside 0 ... Count() - 1.
    ListboxRow* At(int index) const;
    int IndexOf(const ListboxRow* row) const;
    // The row's position among its parent's children.
    int ChildIndexOf(const ListboxRow* row) const { return row == nullptr ? -1 : row->childIndex; }
    // The children of parent; nullptr gives the top-level rows.
    const std::vector<ListboxRow*>& ChildrenOf(const ListboxRow* parent) const;
    // The flat position just after the row at index and all rows below it
    // that are deeper.
    int SubtreeEnd(int index) const;

    // A new row at flat position index, child number childIndex of parent.
    ListboxRow* Insert(int index, ListboxRow* parent, int childIndex);
    // Removes the rows [first, end), which must be whole subtrees.
    void Remove(int first, int end);
    void Clear();

private:
    size_t GapSize() const { return gapEnd_ - gapBegin_; }
    // Moves the gap to begin at flat position index, making it at least one slot wide.
    void OpenGapAt(size_t index);
    void Place(size_t slot, std::unique_ptr<ListboxRow> row);

    std::vector<std::unique_ptr<ListboxRow>> slots_;  // the rows in order, with the gap empty
    size_t gapBegin_ = 0;
    size_t gapEnd_ = 0;
    std::vector<ListboxRow*> top_;
};

}  // namespace runtime::detail
