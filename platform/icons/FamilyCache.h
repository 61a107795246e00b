#pragma once
// The icon families made so far, by the key of what they were made from; the
// least recently used ones are dropped beyond a number of families or of
// bytes kept.

#include <cstddef>
#include <list>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/icons/IconFamily.h"

namespace platform::icons {

class FamilyCache {
public:
    FamilyCache(size_t capacity, size_t byteBudget);

    // The family kept under the key, now the most recently used; nullptr.
    IconFamilyHandle Find(const std::string& key);
    // Keeps the family under the key, replacing any other there; a family
    // larger than the whole budget is not kept.
    void Insert(const std::string& key, IconFamilyHandle family);
    size_t Size() const;
    size_t Bytes() const;  // the ByteSize of the families kept
    void Clear();

    // The cache behind IconRefToIconFamily.
    static FamilyCache& Shared();

private:
    struct Entry {
        std::string key;
        IconFamilyHandle family;
        size_t bytes;
    };
    void Erase(std::list<Entry>::iterator entry);

    const size_t capacity_;
    const size_t byteBudget_;
    mutable std::mutex mutex_;
    std::list<Entry> order_;  // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> byKey_;
    size_t bytes_ = 0;
};

}  // namespace platform::icons
