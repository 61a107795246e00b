#include "runtime/core/Transcode.h"

#include <map>
#include <memory>

#include <unicode/ucnv.h>

#include "runtime/core/MacJapanese.h"

namespace runtime::detail {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

// Opened converters, one per name and thread. Opening reports
// U_AMBIGUOUS_ALIAS_WARNING for Shift_JIS, cp932 and ISO-2022-JP: no error.
UConverter* Converter(const std::string& name) {
    thread_local std::map<std::string, std::unique_ptr<UConverter, ConverterCloser>> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        UErrorCode status = U_ZERO_ERROR;
        UConverter* c = ucnv_open(name.c_str(), &status);
        if (U_FAILURE(status)) return nullptr;
        status = U_ZERO_ERROR;
        ucnv_setSubstChars(c, "?", 1, &status);
        it = cache.emplace(name, std::unique_ptr<UConverter, ConverterCloser>(c)).first;
    }
    ucnv_reset(it->second.get());
    return it->second.get();
}

icu::UnicodeString DecodeWith(std::string_view bytes, const std::string& name) {
    UConverter* c = Converter(name);
    if (c == nullptr || bytes.empty()) return {};
    const auto size = static_cast<int32_t>(bytes.size());
    int32_t capacity = size * 2 + 2;
    for (int attempt = 0; attempt < 2; ++attempt) {
        icu::UnicodeString out;
        UErrorCode status = U_ZERO_ERROR;
        ucnv_reset(c);
        int32_t n = ucnv_toUChars(c, out.getBuffer(capacity), capacity, bytes.data(), size, &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            out.releaseBuffer(0);
            capacity = n + 1;
            continue;
        }
        out.releaseBuffer(U_FAILURE(status) ? 0 : n);
        return out;
    }
    return {};
}

std::string EncodeWith(const icu::UnicodeString& text, const std::string& name) {
    UConverter* c = Converter(name);
    if (c == nullptr || text.isEmpty()) return {};
    std::string out;
    UErrorCode status = U_ZERO_ERROR;
    int32_t n = ucnv_fromUChars(c, nullptr, 0, text.getBuffer(), text.length(), &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return {};
    out.resize(static_cast<size_t>(n));
    status = U_ZERO_ERROR;
    ucnv_reset(c);
    ucnv_fromUChars(c, out.data(), n, text.getBuffer(), text.length(), &status);
    if (U_FAILURE(status)) return {};
    return out;
}

icu::UnicodeString DecodeUTF16(std::string_view bytes) {
    if (bytes.size() >= 2) {
        auto b0 = static_cast<unsigned char>(bytes[0]), b1 = static_cast<unsigned char>(bytes[1]);
        if (b0 == 0xFE && b1 == 0xFF) return DecodeWith(bytes.substr(2), "UTF-16BE");
        if (b0 == 0xFF && b1 == 0xFE) return DecodeWith(bytes.substr(2), "UTF-16LE");
    }
    return DecodeWith(bytes, "UTF-16BE");
}

}  // namespace

icu::UnicodeString Decode(std::string_view bytes, const TextEncoding* encoding) {
    if (encoding == nullptr) return icu::UnicodeString::fromUTF8(icu::StringPiece(bytes.data(), bytes.size()));
    switch (encoding->scheme()) {
    case TextEncoding::Scheme::UTF8: return icu::UnicodeString::fromUTF8(icu::StringPiece(bytes.data(), bytes.size()));
    case TextEncoding::Scheme::UTF16: return DecodeUTF16(bytes);
    case TextEncoding::Scheme::UTF16BE: return DecodeWith(bytes, "UTF-16BE");
    case TextEncoding::Scheme::UTF16LE: return DecodeWith(bytes, "UTF-16LE");
    case TextEncoding::Scheme::MacJapanese: return DecodeMacJapanese(bytes, encoding->converterName().c_str());
    case TextEncoding::Scheme::Converter: return DecodeWith(bytes, encoding->converterName());
    }
    return {};
}

std::string Encode(const icu::UnicodeString& text, const TextEncoding* encoding) {
    std::string out;
    if (encoding == nullptr) return text.toUTF8String(out);
    switch (encoding->scheme()) {
    case TextEncoding::Scheme::UTF8: return text.toUTF8String(out);
    case TextEncoding::Scheme::UTF16:
    case TextEncoding::Scheme::UTF16BE: return EncodeWith(text, "UTF-16BE");
    case TextEncoding::Scheme::UTF16LE: return EncodeWith(text, "UTF-16LE");
    case TextEncoding::Scheme::MacJapanese: return EncodeMacJapanese(text, encoding->converterName().c_str());
    case TextEncoding::Scheme::Converter: return EncodeWith(text, encoding->converterName());
    }
    return out;
}

std::string ToUTF8(std::string_view bytes, const TextEncoding* encoding) {
    if (ReadsAsUTF8(encoding)) return std::string(bytes);
    std::string out;
    return Decode(bytes, encoding).toUTF8String(out);
}

std::string FromUTF8(std::string_view utf8, const TextEncoding* encoding) {
    if (ReadsAsUTF8(encoding)) return std::string(utf8);
    return Encode(icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), utf8.size())), encoding);
}

}  // namespace runtime::detail
