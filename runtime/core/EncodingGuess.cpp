#include "runtime/core/EncodingGuess.h"

#include <cstring>
#include <memory>
#include <string_view>

#include <unicode/ucsdet.h>
#include <unicode/utf8.h>

#include "runtime/core/Encodings.h"

namespace runtime {
namespace {

using Bytes = std::string_view;

inline unsigned char At(Bytes b, size_t i) { return static_cast<unsigned char>(b[i]); }

bool StartsWith(Bytes b, const char* prefix) { return b.substr(0, std::strlen(prefix)) == prefix; }

bool AllAscii(Bytes b) {
    for (size_t i = 0; i < b.size(); ++i)
        if (At(b, i) >= 0x80) return false;
    return true;
}

bool ValidUTF8(Bytes b) {
    int32_t i = 0;
    const auto n = static_cast<int32_t>(b.size());
    while (i < n) {
        UChar32 c;
        U8_NEXT(b.data(), i, n, c);
        if (c < 0) return false;
    }
    return true;
}

// Text mostly of ASCII characters in UTF-16 has a zero byte in most of its
// units, all on the same side.
bool ZeroBytePattern(Bytes b) {
    if (b.size() < 2 || b.size() % 2 != 0) return false;
    size_t evenZeros = 0, oddZeros = 0;
    for (size_t i = 0; i < b.size(); ++i)
        if (At(b, i) == 0) ++(i % 2 == 0 ? evenZeros : oddZeros);
    const size_t units = b.size() / 2;
    return (evenZeros * 4 >= units && oddZeros == 0) || (oddZeros * 4 >= units && evenZeros == 0);
}

bool JapaneseOrAsciiUnit(uint16_t u) {
    return u == 0x09 || u == 0x0A || u == 0x0D || (u >= 0x20 && u <= 0x7E) || (u >= 0x3000 && u <= 0x30FF) ||
           (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

struct UTF16Reading {
    bool japanese = false;  // kana, kanji and full-width forms, with at least one of them
    bool kana = false;      // kana or Japanese punctuation among them
};

// Big-endian UTF-16 of Japanese text without ASCII.
UTF16Reading ReadAsUTF16(Bytes b) {
    UTF16Reading r;
    if (b.size() < 2 || b.size() % 2 != 0) return r;
    size_t japanese = 0, fitting = 0;
    const size_t units = b.size() / 2;
    for (size_t i = 0; i < b.size(); i += 2) {
        auto u = static_cast<uint16_t>(At(b, i) << 8 | At(b, i + 1));
        if (JapaneseOrAsciiUnit(u)) ++fitting;
        if (u >= 0x3000) ++japanese;
        if (u >= 0x3000 && u <= 0x30FF) r.kana = true;
    }
    r.japanese = japanese > 0 && fitting * 10 >= units * 9;
    return r;
}

// Shift_JIS (Mac Japanese) structure: single bytes, and lead bytes each followed by a trail byte.
bool ShiftJISShape(Bytes b) {
    for (size_t i = 0; i < b.size(); ++i) {
        unsigned char c = At(b, i);
        bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        if (!lead) continue;
        if (i + 1 >= b.size()) return false;
        unsigned char t = At(b, ++i);
        if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
    }
    return true;
}

struct DetectorVerdict {
    int shiftJIS = 0;  // confidence 0..100
    int eucJP = 0;
    const char* best = nullptr;
};

DetectorVerdict Detect(Bytes b) {
    DetectorVerdict v;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)> det(ucsdet_open(&status), &ucsdet_close);
    if (U_FAILURE(status)) return v;
    ucsdet_setText(det.get(), b.data(), static_cast<int32_t>(b.size()), &status);
    int32_t count = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(det.get(), &count, &status);
    if (U_FAILURE(status)) return v;
    for (int32_t i = 0; i < count; ++i) {
        UErrorCode s = U_ZERO_ERROR;
        const char* name = ucsdet_getName(matches[i], &s);
        int confidence = ucsdet_getConfidence(matches[i], &s);
        if (U_FAILURE(s) || name == nullptr) continue;
        if (i == 0) v.best = name;
        if (std::strcmp(name, "Shift_JIS") == 0) v.shiftJIS = std::max(v.shiftJIS, confidence);
        if (std::strcmp(name, "EUC-JP") == 0) v.eucJP = std::max(v.eucJP, confidence);
    }
    return v;
}

}  // namespace

TextEncodingRef GuessJapaneseEncoding(const String& s) {
    const Bytes b = s.Bytes();
    if (b.empty()) return nullptr;
    if (StartsWith(b, "\xEF\xBB\xBF")) return Encodings::UTF8();
    if (StartsWith(b, "\xFE\xFF") || StartsWith(b, "\xFF\xFE")) return Encodings::UTF16();
    if (ZeroBytePattern(b)) return Encodings::UTF16();
    if (AllAscii(b)) return nullptr;
    if (ValidUTF8(b)) return Encodings::UTF8();

    const bool sjis = ShiftJISShape(b);
    const UTF16Reading asUTF16 = ReadAsUTF16(b);
    const bool utf16 = asUTF16.japanese;
    const DetectorVerdict detected = Detect(b);
    // Kanji in Shift_JIS read as kanji in UTF-16 too; kana in UTF-16 would be
    // Shift_JIS text with "0" before every other byte.
    if (sjis && utf16)
        return detected.shiftJIS < 50 && asUTF16.kana ? Encodings::UTF16() : Encodings::ShiftJIS();
    if (sjis) return detected.eucJP > detected.shiftJIS ? nullptr : Encodings::ShiftJIS();
    if (utf16) return Encodings::UTF16();
    if (detected.best != nullptr && std::strncmp(detected.best, "UTF-16", 6) == 0) return Encodings::UTF16();
    return nullptr;
}

}  // namespace runtime
