#include "views/objects.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "common/helpers.h"
#include "views/boat_drawer.h"
#include "views/island_drawer.h"
#include "views/marks_drawer.h"
#include "views/projection.h"
#include "views/scene.h"
#include "views/ship_drawer.h"
#include "views/shore.h"

namespace vel {
namespace {

constexpr int32_t kOwnBoatEntry = 41;
constexpr double kHideBeyondTenths = 150.0;
constexpr int32_t kLeftOut = 20000;
constexpr double kNoLimit = 1e9;

// What stands at an entry: drawn at its projected point.
using KindDrawer = void (*)(gfx::DC&, Game&, int32_t entry, int32_t x, int32_t row, int32_t kind);

void Rock(gfx::DC& dc, Game& g, int32_t, int32_t x, int32_t row, int32_t) {
    if (DarkNight(g)) return;
    drawRockHead(dc, g, x, row, std::min(200, Trunc(depthScale(g, row) * 9.0)));
}
void RedBuoy(gfx::DC& dc, Game& g, int32_t e, int32_t x, int32_t row, int32_t) { drawLateralBuoy(dc, g, e, x, row, true); }
void GreenBuoy(gfx::DC& dc, Game& g, int32_t e, int32_t x, int32_t row, int32_t) { drawLateralBuoy(dc, g, e, x, row, false); }
void RedBeacon(gfx::DC& dc, Game& g, int32_t e, int32_t x, int32_t row, int32_t) { drawDaybeacon(dc, g, e, x, row, true); }
void GreenBeacon(gfx::DC& dc, Game& g, int32_t e, int32_t x, int32_t row, int32_t) { drawDaybeacon(dc, g, e, x, row, false); }
void Lighthouse(gfx::DC& dc, Game& g, int32_t e, int32_t x, int32_t row, int32_t) { drawTower(dc, g, 1, x, row, 1, 0, e); }
void LedgeLight(gfx::DC& dc, Game& g, int32_t e, int32_t x, int32_t row, int32_t) { drawTower(dc, g, 2, x, row, 2, 1, e); }
void Beacon(gfx::DC& dc, Game& g, int32_t e, int32_t x, int32_t row, int32_t) { drawLitBeacon(dc, g, e, x, row); }
void MooringBuoy(gfx::DC& dc, Game& g, int32_t e, int32_t x, int32_t row, int32_t) { drawMooringBuoy(dc, g, e, x, row); }
void Ship(gfx::DC& dc, Game& g, int32_t e, int32_t x, int32_t row, int32_t kind) { drawShip(dc, g, e, x, row, kind); }
void FleetBoat(gfx::DC& dc, Game& g, int32_t e, int32_t x, int32_t row, int32_t) {
    drawSailboat(dc, g, e - 40, 0, x, row, kBoatAtRest);
}

struct KindRow {
    int32_t first, last;     // kind codes
    double limitTenths;      // farthest drawn, tenths of a mile
    KindDrawer draw;
    bool landTest;           // skipped when land already stands at its foot
};
constexpr KindRow kKinds[] = {
    {2, 2, kNoLimit, Rock, true},
    {3, 3, 40.0, RedBuoy, true},
    {4, 4, 40.0, GreenBuoy, true},
    {5, 5, kNoLimit, RedBeacon, true},
    {6, 6, kNoLimit, GreenBeacon, true},
    {7, 7, kNoLimit, Lighthouse, false},
    {8, 8, kNoLimit, LedgeLight, true},
    {9, 9, kNoLimit, Beacon, true},
    {10, 10, kNoLimit, MooringBuoy, true},
    {11, 14, kNoLimit, Ship, false},
    {15, 15, kNoLimit, FleetBoat, false},
    {16, 16, kNoLimit, Ship, false},
};

const KindRow* RowFor(int32_t kind) {
    for (const KindRow& r : kKinds)
        if (kind >= r.first && kind <= r.last) return &r;
    return nullptr;
}

}  // namespace

bool ReefDrawnEarlier(const Game& g, int32_t i) {
    if (Passage(g)) return g.areaGrid.region == 5 && i >= 26;
    return BahamasRegion(g) && IslandsArea(g) && i >= 17 && i <= 20;
}

void ObjectRowKeys(const Game& g, std::span<int32_t> keys, int32_t count, std::span<const bool> hidden) {
    const ObjectList& list = g.objectList;
    const int32_t height = g.screenState.height;
    for (int32_t i = 1; i <= count; ++i) {
        const int32_t kind = list.kind[i];
        if (i == kOwnBoatEntry || kind == kEmptyObjectKind || hidden[i]) {
            keys[i] = kLeftOut;
            continue;
        }
        keys[i] = g.projection.screenY[i];
        // Lights on the islands would vanish behind the island they stand
        // on if they were drawn in their own turn.
        if (IslandsArea(g) && (kind == 8 || kind == 9) && keys[i] > height / 50) keys[i] += height / 5;
    }
}

void drawObjectPass(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    int32_t horizonRow) {
    (void)horizonRow;
    const ObjectList& list = g.objectList;
    const int32_t count = std::clamp(list.count, 0, kObjectSlots - 1);
    const int32_t upm = g.areaGrid.unitsPerMile > 0 ? g.areaGrid.unitsPerMile : 300;
    std::array<int32_t, kObjectSlots> rel{};
    std::array<double, kObjectSlots> tenths{};
    std::array<bool, kObjectSlots> hidden{};
    Projection& p = g.projection;
    for (int32_t i = 1; i <= count; ++i) {
        if (i == kOwnBoatEntry) {
            p.screenX[i] = (left + right) / 2;
            p.screenY[i] = OwnBoatRow(top, bottom);
            continue;
        }
        if (list.kind[i] == kEmptyObjectKind) continue;
        projectPointD(g, i, list.fbx[i], list.fby[i], kProjectPlain);
        rel[i] = p.relBearing;
        tenths[i] = DistanceTenths(g.ownBoat.x, g.ownBoat.y, list.fbx[i], list.fby[i], upm);
        if (tenths[i] > kHideBeyondTenths) {
            p.screenY[i] = 0;
            p.screenX[i] = -g.screenState.width;
            hidden[i] = true;
        }
    }
    std::array<int32_t, kObjectSlots> keys{};
    std::array<int32_t, kObjectSlots> order{};
    ObjectRowKeys(g, keys, count, hidden);
    const int32_t placed = sortByRow(keys, order, count);
    // Drawers project points of their own; the places found here are kept.
    std::array<int32_t, kObjectSlots> sx{}, sy{};
    std::copy_n(p.screenX.begin(), kObjectSlots, sx.begin());
    std::copy_n(p.screenY.begin(), kObjectSlots, sy.begin());

    for (int32_t k = 1; k <= placed; ++k) {
        const int32_t i = order[k];
        const int32_t kind = list.kind[i];
        if (kind == 1 && i <= g.areaGrid.islandCount) {
            if (!ReefDrawnEarlier(g, i)) drawIsland(dc, g, i);
            continue;
        }
        if (std::abs(rel[i]) > 40) continue;
        const KindRow* row = RowFor(kind);
        if (row == nullptr || tenths[i] > row->limitTenths) continue;
        const int32_t x = sx[i], y = sy[i];
        if (row->landTest && LandPixelAt(dc, g, x, y) == 1) continue;
        row->draw(dc, g, i, x, y, kind);
    }
}

}  // namespace vel
