#include "platform/icons/IconFamily.h"

#include <set>

namespace platform::icons {

using namespace carbon;

void IconFamily::SetElement(OSType type, ElementData data) {
    deferred_.erase(type);
    stored_[type] = std::move(data);
}

void IconFamily::SetDeferredElement(OSType type, Producer producer, ElementSource source) {
    stored_.erase(type);
    deferred_[type] = Deferred{std::move(producer), std::move(source)};
}

bool IconFamily::HasElement(OSType type) const { return stored_.count(type) || deferred_.count(type); }

std::vector<OSType> IconFamily::ElementTypes() const {
    std::map<OSType, bool> all;
    for (const auto& [type, data] : stored_) all[type] = true;
    for (const auto& [type, deferred] : deferred_) all[type] = true;
    std::vector<OSType> types;
    for (const auto& [type, unused] : all) types.push_back(type);
    return types;
}

std::optional<ElementData> IconFamily::ElementBytes(OSType type) const {
    if (auto it = stored_.find(type); it != stored_.end()) return it->second;
    if (auto it = deferred_.find(type); it != deferred_.end() && it->second.producer) return it->second.producer();
    return std::nullopt;
}

const ElementData* IconFamily::StoredElement(OSType type) const {
    auto it = stored_.find(type);
    return it == stored_.end() ? nullptr : &it->second;
}

size_t IconFamily::ByteSize() const {
    size_t bytes = 0;
    for (const auto& [type, data] : stored_) bytes += data.size();
    std::set<const void*> sources;
    for (const auto& [type, deferred] : deferred_)
        if (deferred.source.object && sources.insert(deferred.source.object.get()).second)
            bytes += deferred.source.bytes;
    return bytes;
}

}  // namespace platform::icons
