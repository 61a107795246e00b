#pragma once
// Base of every object the framework reference-counts. Such objects live in
// std::shared_ptr; nil is nullptr.

#include <memory>

namespace runtime {

class Object : public std::enable_shared_from_this<Object> {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;
};

using ObjectRef = std::shared_ptr<Object>;

// Upper bound of a framework array: -1 when empty.
template <class Array>
int Ubound(const Array& a) {
    return static_cast<int>(a.size()) - 1;
}

}  // namespace runtime
