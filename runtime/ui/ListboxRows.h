#pragma once
// The rows of a Listbox: the framework's flat model, in which a child row is
// an ordinary row below its parent, with a tree kept alongside so that the
// rows can be shown as one. Row indexes are flat positions.

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
    PictureRef picture;
    ListboxRow* parent = nullptr;  // nullptr: a top-level row
    std::vector<ListboxRow*> children;
    // Positions, valid after ListboxRows refreshed them.
    int index = -1;
    int childIndex = -1;
};

class ListboxRows {
public:
    int Count() const { return static_cast<int>(rows_.size()); }
    // nullptr outside 0 ... Count() - 1.
    ListboxRow* At(int index) const;
    int IndexOf(const ListboxRow* row) const;
    // The row's position among its parent's children.
    int ChildIndexOf(const ListboxRow* row) const;
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
    void Refresh() const;

    std::vector<std::unique_ptr<ListboxRow>> rows_;
    std::vector<ListboxRow*> top_;
    mutable bool fresh_ = true;
};

}  // namespace runtime::detail
