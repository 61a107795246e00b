#include "platform/icons/FamilyCache.h"

namespace platform::icons {

namespace {
// Enough for the icons of one list of search results; a family without its
// two largest elements takes about 100 KB.
constexpr size_t kSharedCapacity = 64;
}  // namespace

FamilyCache::FamilyCache(size_t capacity) : capacity_(capacity > 0 ? capacity : 1) {}

IconFamilyHandle FamilyCache::Find(const std::string& key) {
    std::lock_guard lock(mutex_);
    auto it = byKey_.find(key);
    if (it == byKey_.end()) return nullptr;
    order_.splice(order_.begin(), order_, it->second);
    return it->second->second;
}

void FamilyCache::Insert(const std::string& key, IconFamilyHandle family) {
    std::lock_guard lock(mutex_);
    if (auto it = byKey_.find(key); it != byKey_.end()) {
        it->second->second = std::move(family);
        order_.splice(order_.begin(), order_, it->second);
        return;
    }
    order_.emplace_front(key, std::move(family));
    byKey_[key] = order_.begin();
    while (order_.size() > capacity_) {
        byKey_.erase(order_.back().first);
        order_.pop_back();
    }
}

size_t FamilyCache::Size() const {
    std::lock_guard lock(mutex_);
    return order_.size();
}

void FamilyCache::Clear() {
    std::lock_guard lock(mutex_);
    byKey_.clear();
    order_.clear();
}

FamilyCache& FamilyCache::Shared() {
    static FamilyCache cache(kSharedCapacity);
    return cache;
}

}  // namespace platform::icons
