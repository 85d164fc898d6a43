#include "views/projection.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "sailing_view_fixture.h"

namespace vel {
namespace {

using test::FromEye;

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
        {30.02, 500, 2, kProjectPlain, 120},  {-30.02, 500, 2, kProjectPlain, 113}, {0, 10, 2, kProjectPlain, 2196},
        {0, 0, 2, kProjectPlain, 2196},       {0, 999, 2, kProjectPlain, 92},      {0, 1000, 2, kProjectPlain, 91},
        {0, 999, 1, kProjectPlain, 91},       {0, 1000, 1, kProjectPlain, 90},
        // 15 units away, inside the field: far below the view; kind 5 keeps it
        // to 85 degrees, no lower than horizon + height / 6 = 193 beyond 80;
        // other kinds put it on the horizon beyond 80, kind 6 beyond 60.
        {79.5, 15, 2, kProjectPlain, 2196},   {82.5, 15, 2, kProjectPlain, 72},    {82.5, 15, 2, kProjectShore, 193},
        {-82.5, 15, 2, kProjectShore, 193},   {85.5, 15, 2, kProjectShore, 193},   {86.5, 15, 2, kProjectShore, 72},
        {59.5, 15, 2, kProjectAside, 2196},   {61.5, 15, 2, kProjectAside, 72},    {-61.5, 15, 2, kProjectAside, 72},
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

TEST(Projection, ColumnsAbeamAndAside) {
    auto g = test::ViewGame();
    // s = hScale x 8 = 12.8 on the horizon; 12.8 x 1.1 x 89.9995 degrees = 1267.
    projectPointD(*g, 5, 500.0, 60.0, kProjectPlain);
    EXPECT_EQ(std::tuple(g->projection.screenY[5], g->projection.screenX[5], g->projection.relBearing),
              std::tuple(72, 512 + 1267, 89));
    // The aside kind pushes points off the side they lie on.
    for (auto [bearing, x] : {std::pair{61.5, 2048}, {-61.5, -1024}}) {
        projectPointD(*g, 5, FromEye(bearing, 200).x, FromEye(bearing, 200).y, kProjectAside);
        EXPECT_EQ(g->projection.screenX[5], x) << bearing;
    }
    projectPointD(*g, 5, FromEye(59.5, 200).x, FromEye(59.5, 200).y, kProjectAside);
    EXPECT_LT(g->projection.screenX[5], 2048);
    eyeBearing(*g, 0.0, -60000.0);  // the distance saturates far away
    EXPECT_EQ(g->projection.distance, 50000.0);
}

TEST(Camera, ViewSwingsToLeewardOfTheBowAndFollowsTheLookAndTheCompass) {
    const struct {
        const char* what;
        int32_t sailsUp, tack, viewMode, docked, lookOffset, view;
    } cases[] = {
        {"no sail", 0, 1, 2, 0, 0, 95},           {"sail, starboard tack", 1, 1, 2, 0, 0, 92},
        {"sail, port tack", 1, -1, 2, 0, 0, 108}, {"close-up", 1, 1, 1, 0, 0, 94},
        {"docked", 1, 1, 2, 1, 0, 100},           {"look right", 0, 1, 2, 0, 30, 125},
        {"look aft", 0, 1, 2, 0, 180, 275},       {"look right 13 times", 0, 1, 2, 0, 390, 125},
    };
    for (const auto& c : cases) {
        auto g = test::ViewGame();
        OwnBoat& b = g->ownBoat;
        std::tie(b.heading, b.sailsUp, b.tack, b.docked) = std::tuple(100, c.sailsUp, c.tack, c.docked);
        g->viewState.viewMode = c.viewMode;
        g->viewState.lookOffset = c.lookOffset;
        updateViewHeading(*g);
        EXPECT_EQ(g->viewState.viewHeading, c.view) << c.what;
    }
    auto g = test::ViewGame();  // beyond a full turn the offset resets after its frame
    g->ownBoat.heading = 100;
    g->viewState.lookOffset = 390;
    updateViewHeading(*g);
    EXPECT_EQ(g->viewState.lookOffset, 0);
    g->ownBoat.heading = 2;  // a northward base stays unwrapped
    updateViewHeading(*g);
    EXPECT_EQ(g->viewState.viewHeading, -3);
    g->viewState.compassMode = 1;
    g->viewState.compassBearingExact = 271.8;
    updateViewHeading(*g);
    EXPECT_EQ(std::pair(g->viewState.viewHeading, g->viewState.eyeHeading), std::pair(271, 271));
}

}  // namespace
}  // namespace vel
