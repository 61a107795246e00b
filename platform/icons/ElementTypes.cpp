#include "platform/icons/ElementTypes.h"

namespace platform::icons {

using namespace carbon;

namespace {
constexpr OSType T(const char (&code)[5]) { return FourCharCode(code); }
}  // namespace

const ElementType kElementTypes[18] = {
    {T("is32"), 16, 16, ElementForm::Color32, T("s8mk")}, {T("il32"), 32, 32, ElementForm::Color32, T("l8mk")},
    {T("ih32"), 48, 48, ElementForm::Color32, T("h8mk")}, {T("it32"), 128, 128, ElementForm::Color32, T("t8mk")},
    {T("ics8"), 16, 16, ElementForm::Indexed8, 0},        {T("icm8"), 16, 12, ElementForm::Indexed8, 0},
    {T("icl8"), 32, 32, ElementForm::Indexed8, 0},        {T("ich8"), 48, 48, ElementForm::Indexed8, 0},
    {T("s8mk"), 16, 16, ElementForm::Mask8, 0},           {T("l8mk"), 32, 32, ElementForm::Mask8, 0},
    {T("h8mk"), 48, 48, ElementForm::Mask8, 0},           {T("t8mk"), 128, 128, ElementForm::Mask8, 0},
    {T("ics#"), 16, 16, ElementForm::MonoWithMask, 0},    {T("icm#"), 16, 12, ElementForm::MonoWithMask, 0},
    {T("ICN#"), 32, 32, ElementForm::MonoWithMask, 0},    {T("ich#"), 48, 48, ElementForm::MonoWithMask, 0},
    {T("ic08"), 256, 256, ElementForm::Png32, 0},         {T("ic09"), 512, 512, ElementForm::Png32, 0},
};

size_t ElementType::DataSize() const {
    const size_t pixels = size_t(width) * size_t(height);
    switch (form) {
    case ElementForm::Color32:
    case ElementForm::Png32: return pixels * 4;
    case ElementForm::Indexed8:
    case ElementForm::Mask8: return pixels;
    case ElementForm::MonoWithMask: return 2 * size_t((width + 7) / 8) * size_t(height);
    }
    return 0;
}

const ElementType* FindElementType(OSType type) {
    for (const ElementType& e : kElementTypes) {
        if (e.type == type) return &e;
    }
    return nullptr;
}

}  // namespace platform::icons
