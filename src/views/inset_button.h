#pragma once
// A raised button drawn inside an inset (radar, mini chart) in the style of
// the control panel: drawn and hit-tested in one call.
#include <cstdint>
#include <string_view>

#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

struct ButtonBox {
    int32_t left, top, right, bottom;
    bool contains(int32_t x, int32_t y) const { return x > left && x < right && y > top && y < bottom; }
};

// Draws the button; while the mouse rests on it its help goes to the panel's
// description line. True once for a recorded click inside it, which is then
// consumed.
bool InsetButton(gfx::DC& dc, Game& g, const ButtonBox& box, std::string_view label, std::string_view help);

}  // namespace vel
