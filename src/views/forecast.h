#pragma once
#include <string>
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "shell/pacer.h"

namespace vel {

struct ForecastLine {
    std::string text;
    bool tomorrow = false;  // the outlook for the next day, drawn in grey
};

// The forecast's lines from the top of the page down: the area, today's
// weather, the tide, tomorrow's outlook and the prompt. Works out tomorrow's
// weather on the way and leaves today's in place.
std::vector<ForecastLine> ForecastLines(Game& g);

// The weather forecast screen.
void DrawForecast(gfx::DC& dc, Game& g, Pacer& pacer);

}  // namespace vel
