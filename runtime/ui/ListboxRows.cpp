#include "runtime/ui/ListboxRows.h"

#include <algorithm>
#include <unordered_set>

namespace runtime::detail {

ListboxRow* ListboxRows::At(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return rows_[static_cast<size_t>(index)].get();
}

void ListboxRows::Refresh() const {
    if (fresh_) return;
    for (size_t i = 0; i < rows_.size(); ++i) rows_[i]->index = static_cast<int>(i);
    for (size_t i = 0; i < top_.size(); ++i) top_[i]->childIndex = static_cast<int>(i);
    for (const auto& row : rows_)
        for (size_t i = 0; i < row->children.size(); ++i) row->children[i]->childIndex = static_cast<int>(i);
    fresh_ = true;
}

int ListboxRows::IndexOf(const ListboxRow* row) const {
    if (row == nullptr) return -1;
    Refresh();
    return row->index;
}

int ListboxRows::ChildIndexOf(const ListboxRow* row) const {
    if (row == nullptr) return -1;
    Refresh();
    return row->childIndex;
}

const std::vector<ListboxRow*>& ListboxRows::ChildrenOf(const ListboxRow* parent) const {
    return parent == nullptr ? top_ : parent->children;
}

int ListboxRows::SubtreeEnd(int index) const {
    const ListboxRow* row = At(index);
    if (row == nullptr) return Count();
    int end = index + 1;
    while (end < Count() && rows_[static_cast<size_t>(end)]->depth > row->depth) ++end;
    return end;
}

ListboxRow* ListboxRows::Insert(int index, ListboxRow* parent, int childIndex) {
    auto row = std::make_unique<ListboxRow>();
    row->parent = parent;
    row->depth = parent == nullptr ? 0 : parent->depth + 1;
    ListboxRow* raw = row.get();
    index = std::clamp(index, 0, Count());
    rows_.insert(rows_.begin() + index, std::move(row));
    auto& siblings = parent == nullptr ? top_ : parent->children;
    childIndex = std::clamp(childIndex, 0, static_cast<int>(siblings.size()));
    siblings.insert(siblings.begin() + childIndex, raw);
    fresh_ = false;
    return raw;
}

void ListboxRows::Remove(int first, int end) {
    first = std::clamp(first, 0, Count());
    end = std::clamp(end, first, Count());
    if (first == end) return;
    std::unordered_set<const ListboxRow*> removed;
    for (int i = first; i < end; ++i) removed.insert(rows_[static_cast<size_t>(i)].get());
    for (int i = first; i < end; ++i) {
        ListboxRow* row = rows_[static_cast<size_t>(i)].get();
        if (removed.count(row->parent) != 0) continue;
        auto& siblings = row->parent == nullptr ? top_ : row->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), row), siblings.end());
    }
    rows_.erase(rows_.begin() + first, rows_.begin() + end);
    fresh_ = false;
}

void ListboxRows::Clear() {
    rows_.clear();
    top_.clear();
    fresh_ = true;
}

}  // namespace runtime::detail
