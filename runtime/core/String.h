#pragma once
// The framework's text: bytes plus an encoding tag.
//
// DefineEncoding changes only the tag; conversions change the bytes. Byte
// functions (LenB, MidB, InStrB ...) ignore the tag. Character functions and
// comparisons work on the text: bytes without a tag are taken as UTF-8.
// Equality ignores letter case; two texts with different tags are compared
// converted to UTF-8.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace runtime {

class TextEncoding;
using TextEncodingRef = std::shared_ptr<const TextEncoding>;

class String {
public:
    String();                         // "", no tag
    String(const char* utf8);         // a literal: UTF-8 text, tagged UTF-8
    String(std::string_view utf8);    // UTF-8 text, tagged UTF-8
    String(const std::string& utf8);  // UTF-8 text, tagged UTF-8

    // Raw bytes with the given tag (nullptr: no tag).
    static String FromBytes(std::string bytes, TextEncodingRef encoding = nullptr);

    const std::string& Bytes() const { return bytes_; }
    const TextEncodingRef& Encoding() const { return encoding_; }
    bool IsEmpty() const { return bytes_.empty(); }

    // The text as UTF-8, converted from the tag; untagged bytes pass as they are.
    std::string ToUTF8() const;

    // Concatenation: an empty side takes the other's tag; equal tags stay;
    // otherwise both sides are converted to UTF-8 and the result is tagged UTF-8.
    String& operator+=(const String& other);
    friend String operator+(const String& a, const String& b);

    // Text equality, letter case ignored.
    friend bool operator==(const String& a, const String& b);
    friend bool operator!=(const String& a, const String& b) { return !(a == b); }
    // Byte-exact equality, tag ignored.
    bool EqualsBytes(const String& other) const { return bytes_ == other.bytes_; }

private:
    std::string bytes_;
    TextEncodingRef encoding_;
};

// Text comparison as the framework does it: <0, 0, >0, letter case ignored.
int StrComp(const String& a, const String& b);

// A key for hashing texts by their equality: the keys of two texts are equal,
// byte for byte, exactly when the texts are equal (operator==).
std::string CaselessKey(const String& s);

}  // namespace runtime
