#include "runtime/ui/ListboxRows.h"

#include <algorithm>
#include <unordered_set>

namespace runtime::detail {

namespace {

void NumberChildren(std::vector<ListboxRow*>& siblings, size_t from) {
    for (size_t i = from; i < siblings.size(); ++i) siblings[i]->childIndex = static_cast<int>(i);
}

}  // namespace

ListboxRow* ListboxRows::At(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    const auto at = static_cast<size_t>(index);
    return slots_[at < gapBegin_ ? at : at + GapSize()].get();
}

int ListboxRows::IndexOf(const ListboxRow* row) const {
    if (row == nullptr) return -1;
    return static_cast<int>(row->slot < gapBegin_ ? row->slot : row->slot - GapSize());
}

const std::vector<ListboxRow*>& ListboxRows::ChildrenOf(const ListboxRow* parent) const {
    return parent == nullptr ? top_ : parent->children;
}

int ListboxRows::SubtreeEnd(int index) const {
    const ListboxRow* last = At(index);
    if (last == nullptr) return Count();
    // The flat order lists every row's subtree right after it.
    while (!last->children.empty()) last = last->children.back();
    return IndexOf(last) + 1;
}

void ListboxRows::Place(size_t slot, std::unique_ptr<ListboxRow> row) {
    row->slot = slot;
    slots_[slot] = std::move(row);
}

void ListboxRows::OpenGapAt(size_t index) {
    if (GapSize() == 0) {
        // Twice as many slots, the new ones forming the gap where it stands.
        const size_t grow = std::max<size_t>(16, slots_.size());
        std::vector<std::unique_ptr<ListboxRow>> wider(slots_.size() + grow);
        for (size_t i = 0; i < gapBegin_; ++i) wider[i] = std::move(slots_[i]);
        for (size_t i = gapBegin_; i < slots_.size(); ++i) {
            wider[i + grow] = std::move(slots_[i]);
            wider[i + grow]->slot = i + grow;
        }
        slots_ = std::move(wider);
        gapEnd_ = gapBegin_ + grow;
    }
    // Only the rows between the gap's old and new place move.
    while (index < gapBegin_) Place(--gapEnd_, std::move(slots_[--gapBegin_]));
    while (index > gapBegin_) Place(gapBegin_++, std::move(slots_[gapEnd_++]));
}

ListboxRow* ListboxRows::Insert(int index, ListboxRow* parent, int childIndex) {
    auto row = std::make_unique<ListboxRow>();
    row->parent = parent;
    row->depth = parent == nullptr ? 0 : parent->depth + 1;
    ListboxRow* raw = row.get();
    OpenGapAt(static_cast<size_t>(std::clamp(index, 0, Count())));
    Place(gapBegin_++, std::move(row));
    auto& siblings = parent == nullptr ? top_ : parent->children;
    const auto at = static_cast<size_t>(std::clamp(childIndex, 0, static_cast<int>(siblings.size())));
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(at), raw);
    NumberChildren(siblings, at);
    return raw;
}

void ListboxRows::Remove(int first, int end) {
    first = std::clamp(first, 0, Count());
    end = std::clamp(end, first, Count());
    if (first == end) return;
    OpenGapAt(static_cast<size_t>(first));
    const size_t from = gapEnd_, to = gapEnd_ + static_cast<size_t>(end - first);
    std::unordered_set<const ListboxRow*> removed;
    for (size_t i = from; i < to; ++i) removed.insert(slots_[i].get());
    // The rows whose parents stay leave their parents' lists, one pass per list.
    std::vector<std::vector<ListboxRow*>*> lists;
    for (size_t i = from; i < to; ++i) {
        const ListboxRow* row = slots_[i].get();
        if (removed.count(row->parent) != 0) continue;
        auto* siblings = row->parent == nullptr ? &top_ : &row->parent->children;
        if (std::find(lists.begin(), lists.end(), siblings) == lists.end()) lists.push_back(siblings);
    }
    for (auto* siblings : lists) {
        siblings->erase(std::remove_if(siblings->begin(), siblings->end(),
                                       [&](const ListboxRow* row) { return removed.count(row) != 0; }),
                        siblings->end());
        NumberChildren(*siblings, 0);
    }
    for (size_t i = from; i < to; ++i) slots_[i].reset();
    gapEnd_ = to;
}

void ListboxRows::Clear() {
    slots_.clear();
    gapBegin_ = gapEnd_ = 0;
    top_.clear();
}

}  // namespace runtime::detail
