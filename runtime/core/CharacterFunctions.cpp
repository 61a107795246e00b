#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "runtime/core/CaseFold.h"
#include "runtime/core/Encodings.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/core/Transcode.h"
#include "runtime/core/Utf8.h"

namespace runtime {
namespace {

using detail::CharacterCount;
using detail::CharacterOffset;
using detail::NextCharacter;

// f applied to the UTF-8 text of s; the result is written back in s's encoding.
template <class F>
String OnText(const String& s, F f) {
    const TextEncoding* encoding = s.Encoding().get();
    if (detail::ReadsAsUTF8(encoding)) return String::FromBytes(f(std::string_view(s.Bytes())), s.Encoding());
    std::string text = s.ToUTF8();
    return String::FromBytes(detail::FromUTF8(f(std::string_view(text)), encoding), s.Encoding());
}

std::string UTF8Of(const String& s) { return s.ToUTF8(); }

UChar32 CharacterAt(std::string_view s, size_t pos, size_t end) {
    int32_t i = static_cast<int32_t>(pos);
    UChar32 c;
    U8_NEXT(s.data(), i, static_cast<int32_t>(end), c);
    return c;
}

std::string MidText(std::string_view text, int32_t start, int32_t length) {
    size_t from = CharacterOffset(text, start > 1 ? static_cast<size_t>(start - 1) : 0);
    if (length < 0) return std::string(text.substr(from));
    size_t to = from + CharacterOffset(text.substr(from), static_cast<size_t>(length));
    return std::string(text.substr(from, to - from));
}

}  // namespace

int32_t Len(const String& s) {
    if (detail::ReadsAsUTF8(s.Encoding().get())) return static_cast<int32_t>(CharacterCount(s.Bytes()));
    return static_cast<int32_t>(CharacterCount(s.ToUTF8()));
}

String Mid(const String& s, int32_t start) { return Mid(s, start, -1); }

String Mid(const String& s, int32_t start, int32_t length) {
    return OnText(s, [&](std::string_view t) { return MidText(t, start, length); });
}

String Left(const String& s, int32_t count) {
    if (count <= 0) return String::FromBytes({}, s.Encoding());
    return Mid(s, 1, count);
}

String Right(const String& s, int32_t count) {
    if (count <= 0) return String::FromBytes({}, s.Encoding());
    return OnText(s, [&](std::string_view t) {
        size_t n = CharacterCount(t);
        size_t skip = n > static_cast<size_t>(count) ? n - static_cast<size_t>(count) : 0;
        return std::string(t.substr(CharacterOffset(t, skip)));
    });
}

int32_t InStr(const String& s, const String& find) { return InStr(1, s, find); }

int32_t InStr(int32_t start, const String& s, const String& find) {
    const std::string text = UTF8Of(s);
    const std::string needle = UTF8Of(find);
    size_t skip = start > 1 ? static_cast<size_t>(start - 1) : 0;
    size_t from = CharacterOffset(text, skip);
    auto match = detail::FindCaseless(text, needle, from);
    if (!match) return 0;
    return static_cast<int32_t>(skip + CharacterCount(std::string_view(text).substr(from, match->begin - from)) + 1);
}

int32_t Asc(const String& s) {
    const std::string text = UTF8Of(s);
    if (text.empty()) return 0;
    UChar32 c = CharacterAt(text, 0, text.size());
    return c < 0 ? static_cast<unsigned char>(text[0]) : c;
}

String Chr(int32_t codePoint) {
    if (codePoint < 0 || codePoint > 0x10FFFF || U_IS_SURROGATE(codePoint)) return String();
    std::string out;
    icu::UnicodeString(static_cast<UChar32>(codePoint)).toUTF8String(out);
    return String(out);
}

String Uppercase(const String& s) {
    return OnText(s, [](std::string_view t) {
        std::string out;
        icu::UnicodeString::fromUTF8(icu::StringPiece(t.data(), t.size()))
            .toUpper(icu::Locale::getRoot())
            .toUTF8String(out);
        return out;
    });
}

String Lowercase(const String& s) {
    return OnText(s, [](std::string_view t) {
        std::string out;
        icu::UnicodeString::fromUTF8(icu::StringPiece(t.data(), t.size()))
            .toLower(icu::Locale::getRoot())
            .toUTF8String(out);
        return out;
    });
}

String ReplaceAll(const String& s, const String& find, const String& replacement) {
    const std::string needle = UTF8Of(find);
    const std::string with = UTF8Of(replacement);
    if (needle.empty()) return s;
    return OnText(s, [&](std::string_view t) {
        std::string out;
        size_t pos = 0;
        while (auto match = detail::FindCaseless(t, needle, pos)) {
            out.append(t.substr(pos, match->begin - pos));
            out += with;
            pos = match->end;
        }
        out.append(t.substr(pos));
        return out;
    });
}

String Trim(const String& s) {
    return OnText(s, [](std::string_view t) {
        size_t begin = 0;
        while (begin < t.size()) {
            UChar32 c = CharacterAt(t, begin, t.size());
            if (c < 0 || !u_isUWhiteSpace(c)) break;
            begin = NextCharacter(t, begin);
        }
        size_t end = begin;
        for (size_t pos = begin; pos < t.size(); pos = NextCharacter(t, pos)) {
            UChar32 c = CharacterAt(t, pos, t.size());
            if (c < 0 || !u_isUWhiteSpace(c)) end = NextCharacter(t, pos);
        }
        return std::string(t.substr(begin, end - begin));
    });
}

}  // namespace runtime
