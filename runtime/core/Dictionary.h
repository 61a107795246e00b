#pragma once
// The framework's Dictionary: values by key, keys matched without regard to
// letter case (text keys) or by value (numbers, Booleans) or identity (objects).
// Keys keep the order they were added in.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "runtime/core/Object.h"
#include "runtime/core/Variant.h"

namespace runtime {

class Dictionary : public Object {
public:
    Dictionary() = default;

    // The value of key; KeyNotFoundException when there is none.
    runtime::Variant Value(const runtime::Variant& key) const;
    // The value of key, or defaultValue when there is none.
    runtime::Variant Lookup(const runtime::Variant& key, const runtime::Variant& defaultValue) const;
    // Adds key, or replaces the value of the key that matches it (which keeps its spelling).
    void SetValue(const runtime::Variant& key, const runtime::Variant& value);
    bool HasKey(const runtime::Variant& key) const;
    // KeyNotFoundException when there is no such key.
    void Remove(const runtime::Variant& key);
    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    // The key at index 0 ... Count()-1; OutOfBoundsException otherwise.
    runtime::Variant Key(int32_t index) const;
    void Clear();

private:
    const std::pair<runtime::Variant, runtime::Variant>* Find(const runtime::Variant& key) const;

    std::vector<std::pair<runtime::Variant, runtime::Variant>> entries_;
    std::unordered_map<std::string, size_t> index_;  // matching form of a key -> entry
};

using DictionaryRef = std::shared_ptr<Dictionary>;

}  // namespace runtime
