#include "platform/icons/FamilyCache.h"

namespace platform::icons {

namespace {
// Enough for the icons of one list of search results: a family of packed
// elements takes about 100 KB; one made from PNG images keeps the image its
// small elements are made from, decoded (4 MB for a 1024-pixel image), and
// the PNG bytes of its two largest, usually a few hundred KB. A damaged or
// hostile file can make those as large as the file.
constexpr size_t kSharedCapacity = 64;
constexpr size_t kSharedByteBudget = 64u << 20;
}  // namespace

FamilyCache::FamilyCache(size_t capacity, size_t byteBudget)
    : capacity_(capacity > 0 ? capacity : 1), byteBudget_(byteBudget) {}

IconFamilyHandle FamilyCache::Find(const std::string& key) {
    std::lock_guard lock(mutex_);
    auto it = byKey_.find(key);
    if (it == byKey_.end()) return nullptr;
    order_.splice(order_.begin(), order_, it->second);
    return it->second->family;
}

void FamilyCache::Insert(const std::string& key, IconFamilyHandle family) {
    std::lock_guard lock(mutex_);
    if (auto it = byKey_.find(key); it != byKey_.end()) Erase(it->second);
    const size_t bytes = family ? family->ByteSize() : 0;
    if (bytes > byteBudget_) return;
    order_.push_front(Entry{key, std::move(family), bytes});
    byKey_[key] = order_.begin();
    bytes_ += bytes;
    while (order_.size() > capacity_ || bytes_ > byteBudget_) Erase(std::prev(order_.end()));
}

void FamilyCache::Erase(std::list<Entry>::iterator entry) {
    bytes_ -= entry->bytes;
    byKey_.erase(entry->key);
    order_.erase(entry);
}

size_t FamilyCache::Size() const {
    std::lock_guard lock(mutex_);
    return order_.size();
}

size_t FamilyCache::Bytes() const {
    std::lock_guard lock(mutex_);
    return bytes_;
}

void FamilyCache::Clear() {
    std::lock_guard lock(mutex_);
    byKey_.clear();
    order_.clear();
    bytes_ = 0;
}

FamilyCache& FamilyCache::Shared() {
    static FamilyCache cache(kSharedCapacity, kSharedByteBudget);
    return cache;
}

}  // namespace platform::icons
