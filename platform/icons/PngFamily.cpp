#include "platform/icons/PngFamily.h"

#include <algorithm>
#include <map>
#include <mutex>
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

// A decoded entry and the images fitted from it, each made once, when an
// element of its size is first asked for.
class DecodedPng {
public:
    explicit DecodedPng(QImage image) : image_(std::move(image)) {}

    const QImage& Image() const { return image_; }

    QImage Fitted(const ElementType& element) const {
        std::lock_guard lock(mutex_);
        auto [at, added] = fitted_.try_emplace(SizeOf(element));
        if (added) at->second = FitImage(image_, element.width, element.height);
        return at->second;
    }

    // The most it holds: the image and one fitted image of each size below
    // the PNG elements' (the only ones Fitted keeps).
    size_t Bytes() const {
        std::set<Size> sizes;
        for (const ElementType& element : kElementTypes)
            if (element.form != ElementForm::Png32) sizes.insert(SizeOf(element));
        size_t bytes = size_t(image_.sizeInBytes());
        for (const auto& [width, height] : sizes) bytes += size_t(width) * size_t(height) * 4;
        return bytes;
    }

private:
    QImage image_;
    mutable std::mutex mutex_;
    mutable std::map<Size, QImage> fitted_;
};

using DecodedHandle = std::shared_ptr<const DecodedPng>;

ElementSource SourceOf(const DecodedHandle& decoded) { return {decoded, decoded->Bytes()}; }

// The file's ic08 and ic09 entries, the later of two of a type.
std::map<OSType, const PngEntry*> OwnPngElements(const std::vector<PngEntry>& entries) {
    std::map<OSType, const PngEntry*> own;
    for (const PngEntry& entry : entries) {
        const ElementType* element = FindElementType(entry.type);
        if (element && element->form == ElementForm::Png32) own[entry.type] = &entry;
    }
    return own;
}

std::optional<ElementData> LargeElement(const QImage& image, const ElementType& element) {
    if (image.isNull()) return std::nullopt;
    if (image.width() == element.width) return ArgbData(image);
    return ArgbData(FitImage(image, element.width, element.height));
}

// ic08 or ic09, made when asked for and not kept: from the entry's decoded
// image when there is one, else from its bytes, decoded then.
void AddDeferredPng(IconFamily& family, const ElementType& element, const PngEntry& entry,
                    const DecodedHandle& decoded) {
    if (decoded) {
        family.SetDeferredElement(
            element.type, [decoded, element] { return LargeElement(decoded->Image(), element); }, SourceOf(decoded));
        return;
    }
    family.SetDeferredElement(element.type,
                              [bytes = entry.bytes, side = entry.side, element] {
                                  return LargeElement(DecodePngImage(bytes->data(), bytes->size(), side), element);
                              },
                              {entry.bytes, entry.bytes->size()});
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
    // sharpest result for the least decoding. Images are decoded once, here,
    // so that the family holds only elements that can be made.
    std::vector<const PngEntry*> bySide;
    for (const PngEntry& entry : entries) bySide.push_back(&entry);
    std::stable_sort(bySide.begin(), bySide.end(), [](auto* a, auto* b) { return a->side < b->side; });
    std::map<const PngEntry*, DecodedHandle> decoded;  // nullptr: does not decode
    auto decodedOf = [&decoded](const PngEntry* entry) -> const DecodedHandle& {
        auto [at, added] = decoded.try_emplace(entry);
        if (added) {
            QImage image = DecodePngImage(entry->bytes->data(), entry->bytes->size(), entry->side);
            if (!image.isNull()) at->second = std::make_shared<const DecodedPng>(std::move(image));
        }
        return at->second;
    };
    auto knownBroken = [&decoded](const PngEntry* entry) {
        const auto tried = decoded.find(entry);
        return tried != decoded.end() && !tried->second;
    };
    auto decodedIfTried = [&decoded](const PngEntry* entry) {
        const auto tried = decoded.find(entry);
        return tried != decoded.end() ? tried->second : nullptr;
    };

    for (const ElementType* element : missing) {
        const int side = std::max(element->width, element->height);
        for (const PngEntry* entry : bySide) {
            if (entry->side < side || knownBroken(entry)) continue;
            if (element->form == ElementForm::Png32) {
                AddDeferredPng(family, *element, *entry, decodedIfTried(entry));
                break;
            }
            const DecodedHandle& image = decodedOf(entry);
            if (!image) continue;
            family.SetDeferredElement(
                element->type,
                [image, element]() -> std::optional<ElementData> {
                    return ElementFromImage(*element, image->Fitted(*element));
                },
                SourceOf(image));
            break;
        }
    }
    // The file's own ic08 and ic09, unless already found broken.
    for (const auto& [type, entry] : own)
        if (!knownBroken(entry)) AddDeferredPng(family, *FindElementType(type), *entry, decodedIfTried(entry));
}

}  // namespace platform::icons
