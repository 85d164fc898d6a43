#pragma once
// Names written on the chart of the passages and the real areas: places,
// anchorages (dark red), legend lines, and the labels of lights and aids,
// each at a fixed position of its area.
#include <cstdint>
#include <span>

namespace vel {

enum class NameStyle : int32_t {
    Place,      // harbours, islands, capes, waters
    Anchorage,  // written in dark red
    AidLabel,   // a mark's or light's label ("Fl R", "ﾍﾞﾙ" ...): only while mark names are shown
    LightLabel  // a light's characteristic: chart only, zoomed in
};

struct PlaceName {
    int32_t x, y;      // area units of the named point (the label sits beside it)
    const char* text;  // UTF-8, as printed
    NameStyle style;
};

// The names of an area; empty for the generated areas.
std::span<const PlaceName> PlaceNamesFor(int32_t areaCode);

}  // namespace vel
