#pragma once
// The labels of the chart and the mini chart: the area's place names, the
// lights' characteristics and the marks' names, laid out together by one
// placer in every area.
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"
#include "views/label_placer.h"
#include "world/place_names.h"

namespace vel {

// Light characteristics are written only closer than this chart zoom.
inline constexpr int32_t kLightLabelZoom = 17;

// Place and anchorage names always; aid labels while mark names are shown;
// light characteristics only on the full chart, zoomed in.
bool PlaceNameShown(const Game& g, const ChartFrame& f, NameStyle style);

// The grey frames over what lies beyond the area, on the full chart.
std::vector<LabelBox> AreaFrameRects(const Game& g, const ChartFrame& f);

// Every shown label of the frame, placed: main names first, then
// anchorages, lights and marks. None covers another, the status strip,
// the frame's buttons, legend or disclaimer, or the grey frames.
LabelPlacer ChartLabels(const gfx::DC& dc, const Game& g, const ChartFrame& f);

}  // namespace vel
