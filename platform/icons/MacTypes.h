#pragma once
// The Mac OS scalar types, result codes and rectangles of the icon layer.

#include <cstdint>

namespace platform::icons {

using OSType = uint32_t;
using OSErr = int16_t;

// 'is32' as an OSType: the four characters, first one in the high byte.
constexpr OSType FourCharCode(const char (&code)[5]) {
    return (OSType(uint8_t(code[0])) << 24) | (OSType(uint8_t(code[1])) << 16) |
           (OSType(uint8_t(code[2])) << 8) | OSType(uint8_t(code[3]));
}

inline constexpr OSErr noErr = 0;
inline constexpr OSErr fnfErr = -43;           // no such file or folder
inline constexpr OSErr paramErr = -50;         // a bad argument
inline constexpr OSErr memFullErr = -108;      // no memory for the data
inline constexpr OSErr memLockedErr = -117;    // the handle is locked
inline constexpr OSErr cDepthErr = -157;       // an unsupported pixel format
inline constexpr OSErr invalidIconRefErr = -2580;
inline constexpr OSErr noSuchIconErr = -2582;  // no such icon or element

// QuickDraw's rectangle: top, left, bottom, right.
struct Rect {
    int16_t top = 0;
    int16_t left = 0;
    int16_t bottom = 0;
    int16_t right = 0;
};

inline void SetRect(Rect* r, int16_t left, int16_t top, int16_t right, int16_t bottom) {
    if (!r) return;
    r->left = left;
    r->top = top;
    r->right = right;
    r->bottom = bottom;
}

}  // namespace platform::icons
