#pragma once
// The Mac OS types and result codes that the Carbon and icon layers share.
//
// Names are Pascal strings: a length byte, then that many bytes, in Mac
// Japanese. The one volume is the Linux root, "Macintosh HD".

#include <cstdint>

namespace platform::carbon {

using OSErr = int16_t;
using OSType = uint32_t;
using Boolean = uint8_t;
using StringPtr = unsigned char*;
using Str63 = unsigned char[64];
using Str255 = unsigned char[256];

// 'is32' as an OSType: the four characters, first one in the high byte.
constexpr OSType FourCharCode(const char (&code)[5]) {
    return (OSType(uint8_t(code[0])) << 24) | (OSType(uint8_t(code[1])) << 16) | (OSType(uint8_t(code[2])) << 8) |
           OSType(uint8_t(code[3]));
}

// Result codes.
inline constexpr OSErr noErr = 0;
inline constexpr OSErr nsvErr = -35;               // no such volume
inline constexpr OSErr bdNamErr = -37;             // a name this layer cannot hand out in Mac Japanese
inline constexpr OSErr fnfErr = -43;               // the item is not there
inline constexpr OSErr paramErr = -50;             // bad argument or damaged record
inline constexpr OSErr memFullErr = -108;          // no room for the block
inline constexpr OSErr nilHandleErr = -109;        // no such handle
inline constexpr OSErr memLockedErr = -117;        // the handle is locked
inline constexpr OSErr dirNFErr = -120;            // no such directory
inline constexpr OSErr cDepthErr = -157;           // an unsupported pixel format
inline constexpr OSErr invalidIconRefErr = -2580;  // no icon reference
inline constexpr OSErr noSuchIconErr = -2582;      // no such icon or element

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

// The root volume and its catalog.
inline constexpr int16_t kRootVRefNum = -100;
inline constexpr int32_t kRootParentDirID = 1;  // the parent of the root folder; no entry of its own
inline constexpr int32_t kRootDirID = 2;        // the root folder, named as the volume

// A file or folder by volume, parent directory and name.
struct FSSpec {
    int16_t vRefNum = 0;
    int32_t parID = 0;
    Str63 name = {};
};

// Catalog parameter block, directory form: the fields PBGetCatInfoSync reads
// and writes.
struct CInfoPBRec {
    OSErr ioResult = noErr;
    StringPtr ioNamePtr = nullptr;  // receives the name; room for 256 bytes, or nullptr
    int16_t ioVRefNum = 0;
    int16_t ioFDirIndex = 0;  // -1: describe the directory ioDrDirID
    int32_t ioDrDirID = 0;
    int32_t ioDrParID = 0;  // out: the parent's directory ID
};

}  // namespace platform::carbon
