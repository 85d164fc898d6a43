// The current zones of the passages: the Gulf Stream and the Bahama banks
// (areas 5 and 6), the Gulf of Maine and Cape Sable (areas 7 and 8).
#include "world/passage_currents.h"

#include <cstdlib>

#include "common/helpers.h"
#include "world/passages.h"
#include "world/terrain.h"

namespace vel {
namespace {

constexpr int32_t kOpen = 1 << 30;  // a box side that is not there

// Tidal streams in the Florida inlets, exempt from the lee of the shore.
constexpr ZoneRow kFloridaInlets[] = {
    {ZoneShape::Box, {-16519, -15228, -11747, -11019}, 90, kZoneKeep, 1.5, 1},
    {ZoneShape::Box, {-18500, -16430, 1217, 1961}, 90, kZoneKeep, 1.3, 1},
    {ZoneShape::Box, {-20497, -18534, 11010, 11526}, 100, kZoneKeep, 1.3, 1},
};

// The Gulf of Maine, in order; the tidal bay off Cape Sable is added after.
constexpr ZoneRow kGulfOfMaine[] = {
    {ZoneShape::Box, {0, kOpen, -kOpen, 2000}, 180},
    {ZoneShape::Box, {0, kOpen, 1999, kOpen}, 150},
    {ZoneShape::Box, {0, kOpen, -kOpen, 0}, 200},
    {ZoneShape::Box, {10000, 13001, -kOpen, kOpen}, 120, kZoneKeep, 0.9},
    {ZoneShape::Box, {13000, 15001, -kOpen, kOpen}, 90, kZoneKeep, 0.7},
    {ZoneShape::Box, {15000, kOpen, -kOpen, kOpen}, 70, kZoneKeep, 0.5},
    {ZoneShape::Box, {7500, kOpen, -kOpen, -3000}, 200},
    {ZoneShape::Box, {-kOpen, -10000, -kOpen, kOpen}, 190},
    {ZoneShape::Box, {-kOpen, -10000, -10000, kOpen}, kZoneKeep, kZoneKeep, 0.6},
    {ZoneShape::StripNS, {-30000, -1900, -18000, -14000, -12000, -24000}, 240, kZoneKeep, 0.9},
    {ZoneShape::StripNS, {-25000, 13000, -30000, -900, -22000, -5000}, kZoneKeep, kZoneKeep, 0.2},
};

// Around Cape Sable, by the distance from (7300, 6000) in tenths of a mile.
constexpr int32_t kCapeSableX = 7300, kCapeSableY = 6000;

// Grand Manan Channel and the Downeast approaches.
constexpr ZoneRow kGrandMananChannel[] = {
    {ZoneShape::Box, {-kOpen, -5000, -kOpen, -13500}, kZoneKeep, kZoneKeep, 1.2},
};

}  // namespace

void FloridaBahamasZones(const Game& g, int32_t x, int32_t y, CurrentZone& z) {
    const AreaGrid& a = g.areaGrid;
    z.from = 90;
    z.factor = 1.0;
    const int32_t cutY = BankLineY(x);
    if (x > a.gulfEastX) {
        if (y < cutY) {
            // North-east of the banks: the stream spreading out.
            z.from = 120;
            z.factor = 0.15;
        } else {
            // On the banks: strong flood and ebb across them, weak in the
            // deep tongue at x = 5000 and east of x = 19000.
            z.factor = std::abs(x - 5000) < 1500 ? 1.0 : (x >= 19000 ? 0.5 : 3.0);
            if (x < 5000) z.from = 270;
        }
    }
    if (a.gulfWestX < x && x < a.gulfEastX) {
        const bool core = x > a.gulfWestX + 2000 && x < a.gulfEastX - 2000;
        z.factor = core ? 1.0 : 0.5;
        z.from = y <= 0 ? 180 : 190;
    }
    if (InStripNS(-21000, 14000, a.gulfWestX - 2100, -14100, a.gulfWestX, a.gulfWestX, x, y) == 1) {
        z.from = 90;
        z.factor = 0.0;
    }
    ApplyZoneTable(kFloridaInlets, x, y, a.unitsPerMile, z);
}

void MaineNovaScotiaZones(const Game& g, int32_t x, int32_t y, CurrentZone& z) {
    const AreaGrid& a = g.areaGrid;
    z.from = 170;
    z.factor = 1.0;
    ApplyZoneTable(kGulfOfMaine, x, y, a.unitsPerMile, z);
    if (x > 0) {
        const double d = DistanceTenths(x, y, kCapeSableX, kCapeSableY, a.unitsPerMile);
        if (d <= 200)
            z.factor = 2.0;
        else if (d < 350)
            z.factor = 1.5;
        // The large tidal bay turns an hour earlier.
        if (d < 170) z.phaseShift = -1;
    }
    ApplyZoneTable(kGrandMananChannel, x, y, a.unitsPerMile, z);
}

}  // namespace vel
