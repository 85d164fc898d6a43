#pragma once
// The names of the passages and the real areas on the chart and the mini
// chart, from the area's place-name list.
#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"
#include "world/place_names.h"

namespace vel {

// Light characteristics are written only closer than this chart zoom.
inline constexpr int32_t kLightLabelZoom = 17;

// Place and anchorage names always; aid labels while mark names are shown;
// light characteristics only on the full chart, zoomed in.
bool PlaceNameShown(const Game& g, const ChartFrame& f, NameStyle style);

// Every shown name of the current area whose point lies in the frame:
// places start at their point, anchorages in dark red; labels stand just
// right of the symbol on their point and a little above it.
void DrawAreaPlaceNames(gfx::DC& dc, const Game& g, const ChartFrame& f);

}  // namespace vel
