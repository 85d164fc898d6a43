#include "world/passages.h"

#include <algorithm>
#include <cmath>

#include "common/helpers.h"
#include "world/aids.h"
#include "world/geo.h"
#include "world/islands.h"
#include "world/marks.h"

namespace vel {
namespace {

// In the harbours the instructions name, where the anchor holds: Lake Worth
// off Peanut Island (26.790 N, 80.045 W), Port Everglades' turning basin
// (26.092 N, 80.118 W), Biscayne Bay off Miami Beach (25.774 N, 80.154 W);
// on the bank west of Great Harbour Cay (25.744 N, 77.877 W) and off Chub
// Cay's south shore (25.403 N, 77.905 W).
constexpr StartCircle kFloridaCircles[] = {{-19280, -8477}, {-20458, 4100}, {-21039, 9805}};
constexpr StartCircle kBahamasCircles[] = {{15705, 10339}, {15247, 16442}};
// In the harbours, where the anchor holds and the boats lying off the
// circle find water: Roque Island Harbor, Pleasant Bay, Southwest Harbor;
// Shelburne Harbour.
constexpr StartCircle kMaineCircles[] = {{-14054, -14652}, {-16855, -13141}, {-24008, -8840}};
constexpr StartCircle kNovaScotiaCircles[] = {{14956, 1779}};

struct RegionLayout {
    int32_t landmasses;
    int32_t slots;
    int32_t objectIslands;  // islands that also stand in the object list
};
constexpr RegionLayout kSouthLayout{4, 36, 25};
constexpr RegionLayout kNorthLayout{10, 22, 22};

constexpr int32_t kLastMarkEntry = 32;

const RegionLayout& LayoutFor(int32_t region) { return region == 5 ? kSouthLayout : kNorthLayout; }

void BuildLandmass(Game& g, int32_t i, const LandmassRecipe& m) {
    AreaGrid& a = g.areaGrid;
    a.isLandmass[i] = 1;
    a.islandX[i] = m.x;
    a.islandY[i] = m.y;
    a.islandRadius[i] = m.radius;
    a.islandAspect[i] = m.aspect;
    a.islandRotation[i] = m.rotationDeg * kDegToRad;
    a.islandNotch[i] = 0;
    a.islandReach[i] = 0;
    // A little roughness on top of the real shore, inward.
    const int32_t rough = std::max(m.radius / 1000, 2);
    for (int32_t v = 0; v < kLandmassVertices; ++v) {
        const double r = LandmassBaseRadius(m, v) * m.shore[v] / 1000.0 - random(g.rng, rough);
        const Offset o = EllipsePoint(std::max(r, 1.0), m.aspect, a.islandRotation[i], 2.0 * v);
        a.landX[i][v] = m.x + Trunc(o.dx);
        a.landY[i][v] = m.y + Trunc(o.dy);
        a.islandSectorRadius[i][v] = std::max(Trunc(std::hypot(o.dx, o.dy)), 1);
        a.islandReach[i] = std::max(a.islandReach[i], a.islandSectorRadius[i][v]);
    }
    a.landX[i][kLandmassVertices] = a.landX[i][0];
    a.landY[i][kLandmassVertices] = a.landY[i][0];
}

void PlaceStoredRocks(Game& g, const PassageRegion& data) {
    RockList& r = g.rockList;
    const int32_t slots = static_cast<int32_t>(r.x.size()) - 1;
    const GeoProjection* p = ProjectionForArea(g.areaGrid.areaCode);
    const std::span<const RealRockFact> charted = g.areaGrid.region == 5 ? kFloridaBahamasRocks : kMaineNovaScotiaRocks;
    if (p) {
        r.count = std::min<int32_t>(static_cast<int32_t>(charted.size()), slots);
        for (int32_t j = 1; j <= r.count; ++j) {
            const RealRockFact& c = charted[static_cast<std::size_t>(j - 1)];
            const AreaXY at = ProjectFact(*p, c.at);
            r.x[j] = at.x;
            r.y[j] = at.y;
            r.visible[j] = c.visible;
        }
        return;
    }
    r.count = std::min<int32_t>(static_cast<int32_t>(data.rocks.size()), slots);
    for (int32_t j = 1; j <= r.count; ++j) {
        const StoredRock& s = data.rocks[static_cast<std::size_t>(j - 1)];
        r.x[j] = s.x;
        r.y[j] = s.y;
        r.visible[j] = s.visible;
    }
}

// A light on a landmass stands on its shore vertex; on an island, midway
// between the island's centre and the outline point.
void PlaceLighthouses(Game& g, const PassageRegion& data) {
    const AreaGrid& a = g.areaGrid;
    Lighthouse& l = g.lighthouse;
    l.count = 0;
    for (const PassageLight& p : data.lights) {
        if (l.count >= kLighthouseSlots || p.slot < 1 || p.slot > a.islandCount) continue;
        const int32_t i = p.slot;
        int32_t x, y;
        if (a.isLandmass[i] == 1) {
            const int32_t v = std::clamp(p.point, 0, kLandmassVertices - 1);
            x = a.landX[i][v];
            y = a.landY[i][v];
        } else {
            const auto& o = a.islandOutline[i][std::clamp(p.point, 0, 35)];
            x = (a.islandX[i] + o[0]) / 2;
            y = (a.islandY[i] + o[1]) / 2;
        }
        ++l.count;
        l.x[l.count] = x;
        l.y[l.count] = y;
    }
}

}  // namespace

int32_t PassageRegionOf(int32_t areaCode) {
    if (areaCode == 5 || areaCode == 6) return 5;
    if (areaCode == 7 || areaCode == 8) return 6;
    return 0;
}

const PassageRegion* PassageTables(int32_t region) {
    if (region == 5) return &kFloridaBahamas;
    if (region == 6) return &kMaineNovaScotia;
    return nullptr;
}

int32_t BankLineY(int32_t x) { return 5964 + Trunc(0.19386134120049925 * x); }

std::span<const StartCircle> StartCirclesFor(int32_t areaCode) {
    switch (areaCode) {
        case 5: return kFloridaCircles;
        case 6: return kBahamasCircles;
        case 7: return kMaineCircles;
        case 8: return kNovaScotiaCircles;
        default: return {};
    }
}

const char* PassageLegend(int32_t areaCode) {
    switch (PassageRegionOf(areaCode)) {
        case 5: return "錨地の名前は暗赤色で表示される、堆(Bank)上でも可能。";
        case 6: return "錨泊地の名前は暗い赤で表示される。";
        default: return nullptr;
    }
}

void BuildPassageSlot(Game& g, int32_t i) {
    AreaGrid& a = g.areaGrid;
    const PassageRegion* data = PassageTables(a.region);
    if (!data || i < 1 || i >= kIslandSlots) return;
    const int32_t landmasses = static_cast<int32_t>(data->landmasses.size());
    if (i <= landmasses) {
        BuildLandmass(g, i, data->landmasses[static_cast<std::size_t>(i - 1)]);
        return;
    }
    const std::size_t k = static_cast<std::size_t>(i - landmasses - 1);
    if (k >= data->islands.size()) return;
    const IslandRecipe& s = data->islands[k];
    a.isLandmass[i] = 0;
    BuildIsland(g, i, IslandShape{s.x, s.y, s.radius, s.aspect, s.rotationDeg, 0});
}

void BuildPassage(Game& g) {
    AreaGrid& a = g.areaGrid;
    const int32_t region = PassageRegionOf(a.areaCode);
    const PassageRegion* data = PassageTables(region);
    if (!data) return;
    a.region = region;
    a.mainlandSide = 4;
    const std::span<const StartCircle> circles = StartCirclesFor(a.areaCode);
    a.startCircleCount = static_cast<int32_t>(circles.size());
    for (std::size_t k = 0; k < circles.size(); ++k) {
        a.startCircleX[k] = circles[k].x;
        a.startCircleY[k] = circles[k].y;
    }
    const RegionLayout& layout = LayoutFor(region);
    a.islandCount = layout.slots;
    for (int32_t i = 0; i < kIslandSlots; ++i) a.isLandmass[i] = (i >= 1 && i <= layout.landmasses) ? 1 : 0;
    for (int32_t i = 1; i <= layout.slots; ++i) BuildPassageSlot(g, i);
    PlaceStoredRocks(g, *data);
    PlaceLighthouses(g, *data);
}

void PlacePassageObjects(Game& g) {
    const AreaGrid& a = g.areaGrid;
    const PassageRegion* data = PassageTables(a.region);
    if (!data) return;
    ObjectList& list = g.objectList;
    const int32_t islands = std::min(LayoutFor(a.region).objectIslands, a.islandCount);
    int32_t entry = 1;
    for (; entry <= islands; ++entry) {
        list.fbx[entry] = a.islandX[entry];
        list.fby[entry] = a.islandY[entry];
        list.kind[entry] = kKindIsland;
    }
    for (const PassageMark& m : data->marks) {
        if (entry > kLastMarkEntry) break;
        list.fbx[entry] = m.x;
        list.fby[entry] = m.y;
        list.kind[entry] = m.kind;
        ++entry;
    }
}

}  // namespace vel
