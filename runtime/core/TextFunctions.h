#pragma once
// The framework's text functions.
//
// Character functions count characters (1-based) of the text, whatever its
// encoding; their results keep the argument's tag. Byte functions count bytes
// and ignore the tag. Text searches ignore letter case; byte searches do not.
// A byte that is not valid UTF-8 in an untagged or UTF-8 text counts as one
// character.

#include <concepts>
#include <cstdint>
#include <vector>

#include "runtime/core/String.h"

namespace runtime {

// Characters.
int32_t Len(const String& s);
String Mid(const String& s, int32_t start);                  // start < 1 counts as 1
String Mid(const String& s, int32_t start, int32_t length);  // length < 0: to the end
String Left(const String& s, int32_t count);
String Right(const String& s, int32_t count);
// Position of find in s at or after start, letter case ignored; 0 when not
// found or when find is "".
int32_t InStr(const String& s, const String& find);
int32_t InStr(int32_t start, const String& s, const String& find);
int32_t Asc(const String& s);   // code point of the first character, 0 for ""
String Chr(int32_t codePoint);  // UTF-8; "" for a value that is no character
String Uppercase(const String& s);
String Lowercase(const String& s);
// Every occurrence of find (letter case ignored) replaced; find "" changes nothing.
String ReplaceAll(const String& s, const String& find, const String& replacement);
// Leading and trailing white space (Unicode White_Space, the ideographic space included) removed.
String Trim(const String& s);

// Bytes.
int32_t LenB(const String& s);
String MidB(const String& s, int32_t start);
String MidB(const String& s, int32_t start, int32_t length);
String LeftB(const String& s, int32_t count);
String RightB(const String& s, int32_t count);
int32_t InStrB(const String& s, const String& find);  // exact bytes; 0 when not found or find is ""
int32_t InStrB(int32_t start, const String& s, const String& find);
int32_t AscB(const String& s);  // the first byte, 0 for ""
String ChrB(int32_t value);     // one untagged byte: the low 8 bits of value

int32_t BitwiseAnd(int32_t a, int32_t b);
int32_t BitwiseXor(int32_t a, int32_t b);

// Numbers as text.
String Str(int64_t value);
template <std::integral T>
String Str(T value) {
    return Str(static_cast<int64_t>(value));
}
// A whole number shows no decimal point ("1"); others the shortest text that reads back exactly.
String Str(double value);
// The number at the start of s: leading blanks, sign, digits, decimals and
// exponent, or &h hexadecimal, &o octal, &b binary. 0 when s starts with no number.
double Val(const String& s);
// A number as an Int32, as an assignment converts it: the fraction cut off,
// values beyond the range held at its ends, NaN as 0.
int32_t CInt32(double value);
// value shown by mask: "0" a digit always shown, "#" a digit shown when
// significant, "." the decimal point, "," thousands separators; other
// characters are copied. Format(5, "00") is "05".
String Format(double value, const String& mask);

// Fields. Separators match byte for byte.
// CountFields("", sep) is 0: an empty text holds no field; a text without sep holds 1.
int32_t CountFields(const String& s, const String& separator);
// Field n (1-based) of s; "" when n is out of range.
String NthField(const String& s, const String& separator, int32_t n);
// Every field of s in one pass: NthField 1 to CountFields, in order.
std::vector<String> Fields(const String& s, const String& separator);

}  // namespace runtime
