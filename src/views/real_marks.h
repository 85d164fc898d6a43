#pragma once
// The marks and lights of the real areas as the views show them. A mark of
// the area's list (MarkList) is what its kind stands for in the aid table
// (world/aids.h); the area's lights stand apart, each with its colour code.
#include <cstdint>
#include <optional>
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"
#include "views/lights.h"

namespace vel {

enum class MarkShape {
    Nun,         // red conical buoy
    Can,         // green or other cylindrical buoy
    Fairway,     // red and white
    Beacon,      // daybeacon: a dayboard on a pile
    Range,       // range boards
    Lighthouse,
    LightTower,  // minor light on a ledge, pile or breakwater
    Landmark,    // tower, tank, stack, dome, monument
    Mooring
};

struct RealMark {
    MarkShape shape;
    LightColour colour;  // of the light, or of the mark when unlit
    bool lit;
    int32_t limitTenths;  // farthest the sailing view draws it
    const char* label;    // written beside it while mark names are shown
};

// nullopt for a kind that is no mark.
std::optional<RealMark> RealMarkOf(int32_t kind);
// A light of the area's light table: code 0 white, 1 red, 2 green, 3 other.
RealMark RealLightOf(int32_t code);

// Every mark of the area's list and every light of the area, each with its
// position and an index of its own (lights after the list).
struct PlacedMark {
    int32_t x, y, index;
    RealMark mark;
};
std::vector<PlacedMark> RealAreaMarks(const Game& g);

// Chart symbol of a mark at screen point p.
void DrawRealMarkSymbol(gfx::DC& dc, const ChartFrame& f, gfx::Point p, const RealMark& m);
// The mark in the sailing view, its foot at screen (x, row).
void DrawRealMarkInView(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row, const RealMark& m);
// Radar echo: lighthouses and landmarks the strongest, beacons and towers
// stronger than buoys.
int32_t RealMarkEchoRadius(const RealMark& m, int32_t r);

}  // namespace vel
