#pragma once
// A text encoding, named as the Mac text-encoding services name one: a base,
// a variant and a format, packed into one code. Encodings are made by
// runtime/core/Encodings.h. Two encodings are equal when they read and write
// bytes the same way (UTF-8 by base 0x100 and by base 0x103 are equal).

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"

namespace runtime {

class TextEncoding : public Object {
public:
    // How bytes of this encoding are read and written.
    enum class Scheme {
        UTF8,   // UTF-8
        UTF16,  // UTF-16: read honouring a byte-order mark (default big-endian), written big-endian
        UTF16BE,
        UTF16LE,
        MacJapanese,  // Shift_JIS table with Apple's own mappings laid over it
        Converter,    // an ICU converter by name
    };

    TextEncoding(std::string internetName, int32_t base, int32_t variant, int32_t format, Scheme scheme,
                 std::string converterName = {});

    String internetName() const;
    int32_t Base() const { return base_; }
    int32_t Variant() const { return variant_; }
    int32_t Format() const { return format_; }
    // base | variant << 16 | format << 26
    uint32_t Code() const;

    Scheme scheme() const { return scheme_; }
    // The ICU converter name for Scheme::Converter and the MacJapanese base table.
    const std::string& converterName() const { return converterName_; }
    bool IsUTF8() const { return scheme_ == Scheme::UTF8; }

    friend bool operator==(const TextEncoding& a, const TextEncoding& b) {
        return a.scheme_ == b.scheme_ && a.converterName_ == b.converterName_;
    }

private:
    std::string internetName_;
    int32_t base_;
    int32_t variant_;
    int32_t format_;
    Scheme scheme_;
    std::string converterName_;
};

// Equality of two references: both nil, or equal encodings.
bool SameEncoding(const TextEncodingRef& a, const TextEncodingRef& b);

}  // namespace runtime
