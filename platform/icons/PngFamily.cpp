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

    // The largest entry that decodes is the source of every missing element.
    std::set<const PngEntry*> undecodable;
    const PngEntry* source = nullptr;
    QImage sourceImage;
    if (!missing.empty()) {
        std::vector<const PngEntry*> bySide;
        for (const PngEntry& entry : entries) bySide.push_back(&entry);
        std::stable_sort(bySide.begin(), bySide.end(), [](auto* a, auto* b) { return a->side > b->side; });
        for (const PngEntry* entry : bySide) {
            sourceImage = DecodePngImage(entry->bytes->data(), entry->bytes->size(), entry->side);
            if (!sourceImage.isNull()) {
                source = entry;
                break;
            }
            undecodable.insert(entry);
        }
    }

    for (const auto& [type, entry] : own)
        if (!undecodable.count(entry)) AddDeferredPng(family, *FindElementType(type), *entry);
    if (!source) return;
    sourceImage = sourceImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (const ElementType* element : missing) {
        if (std::max(element->width, element->height) > source->side) continue;
        if (element->form == ElementForm::Png32)
            AddDeferredPng(family, *element, *source);
        else
            family.SetElement(element->type,
                              ElementFromImage(*element, FitImage(sourceImage, element->width, element->height)));
    }
}

}  // namespace platform::icons
