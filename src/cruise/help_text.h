#pragma once
// The program's manual: fifteen pages of fixed lines, and for page 3 one
// paragraph for each screen it can be opened over.
#include <cstdint>
#include <span>

#include "common/game.h"

namespace vel {

enum class HelpStyle { Title, Heading, Body };

struct HelpLine {
    HelpStyle style;
    const char* text;
};

// Pages 1..15 (page 3 holds only its title line); empty for any other number.
std::span<const HelpLine> HelpPageLines(int32_t page);

// The screens page 3 can explain.
enum class HelpScreen { Title, Forecast, Chart, SailingView, SmallChart, VerySmallChart, Radar, Compass, Results };

// The screen that is open beneath the help page.
HelpScreen ScreenBeneath(const Game& g);

std::span<const HelpLine> ScreenLines(HelpScreen screen);

}  // namespace vel
