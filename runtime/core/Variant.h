#pragma once
// A value of any framework type: what a Dictionary holds and what ParamArray
// arguments carry.

#include <cstdint>
#include <memory>
#include <variant>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"

namespace runtime {

class Variant {
public:
    // VarType codes.
    enum Type { TypeNil = 0, TypeInteger = 2, TypeDouble = 5, TypeString = 8, TypeObject = 9, TypeBoolean = 11 };

    Variant() = default;
    Variant(int32_t v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(bool v) : value_(v) {}
    Variant(const String& v) : value_(v) {}
    Variant(const char* v) : value_(String(v)) {}
    template <class T>
    Variant(std::shared_ptr<T> v) : value_(std::static_pointer_cast<Object>(std::move(v))) {}

    int VarType() const;
    bool IsNil() const;

    // Read back as text: an integer as its decimal digits ("2"), a double as Str
    // gives it, a Boolean as "True"/"False", nil and objects as "".
    String StringValue() const;
    // Read as a number: text through Val, Booleans as 1/0, anything else 0.
    int32_t IntegerValue() const;
    double DoubleValue() const;
    bool BooleanValue() const;
    ObjectRef ObjectValue() const;

    template <class T>
    std::shared_ptr<T> ObjectValue() const {
        return std::dynamic_pointer_cast<T>(ObjectValue());
    }

private:
    std::variant<std::monostate, int32_t, double, bool, String, ObjectRef> value_;
};

}  // namespace runtime
