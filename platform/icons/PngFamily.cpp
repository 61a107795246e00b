#include "platform/icons/PngFamily.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "platform/icons/ElementTypes.h"
#include "platform/icons/IconRendering.h"
#include "platform/icons/PngElement.h"

namespace platform::icons {

using namespace carbon;

namespace {

using Size = std::pair<int, int>;

Size SizeOf(const ElementType& element) { return {element.width, element.height}; }

// The file's ic08 and ic09 entries, the later of two of a type.
std::map<OSType, const PngEntry*> OwnPngElements(const std::vector<PngEntry>& entries) {
    std::map<OSType, const PngEntry*> own;
    for (const PngEntry& entry : entries) {
        const ElementType* element = FindElementType(entry.type);
        if (element && element->form == ElementForm::Png32) own[entry.type] = &entry;
    }
    return own;
}

void AddDeferredPng(IconFamily& family, const ElementType& element, const PngEntry& entry) {
    family.SetDeferredElement(
        element.type,
        [bytes = entry.bytes, side = entry.side, element]() -> std::optional<ElementData> {
            if (side == element.width) return DecodePngElement(bytes->data(), bytes->size(), side, side);
            const QImage image = DecodePngImage(bytes->data(), bytes->size(), side);
            if (image.isNull()) return std::nullopt;
            return ArgbData(FitImage(image, element.width, element.height));
        },
        entry.bytes);
}

}  // namespace

void AddPngElements(IconFamily& family, const std::vector<PngEntry>& entries) {
    const auto own = OwnPngElements(entries);
    std::set<Size> ownSizes;
    for (OSType type : family.ElementTypes())
        if (const ElementType* element = FindElementType(type)) ownSizes.insert(SizeOf(*element));
    for (const auto& [type, entry] : own) ownSizes.insert(SizeOf(*FindElementType(type)));

    std::vector<const ElementType*> missing;
    for (const ElementType& element : kElementTypes)
        if (!ownSizes.count(SizeOf(element))) missing.push_back(&element);
    // Each missing size is made from the smallest image that covers it: the
    // sharpest result for the least decoding. Images are decoded once.
    std::vector<const PngEntry*> bySide;
    for (const PngEntry& entry : entries) bySide.push_back(&entry);
    std::stable_sort(bySide.begin(), bySide.end(), [](auto* a, auto* b) { return a->side < b->side; });
    std::map<const PngEntry*, QImage> decoded;
    auto imageOf = [&decoded](const PngEntry* entry) -> const QImage& {
        auto [at, added] = decoded.try_emplace(entry);
        if (added)
            at->second = DecodePngImage(entry->bytes->data(), entry->bytes->size(), entry->side)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        return at->second;
    };

    auto knownBroken = [&decoded](const PngEntry* entry) {
        const auto tried = decoded.find(entry);
        return tried != decoded.end() && tried->second.isNull();
    };
    for (const ElementType* element : missing) {
        const int side = std::max(element->width, element->height);
        for (const PngEntry* entry : bySide) {
            if (entry->side < side || knownBroken(entry)) continue;
            if (element->form == ElementForm::Png32) {
                AddDeferredPng(family, *element, *entry);
                break;
            }
            const QImage& image = imageOf(entry);
            if (image.isNull()) continue;
            family.SetElement(element->type,
                              ElementFromImage(*element, FitImage(image, element->width, element->height)));
            break;
        }
    }
    // The file's own ic08 and ic09 are decoded when asked for, unless already found broken.
    for (const auto& [type, entry] : own)
        if (!knownBroken(entry)) AddDeferredPng(family, *FindElementType(type), *entry);
}

}  // namespace platform::icons
