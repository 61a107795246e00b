#include "platform/icons/IcnsReader.h"

#include "platform/icons/ElementTypes.h"
#include "platform/icons/FileBytes.h"
#include "platform/icons/PngElement.h"
#include "platform/icons/PngFamily.h"
#include "platform/icons/RunLength.h"

namespace platform::icons {

using namespace carbon;

namespace {

constexpr size_t kHeaderBytes = 8;
constexpr OSType kIcnsMagic = FourCharCode("icns");
constexpr OSType kIt32 = FourCharCode("it32");
constexpr size_t kIt32LeadingBytes = 4;  // zeros before it32's packed data

uint32_t ReadBig32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

// Packed R, G and B planes to ARGB pixels with an opaque alpha.
std::optional<ElementData> UnpackColor(const ElementType& element, const uint8_t* data, size_t size) {
    if (element.type == kIt32) {
        if (size < kIt32LeadingBytes) return std::nullopt;
        data += kIt32LeadingBytes;
        size -= kIt32LeadingBytes;
    }
    const size_t pixels = size_t(element.width) * size_t(element.height);
    auto planes = UnpackRuns(data, size, pixels * 3);
    if (!planes) return std::nullopt;
    ElementData argb(pixels * 4);
    for (size_t i = 0; i < pixels; ++i) {
        argb[4 * i] = 0xFF;
        argb[4 * i + 1] = (*planes)[i];
        argb[4 * i + 2] = (*planes)[pixels + i];
        argb[4 * i + 3] = (*planes)[2 * pixels + i];
    }
    return argb;
}

void AddEntry(IconFamily& family, const ElementType& element, const uint8_t* data, size_t size) {
    switch (element.form) {
    case ElementForm::Color32:
        if (auto argb = UnpackColor(element, data, size)) family.SetElement(element.type, std::move(*argb));
        return;
    case ElementForm::Png32:  // read as a PngEntry
        return;
    case ElementForm::Indexed8:
    case ElementForm::Mask8:
    case ElementForm::MonoWithMask:
        if (size == element.DataSize()) family.SetElement(element.type, ElementData(data, data + size));
        return;
    }
}

void ApplyMasks(IconFamily& family) {
    for (const ElementType& element : kElementTypes) {
        if (element.form != ElementForm::Color32) continue;
        const ElementData* color = family.StoredElement(element.type);
        const ElementData* mask = family.StoredElement(element.mask);
        if (!color || !mask || mask->size() * 4 != color->size()) continue;
        ElementData withAlpha = *color;
        for (size_t i = 0; i < mask->size(); ++i) withAlpha[4 * i] = (*mask)[i];
        family.SetElement(element.type, std::move(withAlpha));
    }
}

}  // namespace

std::shared_ptr<IconFamily> ReadIcnsData(const std::vector<uint8_t>& file) {
    auto family = std::make_shared<IconFamily>();
    if (file.size() < kHeaderBytes || ReadBig32(file.data()) != kIcnsMagic) return family;
    // The declared length may only shorten what is read; one shorter than
    // the header leaves nothing to read.
    const size_t declared = ReadBig32(file.data() + 4);
    const size_t end = declared < file.size() ? declared : file.size();

    std::vector<PngEntry> pngs;
    size_t offset = kHeaderBytes;
    while (offset + kHeaderBytes <= end) {
        const OSType type = ReadBig32(file.data() + offset);
        const size_t length = ReadBig32(file.data() + offset + 4);
        if (length < kHeaderBytes || length > end - offset) break;
        const uint8_t* data = file.data() + offset + kHeaderBytes;
        const size_t size = length - kHeaderBytes;
        if (const int side = PngImageSide(type)) {
            // Only the entry's own bytes are kept, not the whole file.
            if (IsPngOfSize(data, size, side, side))
                pngs.push_back({type, side, std::make_shared<const ElementData>(data, data + size)});
        } else if (const ElementType* element = FindElementType(type)) {
            AddEntry(*family, *element, data, size);
        }
        offset += length;
    }
    ApplyMasks(*family);
    AddPngElements(*family, pngs);
    return family;
}

std::shared_ptr<IconFamily> ReadIcnsFile(const std::string& posixPath) {
    auto bytes = ReadFileBytes(posixPath, kMaxIcnsFileBytes);
    if (!bytes) return nullptr;
    return ReadIcnsData(*bytes);
}

}  // namespace platform::icons
