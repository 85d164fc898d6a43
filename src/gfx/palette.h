#pragma once
// The shared pens and brushes, made once from the start-up screen height S.
// Drawers select them by number, 1-based as everywhere in the program.
#include <array>

#include "gfx/color.h"

namespace vel::gfx {

inline constexpr int kPenCount = 65;
inline constexpr int kBrushCount = 44;

class Palette {
public:
    explicit Palette(int screenHeight);

    const Pen& pen(int i) const;      // 1..65
    const Brush& brush(int i) const;  // 1..44
    int screenHeight() const { return screenHeight_; }

private:
    int screenHeight_;
    std::array<Pen, kPenCount + 1> pens_{};
    std::array<Brush, kBrushCount + 1> brushes_{};
};

}  // namespace vel::gfx
