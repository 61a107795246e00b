#include "app/FoundItems.h"

#include "runtime/core/Exceptions.h"

using namespace runtime;

FoundItems::Added FoundItems::Add(const FolderItemRef& item, const String& kind) {
    std::string key = CaselessKey(Deref(item).AbsolutePath());
    if (const auto found = byPath_.find(key); found != byPath_.end()) return {found->second, false};
    auto entry = std::make_shared<Dictionary>();
    entry->SetValue("item", item);
    entry->SetValue("kind", kind);
    entries_.push_back(std::move(entry));
    const int32_t index = Ubound(entries_);
    byPath_.emplace(std::move(key), index);
    return {index, true};
}

void FoundItems::clear() {
    entries_.clear();
    byPath_.clear();
}
