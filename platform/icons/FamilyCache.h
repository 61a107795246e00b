#pragma once
// The icon families made so far, by the key of what they were made from; the
// least recently used ones are dropped beyond a fixed number.

#include <cstddef>
#include <list>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/icons/IconFamily.h"

namespace platform::icons {

class FamilyCache {
public:
    explicit FamilyCache(size_t capacity);

    // The family kept under the key, now the most recently used; nullptr.
    IconFamilyHandle Find(const std::string& key);
    // Keeps the family under the key, replacing any other there.
    void Insert(const std::string& key, IconFamilyHandle family);
    size_t Size() const;
    void Clear();

    // The cache behind IconRefToIconFamily.
    static FamilyCache& Shared();

private:
    using Entry = std::pair<std::string, IconFamilyHandle>;
    const size_t capacity_;
    mutable std::mutex mutex_;
    std::list<Entry> order_;  // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> byKey_;
};

}  // namespace platform::icons
