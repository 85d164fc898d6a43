#include "sim/anchored_fleet.h"

#include <algorithm>
#include <cmath>

#include "common/helpers.h"
#include "sim/ships.h"
#include "sim/sim_common.h"

namespace vel {
namespace {

constexpr int32_t kAnchoredKind = 15;

// One anchored boat of a pattern: anchor offset from the harbour point, size
// (1..3) and colour (1..4) for drawing, and whether it lies to a mooring.
struct Berth {
    int32_t dx, dy, size, colour, mooring;
};

// Vessels 2..9. The two layouts are drawn 50:50; moorings lie close in.
constexpr Berth kPatterns[2][8] = {
    {{-50, 75, 2, 1, 0},
     {75, -50, 1, 2, 1},
     {-100, -100, 3, 3, 0},
     {100, 100, 2, 4, 0},
     {-150, 50, 1, 1, 1},
     {150, -75, 2, 2, 0},
     {-75, -150, 3, 4, 0},
     {50, 150, 1, 3, 1}},
    {{50, 50, 1, 2, 1},
     {-50, 50, 2, 1, 1},
     {100, -50, 2, 3, 0},
     {-100, -50, 3, 4, 0},
     {150, 100, 1, 1, 0},
     {-150, 100, 2, 2, 0},
     {200, -100, 3, 1, 0},
     {-200, -100, 1, 4, 1}},
};
// The outlying big boat, vessel 0.
constexpr Berth kVesselZero{200, 0, 3, 2, 0};

void SetConvoy(Game& g) {
    const int32_t code = g.cruiseOptions.areaCode;
    g.vessels.convoy = 0;
    if (code == 4) g.vessels.convoy = 1;
    if (code == 3 && random(g.rng, 100) < 50) g.vessels.convoy = 1;
}

void Moor(Game& g, int32_t j, const Berth& berth) {
    Vessels& v = g.vessels;
    Anchors& a = g.anchors;
    a.xanch[j][1] = g.areaGrid.harbourX + berth.dx;
    a.yanch[j][1] = g.areaGrid.harbourY + berth.dy;
    v.vesselSize[j] = berth.size;
    v.vesselColour[j] = berth.colour;
    v.onMooring[j] = berth.mooring;
    g.objectList.kind[FleetEntry(j)] = kAnchoredKind;
    MoveAnchoredVessel(g, j);
}

void ClearOwnSlot(Game& g) {
    Vessels& v = g.vessels;
    v.vesselSize[1] = v.vesselColour[1] = v.onMooring[1] = v.vesselHeading[1] = 0;
    for (int k = 1; k <= 2; ++k) g.anchors.xanch[1][k] = g.anchors.yanch[1][k] = 0.0;
}

}  // namespace

void PlaceAnchorage(Game& g) {
    SetConvoy(g);
    PlaceShip(g, 1);
    PlaceShip(g, 2);
    Moor(g, 0, kVesselZero);
    ClearOwnSlot(g);
    const Berth* pattern = kPatterns[random(g.rng, 100) < 50 ? 0 : 1];
    for (int32_t j = 2; j <= 9; ++j) Moor(g, j, pattern[j - 2]);
}

void MoveAnchoredVessel(Game& g, int32_t j) {
    if (j < 0 || j >= kFleetSlots || j == 1) return;
    const Weather& w = g.weather;
    const OwnBoat& own = g.ownBoat;
    Vessels& v = g.vessels;
    const bool moored = v.onMooring[j] == 1;
    const int32_t amplitude = (j == 0 || moored) ? w.windSpeed / 2 : w.windSpeed;
    const double t = 3 * j + 0.5 * g.simClock.dayMinutes;
    const int32_t to = v.fleetLieFrom >= 0 ? v.fleetLieFrom : w.windDirection;
    int32_t lie = WrapDegrees(to - Trunc(amplitude * std::sin(t)));
    if (own.anchored == 1 || own.onBuoy == 1) lie = own.heading;
    v.vesselHeading[j] = WrapDegrees(Trunc(amplitude * std::cos(t)) + lie);
    const double pennant = moored ? 10.0 : 20.0;
    const double rad = lie * kDegToRad;
    g.objectList.fbx[FleetEntry(j)] = g.anchors.xanch[j][1] - std::sin(rad) * pennant;
    g.objectList.fby[FleetEntry(j)] = g.anchors.yanch[j][1] + std::cos(rad) * pennant;
}

int32_t FleetBoatType(int32_t j) {
    constexpr int32_t kTypes[kFleetSlots] = {1, 1, 1, 1, 3, 1, 2, 1, 4, 1};
    return (j >= 0 && j < kFleetSlots) ? kTypes[j] : 1;
}

double FleetBoatScale(int32_t vesselSize) {
    constexpr double kScales[4] = {1.0, 0.8, 1.0, 1.25};
    return kScales[std::clamp(vesselSize, 0, 3)];
}

void CheckAnchoredVessels(Game& g) {
    Hazards& h = g.hazards;
    const OwnBoat& b = g.ownBoat;
    const ObjectList& list = g.objectList;
    h.closestVessel = 1000;
    for (int32_t j = 0; j <= 9; ++j) {
        if (j == 1 || (j == 0 && g.cruiseOptions.isRealArea == 1)) continue;
        const double dx = b.x - list.fbx[FleetEntry(j)];
        const double dy = b.y - list.fby[FleetEntry(j)];
        const double d2 = dx * dx + dy * dy;
        if (d2 <= 0.0 || d2 > 2.5e9) continue;
        h.closestVessel = std::min(h.closestVessel, Trunc(std::sqrt(d2)));
        if (h.closestVessel < 6 && g.screenState.startPlaced == 1) g.score.tooClose = 1;
    }
    if (h.closestVessel >= 7) return;
    if (h.contactBeeped == 0) {
        g.soundRequests.push_back(SoundRequest{0, PlayMode::Plain});
        h.contactBeeped = 1;
    }
    // Off Nova Scotia the boats out on the banks are fishing boats under way.
    if (g.cruiseOptions.region == 6 && b.x > 0.0) g.score.endReason = 2;
}

}  // namespace vel
