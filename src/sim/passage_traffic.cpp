#include "sim/passage_traffic.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "common/helpers.h"
#include "sim/anchored_fleet.h"
#include "sim/ships.h"
#include "sim/sim_common.h"
#include "world/current_field.h"
#include "world/passages.h"
#include "world/terrain.h"

namespace vel {
namespace {

constexpr int32_t kAnchoredKind = 15;
constexpr int32_t kShipFiveKind = 16;
// The anchorage lies this far off a start circle's centre, so that a boat
// starting there swings clear of the anchored boats.
constexpr int32_t kOffCircle = 450;
constexpr int32_t kFleetNear = 3000;  // the anchored boats swing where they can be seen
constexpr int32_t kAnchorHoldsFeet = 60;

// Where the boat stands for the lanes: where it is, or before the start is
// placed the area's first start circle.
void Reference(const Game& g, double& x, double& y) {
    const std::span<const StartCircle> circles = StartCirclesFor(g.areaGrid.areaCode);
    if (g.screenState.startPlaced == 1 || circles.empty()) {
        x = g.ownBoat.x;
        y = g.ownBoat.y;
        return;
    }
    x = circles.front().x;
    y = circles.front().y;
}

void Put(Game& g, int32_t i, double x, double y, int32_t heading) {
    ObjectList& list = g.objectList;
    list.fbx[ShipEntry(i)] = x;
    list.fby[ShipEntry(i)] = y;
    list.kind[ShipEntry(i)] = i == 5 ? kShipFiveKind : 10 + i;
    g.vessels.heading[i] = heading;
}

int32_t R(Game& g, int32_t n) { return random(g.rng, n); }

// Maine - Nova Scotia: two lanes each way across the Gulf of Maine, and
// ship 5 in from the south-east.
void PlaceNorthShip(Game& g, int32_t i, double X, bool first) {
    const bool east = X >= 0;
    switch (i) {
        case 1: Put(g, 1, east ? -8000 : -10000, 12000 + R(g, 1000) + (first ? R(g, 10000) : 0), 0); break;
        case 2: Put(g, 2, east ? -9000 : -11000, -15000 - R(g, 1000) - (first ? R(g, 10000) : 0), 180); break;
        case 3: Put(g, 3, east ? 0 : 4000, 12000 + R(g, 1000) + (first ? R(g, 10000) : 0), 0); break;
        case 4: Put(g, 4, east ? 1000 : 5000, -15000 - R(g, 1000) - (first ? R(g, 10000) : 0), 180); break;
        default:
            if (first && R(g, 100) < 50)
                Put(g, 5, 21289, 19197, 300);
            else
                Put(g, 5, 13769, 13200, 307);
    }
}

// The Northwest Providence Channel's lane, between Grand Bahama and the
// Great Bahama Bank (26.2 N): 0.8 nm clear of Mores Island at its nearest.
constexpr int32_t kChannelLaneY = 2000;
constexpr int32_t kChannelWestX = -3000, kChannelEastX = 24000;

// Florida - Bahamas: lanes up and down the Strait by the stream's edges, or
// through the Northwest Providence Channel when the boat is on the Bahamas
// side (north of the banks the Abacos and Grand Bahama close the way).
void PlaceSouthShip(Game& g, int32_t i, double X, double Y) {
    const AreaGrid& a = g.areaGrid;
    const int32_t westX = a.gulfWestX, eastX = a.gulfEastX;
    const bool bahamas = X > 0;
    const bool inshore = X < westX;
    switch (i) {
        case 1:
            if (bahamas) Put(g, 1, kChannelWestX + R(g, 1000), kChannelLaneY, 90);
            else Put(g, 1, westX + 1000, inshore ? R(g, 3000) : 14000 + R(g, 1000), 0);
            break;
        case 2:
            if (bahamas) Put(g, 2, kChannelEastX - R(g, 1000), kChannelLaneY + 100, 270);
            else Put(g, 2, westX + 2000, inshore ? -R(g, 3000) : -14000 - R(g, 1000), 180);
            break;
        case 3: Put(g, 3, eastX - 4000, 13000 + R(g, 1000), 0); break;
        case 4: Put(g, 4, eastX - 3000, -13000 - R(g, 1000), 180); break;
        default:
            // In from the Northeast Providence Channel and west through the
            // Northwest one into the Strait, a mile or more off every cay.
            if (Y > 5000)
                Put(g, 5, 23000, 3000, 284);
            else
                Put(g, 5, 23500, 2500, 276);
    }
}

bool LeftLane(const Game& g, int32_t i, double x, double y) {
    if (g.areaGrid.region == 5) {
        const int32_t heading = g.vessels.heading[i];
        if (heading == 90 || heading == 270) return x < kChannelWestX || x > kChannelEastX;
        if (i == 1 || i == 3) return y < -15000;
        if (i == 2 || i == 4) return y > 15000;
        return x < g.areaGrid.gulfEastX;
    }
    if (i == 2 || i == 4) return y > 12000;
    return y < -14000;
}

// ---- The anchorage -----------------------------------------------------------------------------------

struct Spacing {
    int32_t sx, sy, sx2, sy2;  // one and two steps off the anchorage point
};

// Vessels 2..9 at one and two steps either way; vessel 0 on the point.
constexpr int32_t kSteps[8][2] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}, {2, 2}, {-2, 2}, {2, -2}, {-2, -2}};

