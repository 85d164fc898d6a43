#pragma once
#include <cstdint>

namespace vel::gfx {

struct Color {
    uint8_t r = 0, g = 0, b = 0;
    constexpr bool operator==(const Color&) const = default;
};
constexpr Color Rgb(int r, int g, int b) {
    return Color{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}
inline constexpr Color kWhite = Rgb(255, 255, 255);
inline constexpr Color kBlack = Rgb(0, 0, 0);

struct Point {
    int x = 0, y = 0;
};

struct Pen {
    Color color;
    int width = 1;  // 0 and 1 both draw one pixel
    bool null = false;
};

struct Brush {
    Color color;
    bool null = false;
};

}  // namespace vel::gfx
