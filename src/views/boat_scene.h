#pragma once
// What the parts of one boat drawing share: the pose, where the boat stands
// on the screen, its hull lines and its colours. Used by the hull and the
// rig drawers of the sailing view and the title screen.
#include "common/game.h"
#include "gfx/dc.h"
#include "views/boat_model.h"

namespace vel {

struct BoatScene {
    const Game& g;
    const BoatPose& pose;
    BoatFrame frame;
    HullLines hull;
    int32_t look = kBoatMonohull;  // monohull, catamaran or one of the trawlers
    double u = 0.0;                 // size unit in pixels
    double beam = 0.0;              // beam scale
    bool night = false;             // dim colours: night or thunderstorm
    bool mono = false;
    bool title = false;
    int32_t hullFill = 0;           // palette brush; 0 = stock white, -1 = black
    int32_t trimFill = 0;           // deck, cabin and superstructure
    int32_t sailFill = 0;

    // Height of the sheer at a fore-and-aft position.
    double DeckAt(double p) const;
    // Selects a fill colour: palette brush, 0 = stock white, -1 = stock black.
    void Fill(gfx::DC& dc, int32_t brush) const;
    // A detailed drawing is worth its polygons only when the boat is large.
    bool Detailed() const { return u >= 9.0; }
};

// A deckhouse: a box tapering from its front to its back, standing on z0.
struct Box {
    double pFront, pBack;
    double halfFront, halfBack;
    double z0, z1;
};
// Its faces that turn toward the viewer, then its top.
void DrawBox(gfx::DC& dc, const BoatScene& s, const Box& b, int32_t sideFill, int32_t topFill);
// A band of windows along the visible faces of a box, between two fractions
// of its height; lit at night.
void DrawWindows(gfx::DC& dc, const BoatScene& s, const Box& b, double low, double high);
// Both sides of a hull whose centreline stands dx0 off the boat's, the far
// side first, then the transom and the deck.
void DrawHull(gfx::DC& dc, const BoatScene& s, const HullLines& h, double dx0, int32_t rel);
// A light: a small disc (brush; 0 = white).
void DrawBoatLamp(gfx::DC& dc, gfx::Point at, int32_t radius, int32_t brush);

// Where the masthead of a sailboat stands: fore-and-aft and height.
struct MastHead {
    double p, z;
};
MastHead SailboatMastHead(const BoatScene& s);

// The rig: mast, boom, stays, and every sail that is set.
void DrawRigAndSails(gfx::DC& dc, const BoatScene& s);

}  // namespace vel