struct Anchorage {
    int32_t x, y;
    Spacing s;
};

bool Navigable(const Game& g, int32_t x, int32_t y) { return DepthAt(g, x, y, 1) >= 8; }

// Vessel j's anchor offset from the anchorage point (vessel 0 lies on it).
std::pair<int32_t, int32_t> BerthOffset(const Spacing& s, int32_t j) {
    if (j < 2) return {0, 0};
    const int32_t* step = kSteps[j - 2];
    const bool far = std::abs(step[0]) == 2;
    return {(step[0] > 0 ? 1 : -1) * (far ? s.sx2 : s.sx), (step[1] > 0 ? 1 : -1) * (far ? s.sy2 : s.sy)};
}

// Every boat of the fleet afloat where its anchor holds.
bool FleetFits(const Game& g, int32_t x, int32_t y, const Spacing& s) {
    for (int32_t j = 0; j <= 9; ++j) {
        const auto [dx, dy] = BerthOffset(s, j);
        const int32_t d = DepthAt(g, x + dx, y + dy, 1);
        if (d < 8 || d > kAnchorHoldsFeet) return false;
    }
    return true;
}

// The same passage sailed the other way: its start circles are this
// direction's arrival harbours.
int32_t ReturnPassage(int32_t areaCode) { return areaCode % 2 == 1 ? areaCode + 1 : areaCode - 1; }

// Off the start circle of either coast nearest the boat, on the side with
// water.
Anchorage OffNearestCircle(const Game& g, Spacing s) {
    const int32_t code = g.areaGrid.areaCode;
    const StartCircle* best = nullptr;
    double bestD = 1e300;
    for (const int32_t area : {code, ReturnPassage(code)}) {
        for (const StartCircle& c : StartCirclesFor(area)) {
            const double d = std::hypot(g.ownBoat.x - c.x, g.ownBoat.y - c.y);
            if (d < bestD) {
                bestD = d;
                best = &c;
            }
        }
    }
    if (!best) return {0, 0, s};
    // Off the circle on a side where the whole fleet lies afloat and anchored;
    // closer in where the harbour is narrow; else on any side with water.
    static constexpr int32_t kSides[][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    for (const int32_t off : {kOffCircle, kOffCircle * 2 / 3, kOffCircle / 3})
        for (const auto& side : kSides) {
            const int32_t x = best->x + side[0] * off, y = best->y + side[1] * off;
            if (FleetFits(g, x, y, s)) return {x, y, s};
        }
    for (const auto& side : kSides) {
        const int32_t x = best->x + side[0] * kOffCircle, y = best->y + side[1] * kOffCircle;
        if (Navigable(g, x, y)) return {x, y, s};
    }
    return {best->x, best->y + kOffCircle, s};
}

Anchorage ZoneAnchorage(const Game& g) {
    const AreaGrid& a = g.areaGrid;
    const double x = g.ownBoat.x;
    if (a.region == 5) {
        constexpr Spacing kBahamas{50, 75, 100, 150};
        if (x < a.gulfWestX || x > 4000) return OffNearestCircle(g, kBahamas);
        return {-5400, 10600, kBahamas};  // on the bank east of Bimini
    }
    if (x <= 0) {
        // Maine harbours keep their boats on moorings.
        return OffNearestCircle(g, a.areaCode == 8 ? Spacing{20, 30, 75, 150} : Spacing{50, 75, 100, 150});
    }
    // The fishing fleet on German Bank, out on the crossing.
    if (x <= 13500) return {2500, 4000, {300, 460, 600, 900}};
    return OffNearestCircle(g, {50, 75, 100, 150});  // Shelburne
}

}  // namespace

