#include "sim/cruise_start.h"

#include <memory>

#include "common/helpers.h"
#include "sim/anchoring.h"
#include "sim/ships.h"
#include "sim/tick.h"
#include "sim/vessels.h"
#include "sim/weather.h"
#include "world/coastline.h"
#include "world/depth_facts.h"
#include "world/harbour.h"
#include "world/islands.h"
#include "world/marks.h"
#include "world/passages.h"
#include "world/real_area.h"
#include "world/river_lane.h"
#include "world/rocks.h"
#include "world/shore.h"
#include "world/tides.h"

namespace vel {
namespace {

// Per-area scale, chart scale, variation and mainland side. Region 0 in a
// row matches any region.
struct AreaParams {
    int32_t areaCode;
    int32_t region;
    int32_t unitsPerMile;
    int32_t fullScale;
    int32_t variation;
    int32_t mainlandSide;  // 0: drawn with the area
};

constexpr AreaParams kAreaParams[] = {
    {2, 3, 300, 75, 7, 0},      // the Bahamian virtual islands
    {0, 1, 300, 75, 14, 0},     // generated areas, north
    {0, 2, 300, 75, 10, 0},     // generated areas, south (and the beginner course)
    // A passage's whole chart is zoom 100, the value its zoom-out re-centres
    // at: about 35000 by 23000 units, both shores of the crossing at once.
    {5, 0, 300, 100, 6, 4},     {6, 0, 300, 100, 6, 4},      // Florida - Bahamas
    {7, 0, 300, 100, 18, 4},    {8, 0, 300, 100, 18, 4},     // Maine - Nova Scotia
    {11, 0, 310, 70, 14, 1},    {12, 0, 140, 51, 10, 4},     // Southern New England, Chesapeake Bay
    {20, 0, 175, 50, 17, 1},    {30, 0, 416, 100, 7, 4},     // Maine, the Exumas
};
constexpr AreaParams kGeneratedDefault{0, 0, 300, 75, 14, 0};

bool KnownAreaCode(int32_t c) { return (c >= 0 && c <= 8) || c == 11 || c == 12 || c == 20 || c == 30; }
bool Generated(int32_t c) { return c >= 0 && c <= 4; }

const AreaParams& ParamsFor(int32_t code, int32_t region) {
    for (const AreaParams& p : kAreaParams) {
        const bool codeMatches = p.areaCode == code || (p.areaCode == 0 && Generated(code));
        if (codeMatches && (p.region == 0 || p.region == region)) return p;
    }
    return kGeneratedDefault;
}

// Nothing of the last cruise's world survives into the next one.
void ClearWorld(Game& g) {
    g.areaGrid = *std::make_unique<AreaGrid>();
    g.rockList = *std::make_unique<RockList>();
    g.lighthouse = Lighthouse{};
    g.passageState = PassageState{};
    g.markList = MarkList{};
    g.moorings = Moorings{};
    ResetObjectList(g.objectList);
}

// The area and region of a generated area: a missing choice is drawn, the
// beginner course and the Bahamas fix theirs; the mainland side and the
// mirror are drawn.
void ChooseGeneratedLayout(Game& g) {
    CruiseOptions& o = g.cruiseOptions;
    AreaGrid& a = g.areaGrid;
    const bool beginner = o.introCourse == 1;
    if (o.areaCode == 0) {
        const int32_t r = random(g.rng, 100);
        o.areaCode = r > 66 ? 3 : r > 33 ? 2 : 1;
    }
    if (o.region < 1 || o.region > 3) {
        const int32_t r = random(g.rng, 100);
        o.region = r > 66 ? (o.areaCode == 2 ? 3 : 2) : r > 33 ? 2 : 1;
    }
    a.mainlandSide = (random(g.rng, 100) > 49 || beginner) ? 1 : 3;
    a.mirrored = (random(g.rng, 100) > 49 || beginner) ? 0 : 1;
    if (beginner) {
        o.areaCode = 1;
        o.region = 2;
        o.difficulty = 1;
    }
    if (o.region == 3) o.areaCode = 2;
}

void BuildGeneratedArea(Game& g) {
    CruiseOptions& o = g.cruiseOptions;
    AreaGrid& a = g.areaGrid;
    if (o.introCourse == 1) {
        o.currentsOn = 0;
        o.noFailElectronics = 1;
        o.noFailEngine = 1;
        o.difficulty = 1;
    }
    ChooseGeneratedLayout(g);
    a.areaCode = o.areaCode;
    a.region = o.region;
    g.navState.variation = ParamsFor(o.areaCode, o.region).variation;
    const bool north = a.mainlandSide == 1;
    a.coastBaseY = north ? -3500 : 3700;
    a.seaSign = north ? 1 : -1;
    if (a.areaCode == 3) a.coastBaseY = Trunc(a.coastBaseY * 0.88);
    if (a.areaCode == 4) a.coastBaseY = Trunc(a.coastBaseY * 0.52);
    if (a.areaCode != 2) GenerateCoastline(g);
    PlaceHillsAndLandmarks(g);
    if (a.areaCode != 2) BuildMarinaPier(a);
    a.islandCount = a.region == 3 ? 20 : 16;
    BuildGeneratedIslands(g);
    ChooseHarbourPoint(g);
}

// Passages and real areas: what does not depend on their stored data.
void BuildStoredArea(Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    AreaGrid& a = g.areaGrid;
    const AreaParams& p = ParamsFor(o.areaCode, o.region);
    a.areaCode = o.areaCode;
    a.region = o.region;
    a.mainlandSide = p.mainlandSide;
    a.seaSign = p.mainlandSide == 1 ? 1 : -1;
    g.navState.variation = p.variation;
    if (o.isPassage == 1) {
        BuildPassage(g);
        if (a.region == 6) g.ownBoat.anchorRode = 150;
    }
}

void BuildArea(Game& g) {
    CruiseOptions& o = g.cruiseOptions;
    AreaGrid& a = g.areaGrid;
    const bool generated = o.isPassage == 0 && o.isRealArea == 0;
    // The true shore and charted depths first: everything after is placed
    // on them.
    LoadShoreMap(g.shoreMap, generated ? 0 : o.areaCode);
    LoadDepthFacts(g.shoreMap, generated ? 0 : o.areaCode);
    if (o.isPassage == 0) {
        g.weather.moonlight = 1;
        o.troubleNoMoonlight = 0;
    }
    if (generated)
        BuildGeneratedArea(g);
    else
        BuildStoredArea(g);
    if (o.isRealArea == 1) LoadRealArea(g);
    a.isPassage = o.isPassage;
    a.isRealArea = o.isRealArea;

    // The weather draws the tide parameters and the day's tide with its own.
    GenerateCruiseWeather(g);
    DailyWeather(g, 0);
    PlaceVirtualVessels(g);
    if (generated) {
        PlaceRocks(g);
        PlaceMooringBuoys(g);
        PlaceFixedObjects(g);
    }
    // The river's lane threads what now lies in it.
    if (generated && a.areaCode == 4) {
        ChartRiverLane(g);
        SettleRiverShips(g);
    }
    if (o.isPassage == 1) PlacePassageObjects(g);
    if (o.difficulty == 1) o.noBroaching = 1;
}

void SetInitialHeading(Game& g) {
    OwnBoat& b = g.ownBoat;
    const bool passage = g.cruiseOptions.isPassage == 1;
    const int32_t wind = g.weather.baseDirection;
    b.heading = passage ? NormaliseAngle(wind) : NormaliseAngle(wind + 180);
    b.trueWindAngle = passage ? 0 : 180;
    b.tack = 1;
    b.headingExact = b.heading;
}

}  // namespace

void StartCruise(Game& g) {
    CruiseOptions& o = g.cruiseOptions;
    ClearWorld(g);
    if (!KnownAreaCode(o.areaCode)) o.areaCode = 0;
    const AreaParams& p = ParamsFor(o.areaCode, o.region);
    g.areaGrid.unitsPerMile = p.unitsPerMile;
    o.isRealArea = o.areaCode > 10 ? 1 : 0;
    o.isPassage = (o.areaCode >= 5 && o.areaCode <= 8) ? 1 : 0;
    // The area code names the passage; a region left over from another
    // choice must not build half of the other one.
    if (o.isPassage == 1) o.region = PassageRegionOf(o.areaCode);
    // The bonus is earned anew by each cruise's own start.
    g.score.passageStartValid = 0;
    ChartView& c = g.chartView;
    c.fullScale = p.fullScale;
    c.scale = (o.isPassage || o.isRealArea) ? c.fullScale : 32;
    c.panX = c.panY = 0;

    // The day's weather and tide read the cruise hour and day.
    ResetClock(g);
    BuildArea(g);
    ResetClockAndBoat(g);
    ResetMadeFast(g);
    g.simClock.minutesPerUnit = 61.2 / g.areaGrid.unitsPerMile;
    SetInitialHeading(g);
}

}  // namespace vel
