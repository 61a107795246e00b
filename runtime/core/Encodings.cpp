#include "runtime/core/Encodings.h"

namespace runtime {
namespace {

using Scheme = TextEncoding::Scheme;

TextEncodingRef Make(const char* name, int32_t base, int32_t format, Scheme scheme, const char* converter = "") {
    return std::make_shared<const TextEncoding>(name, base, 0, format, scheme, converter);
}

bool IsUnicodeBase(int32_t base) { return base >= 0x0100 && base <= 0x010F; }

}  // namespace

namespace Encodings {

TextEncodingRef UTF8() {
    static const TextEncodingRef e = Make("UTF-8", TextEncodingBase::UnicodeDefault, UnicodeFormat::UTF8, Scheme::UTF8);
    return e;
}
TextEncodingRef UTF16() {
    static const TextEncodingRef e =
        Make("UTF-16", TextEncodingBase::UnicodeDefault, UnicodeFormat::UTF16, Scheme::UTF16);
    return e;
}
TextEncodingRef UTF16BE() {
    static const TextEncodingRef e =
        Make("UTF-16BE", TextEncodingBase::UnicodeDefault, UnicodeFormat::UTF16BE, Scheme::UTF16BE);
    return e;
}
TextEncodingRef UTF16LE() {
    static const TextEncodingRef e =
        Make("UTF-16LE", TextEncodingBase::UnicodeDefault, UnicodeFormat::UTF16LE, Scheme::UTF16LE);
    return e;
}
TextEncodingRef ShiftJIS() {
    static const TextEncodingRef e = Make("Shift_JIS", TextEncodingBase::ShiftJIS, 0, Scheme::Converter, "Shift_JIS");
    return e;
}
TextEncodingRef MacJapanese() {
    static const TextEncodingRef e =
        Make("X-MAC-JAPANESE", TextEncodingBase::MacJapanese, 0, Scheme::MacJapanese, "Shift_JIS");
    return e;
}
TextEncodingRef EUCJP() {
    static const TextEncodingRef e = Make("EUC-JP", TextEncodingBase::EUCJP, 0, Scheme::Converter, "EUC-JP");
    return e;
}
TextEncodingRef ISO2022JP() {
    static const TextEncodingRef e =
        Make("ISO-2022-JP", TextEncodingBase::ISO2022JP, 0, Scheme::Converter, "ISO-2022-JP");
    return e;
}
TextEncodingRef ASCII() {
    static const TextEncodingRef e = Make("US-ASCII", TextEncodingBase::ASCII, 0, Scheme::Converter, "US-ASCII");
    return e;
}
TextEncodingRef SystemDefault() { return UTF8(); }

}  // namespace Encodings

TextEncodingRef GetTextEncoding(int32_t base, int32_t variant, int32_t format) {
    if (variant != 0) return nullptr;
    if (IsUnicodeBase(base)) {
        auto with = [&](const TextEncodingRef& e) {
            if (base == e->Base()) return e;
            return std::make_shared<const TextEncoding>(e->internetName().ToUTF8(), base, 0, format, e->scheme(),
                                                        e->converterName());
        };
        switch (format) {
        case UnicodeFormat::UTF16: return with(Encodings::UTF16());
        case UnicodeFormat::UTF8: return with(Encodings::UTF8());
        case UnicodeFormat::UTF16BE: return with(Encodings::UTF16BE());
        case UnicodeFormat::UTF16LE: return with(Encodings::UTF16LE());
        default: return nullptr;
        }
    }
    if (format != 0) return nullptr;
    switch (base) {
    case TextEncodingBase::MacJapanese: return Encodings::MacJapanese();
    case TextEncodingBase::ASCII: return Encodings::ASCII();
    case TextEncodingBase::ISO2022JP: return Encodings::ISO2022JP();
    case TextEncodingBase::EUCJP: return Encodings::EUCJP();
    case TextEncodingBase::ShiftJIS: return Encodings::ShiftJIS();
    default: return nullptr;
    }
}

}  // namespace runtime
