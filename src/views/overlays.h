#pragma once
// Instruments and messages written over the sailing view: the sheet-trim
// bar, the alert lines, the frozen notice, the heading dial, the wind,
// waypoint and current dials and the sea-state label.
#include <string>
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/scene.h"

namespace vel {

void drawSheetTrimBar(gfx::DC& dc, const Game& g);

// One alert message as it is written: column, row and text.
struct AlertLine {
    int32_t x = 0, y = 0;
    std::string text;
};
// Every alert that applies now, in writing order (later ones cover earlier
// ones on the same row). Pure: reads the game only.
std::vector<AlertLine> CurrentAlerts(const Game& g);
// Writes the alerts; also the one beep and, among the fishing fleet, the end
// of the cruise that a contact with another vessel brings, and the expiry of
// failure banners.
void drawAlertLines(gfx::DC& dc, Game& g);

void drawFrozenNotice(gfx::DC& dc, const Game& g, int32_t top);

// The heading dial, the three small dials and the sea-state label.
void drawDials(gfx::DC& dc, const Game& g, const ViewRect& view);

// The sea-state text for the label, with or without fog.
const char* SeaStateText(int32_t waveState, bool fog);

}  // namespace vel
