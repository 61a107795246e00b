#include "platform/plist/PropertyList.h"

#include <cstdint>

#include "platform/plist/ListShape.h"

namespace platform::plist {

PropertyList ParsePropertyList(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > UINT32_MAX) return nullptr;
    const auto length = uint32_t(bytes.size());
    plist_t root = nullptr;
    // The same choice of form as plist_from_memory makes.
    if (plist_is_binary(bytes.data(), length)) {
        if (BinaryListFits(bytes)) plist_from_bin(bytes.data(), length, &root);
    } else if (XmlListFits(bytes)) {
        plist_from_xml(bytes.data(), length, &root);
    }
    return PropertyList(root);
}

std::optional<std::string> StringValue(plist_t node) {
    if (!node || plist_get_node_type(node) != PLIST_STRING) return std::nullopt;
    uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    if (!text) return std::nullopt;
    std::string value(text, size_t(length));
    if (value.find('\0') != std::string::npos) return std::nullopt;
    return value;
}

}  // namespace platform::plist
