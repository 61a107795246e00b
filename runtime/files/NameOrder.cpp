#include "runtime/files/NameOrder.h"

#include <cstdint>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "runtime/core/MacJapaneseForms.h"

namespace runtime::files {

namespace {

bool IsAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

unsigned char AsciiLower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }

// Case-insensitive comparison of two ASCII names.
int CompareAsciiFolded(std::string_view a, std::string_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = AsciiLower(static_cast<unsigned char>(a[i]));
        const unsigned char y = AsciiLower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

// The next folded code point of s at i; an ill-formed byte gives a value above
// every code point, distinct per byte, so that such names still order totally.
int32_t NextFolded(std::string_view s, int32_t& i) {
    const auto* p = reinterpret_cast<const uint8_t*>(s.data());
    const int32_t length = static_cast<int32_t>(s.size());
    const int32_t start = i;
    UChar32 c;
    U8_NEXT(p, i, length, c);
    if (c < 0) {
        i = start + 1;
        return 0x110000 + p[start];
    }
    return static_cast<int32_t>(u_foldCase(c, U_FOLD_CASE_DEFAULT));
}

int CompareUnicodeFolded(std::string_view a, std::string_view b) {
    int32_t i = 0, j = 0;
    const int32_t na = static_cast<int32_t>(a.size()), nb = static_cast<int32_t>(b.size());
    while (i < na && j < nb) {
        const int32_t x = NextFolded(a, i);
        const int32_t y = NextFolded(b, j);
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < na) return 1;
    if (j < nb) return -1;
    return 0;
}

int CompareFolded(std::string_view a, std::string_view b) {
    if (IsAscii(a) && IsAscii(b)) return CompareAsciiFolded(a, b);
    return CompareUnicodeFolded(a, b);
}

// UTF-8, extended past U+10FFFF for the values of ill-formed bytes: the bytes
// order as the values do, and no value's bytes begin another's.
void AppendOrdered(std::string& key, int32_t v) {
    const auto byte = [&key](int32_t b) { key.push_back(static_cast<char>(b)); };
    if (v < 0x80) {
        byte(v);
    } else if (v < 0x800) {
        byte(0xC0 | (v >> 6));
        byte(0x80 | (v & 0x3F));
    } else if (v < 0x10000) {
        byte(0xE0 | (v >> 12));
        byte(0x80 | ((v >> 6) & 0x3F));
        byte(0x80 | (v & 0x3F));
    } else {
        byte(0xF0 | (v >> 18));
        byte(0x80 | ((v >> 12) & 0x3F));
        byte(0x80 | ((v >> 6) & 0x3F));
        byte(0x80 | (v & 0x3F));
    }
}

}  // namespace

std::string NameOrderKey(std::string_view name) {
    std::string key;
    AppendNameOrderKey(key, name);
    return key;
}

void AppendNameOrderKey(std::string& keys, std::string_view name) {
    if (IsAscii(name)) {
        for (unsigned char c : name) keys.push_back(static_cast<char>(AsciiLower(c)));
        return;
    }
    for (int32_t i = 0; i < static_cast<int32_t>(name.size());) AppendOrdered(keys, NextFolded(name, i));
}

int CompareNames(std::string_view a, std::string_view b) {
    if (const int folded = CompareFolded(a, b); folded != 0) return folded;
    const int bytes = a.compare(b);
    return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}

bool NamesEqualIgnoringCase(std::string_view a, std::string_view b) {
    if (CompareFolded(a, b) == 0) return true;
    return !IsAscii(a) && !IsAscii(b) && CompareFolded(MacJapaneseForms(a), MacJapaneseForms(b)) == 0;
}

}  // namespace runtime::files
