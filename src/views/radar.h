#pragma once
#include <cstdint>
#include <string>

#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// The radar inset: head-up echoes of land, islands, aids and vessels, the
// VRM and EBL with their buttons, and the readout.
void drawRadar(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom);

// Radius in pixels of a small echo at range setting R.
int32_t RadarDotRadius(int32_t range);
// An echo of radius r at `distance` units: full size near, half size further
// out, nothing beyond 7000 units.
int32_t FarEchoRadius(int32_t r, int32_t distance);

// The inset's polar picture: centre, range setting and the rectangle echoes
// must fall in (up to the drawing height).
struct RadarGeometry {
    int32_t cx, cy, range;
    int32_t left, top, right;
};
struct RadarEcho {
    int32_t distance;  // whole units from the boat
    gfx::Point p;
};
// A world point on the scope, turned with the view's heading.
RadarEcho RadarEchoAt(const Game& g, const RadarGeometry& r, double x, double y);

// Echo lines traced point by point: consecutive points are joined while
// each lies within the radar's reach of land.
class RadarTrace {
public:
    RadarTrace(gfx::DC& dc, const Game& g, const RadarGeometry& r) : dc_(dc), g_(g), r_(r) {}
    void to(double x, double y);
    void lift() { joined_ = false; }

private:
    gfx::DC& dc_;
    const Game& g_;
    RadarGeometry r_;
    bool joined_ = false;
};

// Whether the two save buttons are offered (an EBL or a VRM is set).
bool RadarSaveButtonsShown(const RadarState& r);

// The line under the buttons: EBL from the bow and VRM in miles, by width.
std::string RadarReadout(const Game& g);

}  // namespace vel
