#include "sim/vessels.h"

#include "sim/anchored_fleet.h"
#include "sim/passage_traffic.h"
#include "sim/real_traffic.h"
#include "sim/sea_items.h"
#include "sim/ships.h"
#include "sim/sim_common.h"

namespace vel {
namespace {

constexpr int32_t kParkedShipKind = 22;

int32_t ShipCountFor(const CruiseOptions& o) {
    if (o.isPassage == 1) return 5;
    if (o.isRealArea == 1) return o.areaCode == 30 ? 2 : 4;
    return 2;
}

// Every ship slot waits far off the area until its lane places it.
void ParkShips(Game& g) {
    Vessels& v = g.vessels;
    v.shipCount = ShipCountFor(g.cruiseOptions);
    v.convoy = 0;
    v.placements = {};
    v.heading = {};
    ObjectList& list = g.objectList;
    for (int i = 1; i < kShipSlots; ++i) {
        list.fbx[ShipEntry(i)] = kParkedPosition;
        list.fby[ShipEntry(i)] = kParkedPosition;
        list.kind[ShipEntry(i)] = kParkedShipKind;
    }
}

void ResetVesselContacts(Game& g) {
    g.hazards.closestVessel = 1000;
    g.hazards.contactBeeped = 0;
    g.score.tooClose = 0;
}

}  // namespace

void PlaceVirtualVessels(Game& g) {
    ResetVesselContacts(g);
    ParkShips(g);
    g.moorings = Moorings{};
    if (IsVirtualArea(g.cruiseOptions)) PlaceAnchorage(g);
    if (g.cruiseOptions.isPassage == 1)
        for (int32_t i = 1; i <= g.vessels.shipCount && i < kShipSlots; ++i) PlaceShip(g, i);
    if (g.cruiseOptions.isRealArea == 1) PlaceRealTraffic(g);
}

void PlaceOpeningItems(Game& g) {
    if (g.cruiseOptions.isPassage == 1) ChooseZonePoints(g);
    if (g.cruiseOptions.isRealArea == 1) ChooseRealZonePoints(g);
    for (int32_t i = 0; i < kWaveCrests; ++i) PlaceWaveCrest(g, i);
    for (int32_t i = 0; i < kRipples; ++i) PlaceRipple(g, i);
}

// The passages move their anchorage when the boat crosses a zone line; the
// real areas choose theirs every tick.
void CheckZoneCrossings(Game& g) {
    if (g.cruiseOptions.isPassage == 1) CheckPassageZoneCrossings(g);
    if (g.cruiseOptions.isRealArea == 1) ChooseRealZonePoints(g);
}

void UpdateVesselsAndHazards(Game& g) {
    const int32_t ships = g.vessels.shipCount < kShipSlots ? g.vessels.shipCount : kShipSlots - 1;
    for (int32_t i = 1; i <= ships; ++i) {
        MoveShip(g, i);
        DriftSeaItems(g);
        CheckShips(g, i);
    }
    UpdateFleetLie(g);
    for (int32_t j = 2; j <= 9; ++j) MoveAnchoredVessel(g, j);
    MoveAnchoredVessel(g, 0);
    CheckAnchoredVessels(g);
}

}  // namespace vel
