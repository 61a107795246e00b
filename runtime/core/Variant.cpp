#include "runtime/core/Variant.h"

#include <cmath>
#include <limits>

#include "runtime/core/TextFunctions.h"

namespace runtime {
namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// Toward zero, held within the 32-bit range.
int32_t ToInteger(double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (v <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

}  // namespace

int Variant::VarType() const {
    return std::visit(Overloaded{
                          [](std::monostate) { return static_cast<int>(TypeNil); },
                          [](int32_t) { return static_cast<int>(TypeInteger); },
                          [](double) { return static_cast<int>(TypeDouble); },
                          [](bool) { return static_cast<int>(TypeBoolean); },
                          [](const String&) { return static_cast<int>(TypeString); },
                          [](const ObjectRef& o) { return static_cast<int>(o ? TypeObject : TypeNil); },
                      },
                      value_);
}

bool Variant::IsNil() const { return VarType() == TypeNil; }

String Variant::StringValue() const {
    return std::visit(Overloaded{
                          [](std::monostate) { return String(); },
                          [](int32_t v) { return Str(v); },
                          [](double v) { return Str(v); },
                          [](bool v) { return String(v ? "True" : "False"); },
                          [](const String& v) { return v; },
                          [](const ObjectRef&) { return String(); },
                      },
                      value_);
}

double Variant::DoubleValue() const {
    return std::visit(Overloaded{
                          [](std::monostate) { return 0.0; },
                          [](int32_t v) { return static_cast<double>(v); },
                          [](double v) { return v; },
                          [](bool v) { return v ? 1.0 : 0.0; },
                          [](const String& v) { return Val(v); },
                          [](const ObjectRef&) { return 0.0; },
                      },
                      value_);
}

int32_t Variant::IntegerValue() const {
    if (const auto* i = std::get_if<int32_t>(&value_)) return *i;
    return ToInteger(DoubleValue());
}

bool Variant::BooleanValue() const {
    return std::visit(Overloaded{
                          [](std::monostate) { return false; },
                          [](int32_t v) { return v != 0; },
                          [](double v) { return v != 0.0; },
                          [](bool v) { return v; },
                          [](const String& v) { return v == String("True") || Val(v) != 0.0; },
                          [](const ObjectRef& o) { return o != nullptr; },
                      },
                      value_);
}

ObjectRef Variant::ObjectValue() const {
    if (const auto* o = std::get_if<ObjectRef>(&value_)) return *o;
    return nullptr;
}

}  // namespace runtime
