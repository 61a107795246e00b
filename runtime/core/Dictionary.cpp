#include "runtime/core/Dictionary.h"

#include <cstdio>

#include "runtime/core/CaseFold.h"
#include "runtime/core/Exceptions.h"

namespace runtime {
namespace {

// The form in which two keys that match are equal.
std::string MatchingForm(const Variant& key) {
    switch (key.VarType()) {
    case Variant::TypeString: return "s" + detail::FoldCase(key.StringValue().ToUTF8());
    case Variant::TypeInteger:
    case Variant::TypeDouble: {
        char buf[40];
        std::snprintf(buf, sizeof buf, "n%.17g", key.DoubleValue());
        return buf;
    }
    case Variant::TypeBoolean: return key.BooleanValue() ? "b1" : "b0";
    case Variant::TypeObject: {
        char buf[40];
        std::snprintf(buf, sizeof buf, "o%p", static_cast<const void*>(key.ObjectValue().get()));
        return buf;
    }
    default: return "z";
    }
}

}  // namespace

const std::pair<Variant, Variant>* Dictionary::Find(const Variant& key) const {
    auto it = index_.find(MatchingForm(key));
    return it == index_.end() ? nullptr : &entries_[it->second];
}

Variant Dictionary::Value(const Variant& key) const {
    const auto* entry = Find(key);
    if (entry == nullptr) throw KeyNotFoundException();
    return entry->second;
}

Variant Dictionary::Lookup(const Variant& key, const Variant& defaultValue) const {
    const auto* entry = Find(key);
    return entry == nullptr ? defaultValue : entry->second;
}

void Dictionary::SetValue(const Variant& key, const Variant& value) {
    auto [it, added] = index_.emplace(MatchingForm(key), entries_.size());
    if (added)
        entries_.emplace_back(key, value);
    else
        entries_[it->second].second = value;
}

bool Dictionary::HasKey(const Variant& key) const { return Find(key) != nullptr; }

void Dictionary::Remove(const Variant& key) {
    auto it = index_.find(MatchingForm(key));
    if (it == index_.end()) throw KeyNotFoundException();
    const size_t removed = it->second;
    index_.erase(it);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(removed));
    for (auto& [form, at] : index_)
        if (at > removed) --at;
}

Variant Dictionary::Key(int32_t index) const {
    if (index < 0 || index >= Count()) throw OutOfBoundsException();
    return entries_[static_cast<size_t>(index)].first;
}

void Dictionary::Clear() {
    entries_.clear();
    index_.clear();
}

}  // namespace runtime
