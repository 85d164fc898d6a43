#pragma once
// The marks of the real areas' lists (MarkList) as the views show them: what
// each kind code stands for, its chart symbol, its shape in the sailing view
// and the size of its radar echo. Kinds 31..45 and 48 are also the sound
// signals heard in fog; 33 and 41..43 are horns alone, with nothing to see.
#include <cstdint>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"
#include "views/lights.h"

namespace vel {

enum class MarkShape {
    Nun,         // red conical buoy
    Can,         // green or white cylinder
    Bell,        // buoy with a bell or gong on a frame
    Fairway,     // red and white, Morse A
    Beacon,      // daybeacon: a dayboard on a pile
    StoneBeacon, // stone tower or monument
    Range,       // pair of range boards
    Lighthouse,
    LightTower,  // minor light on a ledge or pile
    Landmark,    // tower, tank, stack or dome
    Mooring,
    Horn         // fog signal only
};

struct RealMarkKind {
    int32_t kind;
    MarkShape shape;
    LightColour colour;  // of the light, or of the mark when unlit
    bool lit;
    int32_t limitTenths;  // farthest the sailing view draws it
};

// nullptr for a kind that is not a real-area mark.
const RealMarkKind* FindRealMarkKind(int32_t kind);

// Chart symbol of a mark at screen point p.
void DrawRealMarkSymbol(gfx::DC& dc, const ChartFrame& f, gfx::Point p, const RealMarkKind& k);
// The mark in the sailing view, its foot at screen (x, row).
void DrawRealMarkInView(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row, const RealMarkKind& k);
// Radar echo: lighthouses and landmarks the strongest, beacons and towers
// stronger than buoys; 0 for a horn.
int32_t RealMarkEchoRadius(const RealMarkKind& k, int32_t r);

}  // namespace vel
