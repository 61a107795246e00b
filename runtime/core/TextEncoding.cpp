#include "runtime/core/TextEncoding.h"

namespace runtime {

TextEncoding::TextEncoding(std::string internetName, int32_t base, int32_t variant, int32_t format, Scheme scheme,
                           std::string converterName)
    : internetName_(std::move(internetName)),
      base_(base),
      variant_(variant),
      format_(format),
      scheme_(scheme),
      converterName_(std::move(converterName)) {}

String TextEncoding::internetName() const { return String(internetName_); }

uint32_t TextEncoding::Code() const {
    return (static_cast<uint32_t>(base_) & 0xFFFFu) | ((static_cast<uint32_t>(variant_) & 0x3FFu) << 16) |
           ((static_cast<uint32_t>(format_) & 0x3Fu) << 26);
}

bool SameEncoding(const TextEncodingRef& a, const TextEncodingRef& b) {
    if (a == b) return true;
    if (!a || !b) return false;
    return *a == *b;
}

}  // namespace runtime
