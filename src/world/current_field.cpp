#include "world/current_field.h"

#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "world/passage_currents.h"
#include "world/passages.h"
#include "world/real_currents.h"
#include "world/terrain.h"

namespace vel {
namespace {

using ZoneLookup = void (*)(const Game&, int32_t x, int32_t y, CurrentZone&);

// Each area with a current field names its zone lookup here.
struct AreaZones {
    int32_t areaCode;
    ZoneLookup lookUp;
};

constexpr AreaZones kAreaZones[] = {
    {5, FloridaBahamasZones},  {6, FloridaBahamasZones},
    {7, MaineNovaScotiaZones}, {8, MaineNovaScotiaZones},
    {0, nullptr},
    {11, LookUpRealZone}, {12, LookUpRealZone}, {20, LookUpRealZone}, {30, LookUpRealZone},
};

ZoneLookup LookupFor(int32_t areaCode) {
    for (const AreaZones& z : kAreaZones)
        if (z.areaCode == areaCode && z.lookUp) return z.lookUp;
    return nullptr;
}

int32_t BandTenths(int32_t x, int32_t y, int32_t cx, int32_t cy, int32_t unitsPerMile) {
    return Trunc(DistanceTenths(x, y, cx, cy, unitsPerMile));
}

}  // namespace

bool ZoneContains(const ZoneRow& r, int32_t x, int32_t y, int32_t unitsPerMile) {
    const int32_t* a = r.a;
    switch (r.shape) {
        case ZoneShape::Box:
            return a[0] < x && x < a[1] && a[2] < y && y < a[3];
        case ZoneShape::StripNS:
            return InStripNS(a[0], a[1], a[2], a[3], a[4], a[5], x, y) == 1;
        case ZoneShape::StripEW:
            return InStripEW(a[0], a[1], a[2], a[3], a[4], a[5], x, y) == 1;
        case ZoneShape::Band: {
            const int32_t d = BandTenths(x, y, a[0], a[1], unitsPerMile);
            return a[2] <= d && d < a[3];
        }
    }
    return false;
}

void ApplyZoneTable(std::span<const ZoneRow> rows, int32_t x, int32_t y, int32_t unitsPerMile, CurrentZone& z) {
    for (const ZoneRow& r : rows) {
        if (!ZoneContains(r, x, y, unitsPerMile)) continue;
        if (r.from != kZoneKeep) z.from = r.from;
        if (r.phaseShift != kZoneKeep) z.phaseShift = r.phaseShift;
        if (r.factor != kZoneKeep) z.factor = r.factor;
        if (r.exempt != kZoneKeep) z.exempt = r.exempt != 0;
    }
}

bool LookUpCurrentZone(const Game& g, int32_t x, int32_t y, CurrentZone& z) {
    const ZoneLookup f = LookupFor(g.areaGrid.areaCode);
    z = CurrentZone{};
    if (!f) return false;
    f(g, x, y, z);
    return true;
}

bool InGulfStreamSet(const AreaGrid& a, int32_t x, int32_t y) {
    if (a.region != 5) return false;
    const int32_t cutY = BankLineY(x);
    return (a.gulfWestX < x && x < a.gulfEastX) || (y < cutY && x >= a.gulfEastX);
}

void CurrentAt(Game& g, int32_t x, int32_t y, int32_t forBoat) {
    const AreaGrid& a = g.areaGrid;
    TideState& t = g.tideState;
    CurrentZone z;
    const bool field = LookUpCurrentZone(g, x, y, z);
    t.localLowWaterHour = t.lowWaterHour + z.phaseShift;

    double v = 0.0;
    if (!field) {
        v = 0.0;
    } else if (InGulfStreamSet(a, x, y)) {
        v = t.gulfStreamSpeed;
    } else {
        const double hours = g.simClock.dayHours + t.chartHoursAhead - t.localLowWaterHour;
        v = t.maxCurrent * std::sin(hours * 30 * kDegToRad);
    }
    const bool ebb = v < 0;
    v = std::fabs(v);

    const int32_t d = DepthAt(g, x, y, a.isRealArea == 1 ? 0 : 1);
    // Shallow water runs ahead of the tide in Southern New England; the
    // shift shows in the tide height, not in this point's stream.
    if (a.areaCode == 11 && d < 30) t.localLowWaterHour -= 1;

    // The Gulf Stream never ebbs (its speed carries no sign). The probe
    // upstream looks against this point's own stream.
    const int32_t from = ebb ? NormaliseAngle(z.from + 180) : z.from;
    t.currentFrom = from;

    double gSpeed = v;
    if (!z.exempt) {
        if (a.region != 2 && d < 50)
            gSpeed = d * v * 0.02;
        else if (a.region == 2 && d < 30)
            gSpeed = d * v / 30;
        const int32_t lee = a.isRealArea == 1 ? ShoalAheadReal(g, 0, x, y) : ShoalAheadVirtual(g, 0, x, y);
        if (lee < 900) gSpeed = gSpeed * lee / 900;
    }
    int32_t speed = Trunc(z.factor * gSpeed);
    if (a.region != 5) {
        const bool doubled = a.region == 6 || a.areaCode == 11;
        const int32_t cap = doubled ? 2 * t.maxCurrent : t.maxCurrent;
        if (speed > cap) speed = cap;
    }
    t.currentSpeed = speed;
    t.currentFrom = from;
    if (forBoat == 1) {
        t.boatCurrentSpeed = speed;
        t.boatCurrentFrom = from;
    }
}

}  // namespace vel

namespace vel {

ChartCurrent ChartCurrentAt(Game& g, int32_t x, int32_t y) {
    const TideState kept = g.tideState;
    CurrentAt(g, x, y, 0);
    const ChartCurrent c{g.tideState.currentSpeed, g.tideState.currentFrom};
    g.tideState = kept;
    return c;
}

}  // namespace vel