void PlacePassageShip(Game& g, int32_t i) {
    if (i < 1 || i >= kShipSlots) return;
    double X = 0, Y = 0;
    Reference(g, X, Y);
    if (g.areaGrid.region == 6)
        PlaceNorthShip(g, i, X, g.vessels.placements[i] == 1);
    else
        PlaceSouthShip(g, i, X, Y);
}

void MovePassageShip(Game& g, int32_t i) {
    if (i < 1 || i >= kShipSlots) return;
    ObjectList& list = g.objectList;
    double& x = list.fbx[ShipEntry(i)];
    double& y = list.fby[ShipEntry(i)];
    int32_t& heading = g.vessels.heading[i];
    if (g.areaGrid.region == 6 && i == 5 && x < -7000) heading = 0;
    heading = WrapDegrees(heading);
    const int32_t v = ShipSpeed(g.cruiseOptions);
    const double step = g.simClock.timeStep;
    x += step * 0.001 * g.trigTables.sin100[heading] * v;
    y -= step * 0.001 * g.trigTables.cos100[heading] * v;
    if (LeftLane(g, i, x, y)) PlaceShip(g, i);
}

void ChooseZonePoints(Game& g) {
    AreaGrid& a = g.areaGrid;
    if (a.isPassage != 1) return;
    const Anchorage h = ZoneAnchorage(g);
    a.harbourX = h.x;
    a.harbourY = h.y;
    g.passageState.zoneX = g.ownBoat.x;
    const bool moorings = h.s.sx < 25 || h.s.sy < 25;
    Vessels& v = g.vessels;
    for (int32_t j = 0; j <= 9; ++j) {
        if (j == 1) continue;
        const auto [dx, dy] = BerthOffset(h.s, j);
        g.anchors.xanch[j][1] = h.x + dx;
        g.anchors.yanch[j][1] = h.y + dy;
        v.vesselSize[j] = g.randomTable.r100[static_cast<std::size_t>(j + 10)] / 34 + 1;
        v.vesselColour[j] = g.randomTable.r100[static_cast<std::size_t>(j + 20)] / 26 + 1;
        v.onMooring[j] = moorings ? 1 : 0;
        g.objectList.kind[FleetEntry(j)] = kAnchoredKind;
        MoveAnchoredVessel(g, j);
    }
}

void CheckPassageZoneCrossings(Game& g) {
    const AreaGrid& a = g.areaGrid;
    if (a.isPassage != 1) return;
    const double before = g.passageState.zoneX, now = g.ownBoat.x;
    const auto crossed = [&](double line) { return (before < line) != (now < line); };
    const auto eastward = [&](double line) { return before < line && now >= line; };
    const auto westward = [&](double line) { return before >= line && now < line; };
    bool moved = false;
    if (a.region == 6) moved = crossed(0) || crossed(13500);
    if (a.areaCode == 5) moved = eastward(4000) || eastward(a.gulfWestX);
    if (a.areaCode == 6) moved = westward(a.gulfEastX) || westward(4000);
    g.passageState.zoneX = now;
    if (moved) ChooseZonePoints(g);
}

void UpdateFleetLie(Game& g) {
    Vessels& v = g.vessels;
    v.fleetLieFrom = -1;
    if (IsVirtualArea(g.cruiseOptions)) return;
    const OwnBoat& b = g.ownBoat;
    const AreaGrid& a = g.areaGrid;
    int32_t x = a.harbourX, y = a.harbourY;
    if (b.anchored == 1 || b.onBuoy == 1) {
        x = Trunc(b.x);
        y = Trunc(b.y);
    }
    // Out of sight the boats keep to the wind and the field is not asked.
    if (std::abs(b.x - a.harbourX) > kFleetNear || std::abs(b.y - a.harbourY) > kFleetNear) return;
    const ChartCurrent c = ChartCurrentAt(g, x, y);
    if (std::abs(c.speed) >= 2 * g.weather.windSpeed / 3) v.fleetLieFrom = WrapDegrees(c.from);
}

}  // namespace vel
