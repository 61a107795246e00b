#pragma once
// FoundItems: the main window's table of found items (pFI). An entry is a
// Dictionary with "item" (the FolderItem) and "kind" (its ItemKind), made
// once and never changed; rows and index lists refer to entries by index,
// from 0 in the order they were added. No two entries have absolute paths
// that are equal as texts (letter case ignored, as String's == has it).
//
// The table keeps its entries and the lookup from path to index together,
// so that adding and emptying always change both.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/core/Dictionary.h"
#include "runtime/core/String.h"
#include "runtime/files/FolderItem.h"

class FoundItems {
public:
    struct Added {
        int32_t index;
        bool isNew;  // false: an entry of that path was there already, and is unchanged
    };

    // The index of the entry for the item's path, after adding an entry with
    // the kind when there was none.
    Added Add(const runtime::FolderItemRef& item, const runtime::String& kind);
    void clear();

    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const runtime::DictionaryRef& operator[](size_t index) const { return entries_[index]; }
    std::vector<runtime::DictionaryRef>::const_iterator begin() const { return entries_.begin(); }
    std::vector<runtime::DictionaryRef>::const_iterator end() const { return entries_.end(); }

private:
    std::vector<runtime::DictionaryRef> entries_;
    std::unordered_map<std::string, int32_t> byPath_;  // by CaselessKey of the absolute path
};
