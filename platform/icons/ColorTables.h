#pragma once
// The standard colour tables of QuickDraw.

#include <array>
#include <cstddef>
#include <cstdint>

namespace platform::icons {

inline constexpr int16_t kMonoTableID = 1;    // 1 bit: 0 white, 1 black
inline constexpr int16_t kSystemTableID = 8;  // the Mac 8-bit system palette
inline constexpr int16_t kGrayTableID = 40;   // 8-bit grey: 0 white ... 255 black

struct ColorTable {
    int16_t id = 0;
    int32_t count = 0;                    // entries in use
    std::array<uint32_t, 256> entries{};  // 0xFFRRGGBB
};
using CTabHandle = const ColorTable*;

// The standard table of that id, shared and never released; nullptr for an id
// this layer does not keep.
CTabHandle GetCTable(int16_t id);

// The index of the system palette's entry nearest to an opaque colour
// (0xRRGGBB, the high byte ignored).
uint8_t NearestSystemColor(uint32_t rgb);

}  // namespace platform::icons
