#pragma once
// The camera and the one world-to-screen projection every drawer of the
// sailing view uses. World x grows east and y south; bearings are true.
#include <cstdint>
#include <span>

#include "common/game.h"

namespace vel {

// Projection kinds: how a point beyond the edge of the field is placed.
inline constexpr int32_t kProjectPlain = 0;   // beyond 80 degrees: on the horizon
inline constexpr int32_t kProjectShore = 5;   // a wider field of 85 degrees
inline constexpr int32_t kProjectAside = 6;   // beyond 60 degrees: pushed off the side
inline constexpr int32_t kProjectRock = 7;

// Once per running frame, after the tick: the view heading from the boat's
// heading, the rig and the look commands.
void updateViewHeading(Game& g);

// Relative bearing (radians, -pi..pi) of a world point from the eye, which
// stands 60 units behind the boat; leaves distance and whole-degree bearing
// in the projection record.
double eyeBearing(Game& g, double x, double y);

void projectPoint(Game& g, int32_t slot, int32_t x, int32_t y, int32_t kind);
void projectPointD(Game& g, int32_t slot, double x, double y, int32_t kind);

// The same projection for many points under one camera: the eye's place and
// heading are worked out once.
class Projector {
public:
    explicit Projector(Game& g);
    void project(int32_t slot, double x, double y, int32_t kind);
    // As eyeBearing.
    double bearing(double x, double y);

private:
    Game& g_;
    double heading_, eyeX_, eyeY_;
};

// Size factor of a shape whose base stands on the given screen row.
double depthScale(const Game& g, int32_t row);

// Any angle into -179..180.
int32_t signedAngle(int32_t a);
// Any angle into 0..359.
int32_t wrapDegrees(int32_t a);

// Far-to-near drawing order: order[1..n] takes the indices 1..n of keys by
// rising key; equal keys keep their index order. Keys of 19000 and more are
// left out (hidden objects). Spends the keys. Returns how many were placed.
int32_t sortByRow(std::span<int32_t> keys, std::span<int32_t> order, int32_t n);

// True while the close-up 3D view is chosen.
inline bool CloseUpView(const Game& g) { return g.viewState.viewMode == 1; }
inline bool BinocularsOn(const Game& g) { return g.viewState.compassMode == 1 && g.viewState.binoculars == 1; }

}  // namespace vel

#include <vector>

#include "gfx/color.h"

namespace vel {

struct WorldPoint {
    double x, y;
};

// A flat shape on the water or the land, projected with the parts that lie
// beyond 75 degrees of the view centre cut away and long edges followed
// point by point. Returns the screen outline, empty when nothing of the
// shape lies in the field.
std::vector<gfx::Point> projectClippedPolygon(Game& g, const WorldPoint* pts, int32_t n);

}  // namespace vel
