#pragma once
// An icon family: the elements of one icon, each its data in the form that
// ElementTypes.h gives. Elements may be deferred: their data is made when
// asked for, from a source the family keeps.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/carbon/MacTypes.h"

namespace platform::icons {

using ElementData = std::vector<uint8_t>;

// What a deferred element is made from, and the most bytes it will ever
// hold; elements that share one count it once.
struct ElementSource {
    std::shared_ptr<const void> object;
    size_t bytes = 0;
};

class IconFamily {
public:
    // Makes the element's data on demand; nullopt when it cannot.
    using Producer = std::function<std::optional<ElementData>()>;
    void SetElement(carbon::OSType type, ElementData data);
    // The family keeps the source (and counts it in ByteSize) for as long as
    // the element is deferred.
    void SetDeferredElement(carbon::OSType type, Producer producer, ElementSource source = {});

    bool HasElement(carbon::OSType type) const;
    std::vector<carbon::OSType> ElementTypes() const;  // in type order

    // A copy of the element's data; nullopt when the family lacks it or a
    // deferred element cannot be made.
    std::optional<ElementData> ElementBytes(carbon::OSType type) const;
    // The kept data of an element that is not deferred, or nullptr.
    const ElementData* StoredElement(carbon::OSType type) const;

    // The bytes the family keeps: stored elements and deferred sources, each
    // source once.
    size_t ByteSize() const;

private:
    struct Deferred {
        Producer producer;
        ElementSource source;
    };
    std::map<carbon::OSType, ElementData> stored_;
    std::map<carbon::OSType, Deferred> deferred_;
};

using IconFamilyHandle = std::shared_ptr<const IconFamily>;

}  // namespace platform::icons
