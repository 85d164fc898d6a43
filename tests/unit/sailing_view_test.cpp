// The sailing view: sea and light, projection and camera, shore and
// islands, the boat drawers and the alert lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <tuple>

#include "sailing_view_fixture.h"
#include "views/boat_drawer.h"
#include "views/island_drawer.h"
#include "views/marks_drawer.h"
#include "views/overlays.h"
#include "views/projection.h"
#include "views/sea.h"
#include "views/shore.h"
#include "views/shore_features.h"
#include "views/sky.h"

namespace vel {
namespace {

using gfx::Color;
using gfx::Rgb;
using test::FromEye;

struct Weathering {
    int32_t hour = 12;
    int32_t fog = 0, storm = 0, cloudCover = 1, moonlight = 1, bitsPerPixel = 32, monochrome = 0;
    int32_t region = 2;
};

std::unique_ptr<Game> GameIn(const Weathering& w) {
    auto g = test::ViewGame();
    std::tie(g->simClock.hour, g->simClock.dayHours) = std::pair(w.hour, w.hour);
    std::tie(g->weather.fog, g->weather.storm, g->weather.cloudCover, g->weather.moonlight) =
        std::tuple(w.fog, w.storm, w.cloudCover, w.moonlight);
    std::tie(g->screenState.bitsPerPixel, g->viewState.monochrome, g->areaGrid.region) =
        std::tuple(w.bitsPerPixel, w.monochrome, w.region);
    ComputeFrameLight(*g);
    return g;
}

TEST(SeaColour, FollowsHourWeatherAreaAndDisplay) {
    const std::tuple<const char*, Weathering, Color> cases[] = {
        {"clear noon", {}, Rgb(0, 127, 127)}, {"fog", {.fog = 1}, Rgb(63, 63, 63)},
        {"thunderstorm", {.storm = 2}, Rgb(63, 63, 63)}, {"distant thunder", {.storm = 1}, Rgb(0, 127, 127)},
        {"moonless night", {.hour = 22, .moonlight = 0}, Rgb(0, 0, 0)},
        {"night on a few colours", {.hour = 2, .bitsPerPixel = 8}, Rgb(0, 0, 0)},
        {"black and white by day", {.monochrome = 1}, Rgb(16, 16, 16)}, {"Bahamas", {.region = 3}, Rgb(0, 201, 201)},
        {"Bahamas on a few colours", {.bitsPerPixel = 8, .region = 3}, Rgb(0, 127, 255)},
        {"hour 20 is night", {.hour = 20}, Rgb(16, 16, 16)}, {"hour 5 is day", {.hour = 5}, Rgb(0, 127, 127)},
    };
    for (const auto& [what, w, sea] : cases) {
        auto g = GameIn(w);
        test::Canvas c(200, 200);
        drawSea(c.dc, *g, 0, 0, 200, 200);
        EXPECT_EQ(c.at(100, 150), sea) << what;
    }
    // West of the stream's west edge at -18000, in the stream, on the bank.
    for (auto [x, onBank, brush] : {std::tuple{-18500.0, 0, 17}, {-10000.0, 0, 16}, {0.0, 1, 9}}) {
        auto g = GameIn({.region = 5});
        std::tie(g->ownBoat.x, g->passageState.onBank) = std::pair(x, onBank);
        EXPECT_EQ(SeaBrush(*g), brush) << x;
    }
}

int32_t RowOf(Game& g, test::At p, int32_t kind = kProjectPlain) {
    projectPointD(g, 5, p.x, p.y, kind);
    return g.projection.screenY[5];
}

TEST(Projection, RowsByDistanceSideAndKind) {
    // 30 degrees off the bow at 500 units: to starboard the depth is cos100[30]
    // = 86 hundredths of the distance, giving 72 + 60 x (0.95 - 430 x 0.00005)
    // x 373 / 430 = 120.3; to port the full distance: 113.4. Closer than ten
    // units counts as ten (2197.0); the factor steps down at a thousand units.
    const struct {
        double bearing, distance;
        int32_t viewMode, kind, row;
    } cases[] = {
        {30.02, 500, 2, kProjectPlain, 120}, {-30.02, 500, 2, kProjectPlain, 113}, {0, 0, 2, kProjectPlain, 2196},
        {0, 999, 2, kProjectPlain, 92},      {0, 1000, 2, kProjectPlain, 91},      {0, 999, 1, kProjectPlain, 91},
        {0, 1000, 1, kProjectPlain, 90},
        // 15 units away, inside the field: far below the view; kind 5 keeps it
        // to 85 degrees, no lower than horizon + height / 6 = 193 beyond 80;
        // other kinds put it on the horizon beyond 80, kind 6 beyond 60.
        {79.5, 15, 2, kProjectPlain, 2196},  {82.5, 15, 2, kProjectPlain, 72},     {-85.5, 15, 2, kProjectShore, 193},
        {86.5, 15, 2, kProjectShore, 72},    {59.5, 15, 2, kProjectAside, 2196},   {-61.5, 15, 2, kProjectAside, 72},
    };
    for (const auto& c : cases) {
        auto g = test::ViewGame();
        g->viewState.viewMode = c.viewMode;
        EXPECT_EQ(RowOf(*g, FromEye(c.bearing, c.distance), c.kind), c.row) << c.bearing << " at " << c.distance;
    }
    auto g = test::ViewGame();
    RowOf(*g, FromEye(-30.02, 500));
    EXPECT_EQ(g->projection.relBearing, -30);
    g->projection.baseY = 20;  // a base above the horizon would lift far points
    EXPECT_EQ(RowOf(*g, FromEye(0, 300)), 72);
}

TEST(Camera, ViewSwingsToLeewardOfTheBowAndFollowsTheLookAndTheCompass) {
    const struct {
        const char* what;
        int32_t sailsUp, tack, viewMode, docked, lookOffset, view;
    } cases[] = {
        {"sail, starboard tack", 1, 1, 2, 0, 0, 92}, {"sail, port tack", 1, -1, 2, 0, 0, 108},
        {"close-up", 1, 1, 1, 0, 0, 94},             {"docked", 1, 1, 2, 1, 0, 100},
        {"look right", 0, 1, 2, 0, 30, 125},         {"look aft", 0, 1, 2, 0, 180, 275},
    };
    for (const auto& c : cases) {
        auto g = test::ViewGame();
        OwnBoat& b = g->ownBoat;
        std::tie(b.heading, b.sailsUp, b.tack, b.docked) = std::tuple(100, c.sailsUp, c.tack, c.docked);
        std::tie(g->viewState.viewMode, g->viewState.lookOffset) = std::pair(c.viewMode, c.lookOffset);
        updateViewHeading(*g);
        EXPECT_EQ(g->viewState.viewHeading, c.view) << c.what;
    }
    auto g = test::ViewGame();  // beyond a full turn the offset resets after its frame
    std::tie(g->ownBoat.heading, g->viewState.lookOffset) = std::pair(100, 390);
    updateViewHeading(*g);
    EXPECT_EQ(std::pair(g->viewState.viewHeading, g->viewState.lookOffset), std::pair(125, 0));
    g->ownBoat.heading = 2;  // a northward base stays unwrapped
    updateViewHeading(*g);
    EXPECT_EQ(g->viewState.viewHeading, -3);
    g->viewState.compassMode = 1;
    g->viewState.compassBearingExact = 271.8;
    updateViewHeading(*g);
    EXPECT_EQ(std::pair(g->viewState.viewHeading, g->viewState.eyeHeading), std::pair(271, 271));
}

void FillWith(test::Canvas& c, int brush) {
    c.dc.SelectStockPen(gfx::Stock::Null);
    c.dc.SelectBrush(brush);
    c.dc.Rectangle(0, 0, c.surface.width(), c.surface.height());
}

// Mended: the land green as drawn at 32 bits reads as land, and nothing
// outside the picture does.
TEST(LandPixel, ReadsTheLandColoursBack) {
    for (auto [brush, night, bits, land] : {std::tuple{24, 0, 32, 1}, {25, 0, 32, 1}, {14, 0, 32, 0}, {0, 0, 32, 1},
                                            {0, 1, 32, 0}, {40, 0, 32, 0}, {14, 0, 8, 0}, {41, 1, 32, 0}}) {
        auto g = test::ViewGame();
        std::tie(g->viewState.night, g->screenState.bitsPerPixel) = std::pair(night, bits);
        test::Canvas c(50, 50);  // black unless filled
        if (brush != 0) FillWith(c, brush);
        EXPECT_EQ(LandPixelAt(c.dc, *g, 20, 20), land) << brush << " " << night << " " << bits;
    }
    auto g = test::ViewGame();
    test::Canvas c(50, 50);  // black reads as land, but not outside the picture
    for (auto [x, y] : {std::pair{-3, 20}, {20, -1}, {60, 20}}) EXPECT_EQ(LandPixelAt(c.dc, *g, x, y), 0);
    g->screenState.bitsPerPixel = 8;  // few colours look four rows down
    FillWith(c, 14);
    c.dc.SetPixel(21, 24, Rgb(0, 128, 0));
    EXPECT_EQ(std::pair(LandPixelAt(c.dc, *g, 20, 20), LandPixelAt(c.dc, *g, 20, 19)), std::pair(1, 0));
}

// Island 1: a round island of radius r whose centre lies `ahead` units north
// of the boat at the origin; the land pixels it leaves on the sea.
int LandPixels(int32_t ahead, int32_t r) {
    auto g = test::ViewGame();
    AreaGrid& a = g->areaGrid;
    std::tie(a.areaCode, a.islandCount, a.islandX[1], a.islandY[1], a.islandRadius[1]) = std::tuple(2, 1, 0, -ahead, r);
    for (int k = 0; k <= 36; ++k) {
        const double t = (k % 36) * 10 * 3.14159265358979 / 180.0;
        a.islandOutline[1][k][0] = static_cast<int32_t>(r * std::sin(t));
        a.islandOutline[1][k][1] = static_cast<int32_t>(-ahead - r * std::cos(t));
    }
    test::Canvas c(1024, 488);
    FillWith(c, 14);
    drawIsland(c.dc, *g, 1);
    return c.count(Rgb(0, 127, 0));
}

// Mended: the limit of 150 is tenths of a mile (4500 units here), not units.
TEST(Islands, StandOutOfTheSeaAheadWithinFifteenMiles) {
    EXPECT_GT(LandPixels(2000, 500), 1000);
    EXPECT_GT(LandPixels(4500, 1500), 0);
    EXPECT_EQ(LandPixels(4530, 1500), 0);  // 151 tenths
    EXPECT_EQ(LandPixels(-2000, 500), 0);  // astern
}

// Far land 20 degrees off the bow, standing on the points where the feet
// project: to starboard a hill, a haze dome four times as wide as high; to
// port the tank (landmark 2), as wide each side of its foot.
TEST(FarLand, HillsAreDomesAndTheTankStandsSquare) {
    constexpr Color kHaze = Rgb(63, 127, 160), kTank = Rgb(191, 191, 191);
    auto g = test::ViewGame();
    const test::At hill = FromEye(20, 3000), tank = FromEye(-20, 1000);
    std::tie(g->areaGrid.hillCount, g->areaGrid.hillX[0], g->areaGrid.hillY[0], g->areaGrid.hillSize[0]) =
        std::tuple(1, int32_t(hill.x), int32_t(hill.y), 30);
    std::tie(g->areaGrid.landmarkX[2], g->areaGrid.landmarkY[2]) = std::pair(int32_t(tank.x), int32_t(tank.y));
    test::Canvas c(1024, 488);
    drawFarHills(c.dc, *g);
    drawShoreFeatures(c.dc, *g);
    // Pixels of colour k in a line from `above` rows over the foot of p, stepping by (dx, dy).
    const auto run = [&](test::At p, int32_t above, int32_t dx, int32_t dy, Color k) {
        projectPoint(*g, 2, p.x, p.y, kProjectShore);
        int32_t n = 0;
        while (c.at(g->projection.screenX[2] + dx * (n + 1), g->projection.screenY[2] - above + dy * n) == k) ++n;
        return n;
    };
    const int32_t up = run(hill, 1, 0, -1, kHaze), left = run(hill, 1, -1, 0, kHaze), right = run(hill, 1, 1, 0, kHaze);
    EXPECT_TRUE(up > 4 && std::abs(left - 4 * up) < 3 && std::abs(right - 4 * up) < 3) << up;
    // Over the tank's outlined foot.
    EXPECT_TRUE(run(tank, 2, -1, 0, kTank) > 2 && run(tank, 2, -1, 0, kTank) == run(tank, 2, 1, 0, kTank));
}

// A lateral buoy's lamp on a moonless night hangs a pixel above the top of
// the nun or can that shows by day.
TEST(BuoyLamps, CentredAPixelAboveTheBuoysTop) {
    for (const bool red : {true, false}) {
        int32_t top[2] = {}, bottom[2] = {};
        for (const int32_t night : {0, 1}) {
            auto g = test::ViewGame();
            std::tie(g->viewState.night, g->weather.moonlight, g->simClock.minute) = std::tuple(night, 0, 0);
            test::Canvas c(100, 488);
            FillWith(c, 44);  // (191,191,191)
            drawLateralBuoy(c.dc, *g, 0, 50, 300, red);
            for (int32_t y = 487; y >= 0; --y)
                if (c.at(50, y) != Rgb(191, 191, 191)) top[night] = y, bottom[night] = std::max(bottom[night], y);
        }
        EXPECT_EQ((top[1] + bottom[1]) / 2, top[0] - 1) << red;
    }
}

// The own monohull, red-hulled, drawn alone on the sea seen from abeam.
struct Drawn {
    std::unique_ptr<Game> g = test::ViewGame();
    test::Canvas c{1024, 488};
    Drawn(int32_t sailsUp, int32_t transparent) {
        FillWith(c, 14);
        std::tie(g->cruiseOptions.hullColour, g->viewState.viewHeading, g->viewState.transparentSails) =
            std::tuple(1, 0, transparent);
        std::tie(g->ownBoat.heading, g->ownBoat.sailsUp, g->ownBoat.sheetAngle, g->ownBoat.tack) =
            std::tuple(90, sailsUp, 30, 1);
        drawSailboat(c.dc, *g, 1, 0, 512, 440, kBoatMonohull);
    }
    int count(gfx::Color colour) const { return c.count(colour); }
};

// The anchored fleet's hulls by region: one colour to a region, a mixed
// fleet on the passages across the Gulf of Maine.
TEST(FleetHulls, ColourByRegion) {
    for (auto [region, j, colour] : {std::tuple{6, 5, 5}, {6, 20, 5}, {6, 4, 3}, {6, 3, 2}, {3, 1, 3}, {1, 2, 5},
                                     {2, 1, 2}, {5, 1, 2}}) {
        auto g = test::ViewGame();
        g->areaGrid.region = region;
        EXPECT_EQ(FleetHullColour(*g, j), colour) << region << " " << j;
    }
}

TEST(Sails, TransparentSailsAreOutlinesOnlyAndNoSailSetDrawsNone) {
    const Drawn filled(1, 0), outlined(1, 1), bare(0, 0), bareOutlined(0, 1);
    EXPECT_GT(filled.count(gfx::kWhite), 2000);
    EXPECT_EQ(std::pair(outlined.count(gfx::kWhite), bare.count(gfx::kWhite)), std::pair(0, 0));
    EXPECT_GT(outlined.count(gfx::kBlack), filled.count(gfx::kBlack));
    EXPECT_EQ(bare.count(gfx::kBlack), bareOutlined.count(gfx::kBlack));
}

bool Shows(const Game& g, int32_t x, int32_t y, const std::string& text) {
    const std::vector<AlertLine> alerts = CurrentAlerts(g);
    return std::any_of(alerts.begin(), alerts.end(),
                       [&](const AlertLine& a) { return a.x == x && a.y == y && a.text == text; });
}

std::unique_ptr<Game> UnderWay() {
    auto g = test::ViewGame();
    std::tie(g->boatDesign.draft, g->ownBoat.depth) = std::pair(6, 40);
    return g;
}

// Anchor 1 going down on a hundred feet of line.
void PayingOut(Game& g) { g.anchors.anchor[1][1] = 2, g.anchorState.payingOut = 1, g.anchorState.lineLength1 = 100; }

TEST(Alerts, EachShowsInItsSituationAndNoneInOpenWater) {
    EXPECT_TRUE(CurrentAlerts(*UnderWay()).empty());
    const char* const shoal = "       浅瀬                ";
    const char* const irons = " 風位に立った。ﾊﾞｯｸしている    ";
    const struct {
        std::function<void(Game&)> set;
        int32_t x, y;
        const char* text;
        bool shown = true;
    } cases[] = {
        {[](Game& g) { g.ownBoat.depth = 8; }, 400, 21, shoal},
        {[](Game& g) { g.ownBoat.depth = 5; }, 400, 21, "       座礁！           "},
        {[](Game& g) { g.hazards.contact = 1; }, 400, 21, " 桟橋に衝突。艇が損傷した。Nｷｰを押せ      "},
        {[](Game& g) { g.hazards.contact = 2; }, 400, 21, " 杭に衝突。艇が損傷した。Nｷｰを押せ。        "},
        {[](Game& g) { g.ownBoat.speed = -3, g.ownBoat.sailsUp = 1, g.ownBoat.trueWindAngle = 20; }, 400, 21, irons},
        {[](Game& g) { g.ownBoat.anchorStatusShown = 1; }, 0, 21, " 全ｱﾝｶｰ収納     "},
        {[](Game& g) { g.ownBoat.anchorStatusShown = 1, g.anchors.anchor[1][1] = 3, g.anchorState.lineLength1 = 150; },
         1, 21, " ｱﾝｶｰ1投錨完了   ﾗｲﾝ  150 ft "},
        {[](Game& g) { g.ownBoat.anchorStatusShown = 1, g.anchors.anchor[1][2] = -1; }, 0, 35, " ｱﾝｶｰ2が利いてない "},
        // Setting: the banner shows without the display, never more than the line.
        {[](Game& g) { PayingOut(g), g.anchorState.distance = 4; }, 0, 21, " ｱﾝｶｰﾗｲﾝの長さ   40 ft "},
        {[](Game& g) { PayingOut(g), g.cruiseOptions.anchor1Chain = 1, g.anchorState.distance = 30; }, 0, 21,
         " ｱﾝｶｰﾁｪｰﾝの長さ   100 ft "},
        // No shoal warning at nine feet, with the alarm off or out of order, or
        // at anchor; not in irons with the wind 50 degrees off.
        {[](Game& g) { g.ownBoat.depth = 9; }, 400, 21, shoal, false},
        {[](Game& g) { g.ownBoat.depth = 6, g.cruiseOptions.depthAlarm = 0; }, 400, 21, shoal, false},
        {[](Game& g) { g.ownBoat.depth = 7, g.failures.failed[2] = 1; }, 400, 21, shoal, false},
        {[](Game& g) { g.ownBoat.depth = 7, g.ownBoat.anchored = 1; }, 400, 21, shoal, false},
        {[](Game& g) { g.ownBoat.speed = -3, g.ownBoat.sailsUp = 1, g.ownBoat.trueWindAngle = 50; }, 400, 21, irons,
         false},
    };
    for (const auto& c : cases) {
        auto g = UnderWay();
        c.set(*g);
        EXPECT_EQ(Shows(*g, c.x, c.y, c.text), c.shown) << c.text;
    }
}

}  // namespace
}  // namespace vel
