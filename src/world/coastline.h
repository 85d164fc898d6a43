#pragma once
// The generated shore: coastline with its three coves, the marina pier,
// background hills and landmark points.
#include <cstdint>

#include "common/game.h"

namespace vel {

// Coast, inland waterway and river (area codes 1, 3, 4): the coastline, its
// coves and closing points, and the cove-head rocks 16..18.
void GenerateCoastline(Game& g);

// Ten far hills and the landmark points A..E, any generated area.
void PlaceHillsAndLandmarks(Game& g);

// The marina pier in the first cove (every generated area but the islands).
void BuildMarinaPier(AreaGrid& a);
// The same pier from its shore corner (x0, y0), its water toward y * s.
void BuildMarinaPierAt(AreaGrid& a, int32_t x0, int32_t y0, int32_t s);

struct ShorePoint {
    int32_t x = 0;
    int32_t y = 0;
};
// Coastline point i; the islands area has no coastline and answers with the
// undisturbed mainland shore far off.
ShorePoint ShoreAt(const AreaGrid& a, int32_t i);

}  // namespace vel
