#pragma once
// The framework's colour: red, green and blue, 0 to 255 each.

#include <cstdint>

namespace runtime {

struct Color {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    friend bool operator==(const Color&, const Color&) = default;
};

// Each channel is clamped to 0 ... 255.
constexpr Color RGB(int red, int green, int blue) {
    auto clamp = [](int v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return Color{clamp(red), clamp(green), clamp(blue)};
}

}  // namespace runtime
