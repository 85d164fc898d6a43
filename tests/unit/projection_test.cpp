#include "views/projection.h"

#include <gtest/gtest.h>

#include <array>

#include "sailing_view_fixture.h"

namespace vel {
namespace {

using test::FromEye;

int32_t RowOf(Game& g, test::At p, int32_t kind = kProjectPlain) {
    projectPointD(g, 5, p.x, p.y, kind);
    return g.projection.screenY[5];
}

TEST(Projection, StarboardPointLiesLowerThanItsMirrorToPort) {
    auto g = test::ViewGame();
    // 30 degrees off the bow at 500 units: to starboard the depth is
    // cos100[30] = 86 hundredths of the distance (430), giving
    // 72 + 60 * (0.95 - 430 * 0.00005) * 373 / 430 = 120.3; to port the full
    // distance stands: 72 + 60 * 0.925 * 373 / 500 = 113.4.
    EXPECT_EQ(RowOf(*g, FromEye(30.02, 500)), 120);
    EXPECT_EQ(g->projection.relBearing, 30);
    EXPECT_EQ(RowOf(*g, FromEye(-30.02, 500)), 113);
    EXPECT_EQ(g->projection.relBearing, -30);
}

TEST(Projection, PointAbeamSitsOnTheHorizonAtTheEdgeOfTheSpread) {
    auto g = test::ViewGame();
    projectPointD(*g, 5, 500.0, 60.0, kProjectPlain);
    EXPECT_EQ(g->projection.screenY[5], 72);
    // s = hScale * 8 = 12.8 on the horizon; 12.8 * 1.1 * 90 degrees (as the
    // factor 57.295 gives them: 89.9995) = 1267.
    EXPECT_EQ(g->projection.screenX[5], 512 + 1267);
    EXPECT_EQ(g->projection.relBearing, 89);
}

TEST(Projection, PointCloserThanTenUnitsProjectsAsIfTenAway) {
    auto g = test::ViewGame();
    // 72 + 60 * (0.95 - 10 * 0.00005) * 373 / 10 = 2197.0
    EXPECT_EQ(RowOf(*g, FromEye(0, 10)), 2196);
    EXPECT_EQ(RowOf(*g, FromEye(0, 4)), 2196);
    EXPECT_EQ(RowOf(*g, FromEye(0, 0)), 2196);
}

TEST(Projection, DistanceFactorStepsDownAtAThousandUnits) {
    auto g = test::ViewGame();
    // Normal view: f 0.90005 at 999 (row 92.16), 0.88 at 1000 (row 91.69).
    EXPECT_EQ(RowOf(*g, FromEye(0, 999)), 92);
    EXPECT_EQ(RowOf(*g, FromEye(0, 1000)), 91);
    // Close-up: 0.85005 at 999 (row 91.04), 0.83 at 1000 (row 90.58).
    g->viewState.viewMode = 1;
    EXPECT_EQ(RowOf(*g, FromEye(0, 999)), 91);
    EXPECT_EQ(RowOf(*g, FromEye(0, 1000)), 90);
}

TEST(Projection, RowsNeverRiseAboveTheHorizon) {
    auto g = test::ViewGame();
    g->projection.baseY = 20;  // a base above the horizon would lift far points
    EXPECT_EQ(RowOf(*g, FromEye(0, 300)), 72);
}

struct EdgeCase {
    double bearing;
    int32_t kind;
    int32_t row;
};

TEST(Projection, FieldEdgesByKind) {
    // A point 15 units away projects far below the view while inside the
    // field: ahead to starboard its depth is at most 0.51 * 15, raised to the
    // 10-unit floor (row 2196). Kind 5 keeps it until 85 degrees, no lower than
    // horizon + height / 6 = 193 beyond 80; every other kind puts it on the
    // horizon beyond 80, kind 6 already beyond 60.
    const EdgeCase cases[] = {
        {79.5, kProjectPlain, 2196}, {82.5, kProjectPlain, 72}, {82.5, kProjectShore, 193},
        {-82.5, kProjectShore, 193}, {85.5, kProjectShore, 193}, {86.5, kProjectShore, 72},
        {59.5, kProjectAside, 2196}, {61.5, kProjectAside, 72},  {-61.5, kProjectAside, 72},
    };
    for (const EdgeCase& c : cases) {
        auto g = test::ViewGame();
        EXPECT_EQ(RowOf(*g, FromEye(c.bearing, 15), c.kind), c.row) << c.bearing << " kind " << c.kind;
    }
}

TEST(Projection, AsideKindPushesPointsOffTheSideTheyLieOn) {
    auto g = test::ViewGame();
    projectPointD(*g, 5, FromEye(61.5, 200).x, FromEye(61.5, 200).y, kProjectAside);
    EXPECT_EQ(g->projection.screenX[5], 2048);
    projectPointD(*g, 5, FromEye(-61.5, 200).x, FromEye(-61.5, 200).y, kProjectAside);
    EXPECT_EQ(g->projection.screenX[5], -1024);
    projectPointD(*g, 5, FromEye(59.5, 200).x, FromEye(59.5, 200).y, kProjectAside);
    EXPECT_LT(g->projection.screenX[5], 2048);
}

TEST(Projection, DistanceSaturatesFarAway) {
    auto g = test::ViewGame();
    eyeBearing(*g, 0.0, -60000.0);
    EXPECT_EQ(g->projection.distance, 50000.0);
    eyeBearing(*g, 0.0, 60.0);
    EXPECT_EQ(g->projection.distance, 0.0);
}

TEST(DepthScale, GrowsDownTheScreenAndWithTheView) {
    auto g = test::ViewGame();
    // Row 440: v = 3.68; 0.06 + 1.02 v.
    EXPECT_NEAR(depthScale(*g, 440), 3.8136, 1e-9);
    EXPECT_NEAR(depthScale(*g, 72), 0.06, 1e-12);
    g->viewState.viewMode = 1;  // v * 1.8
    EXPECT_NEAR(depthScale(*g, 440), 6.81648, 1e-9);
    g->viewState.viewMode = 2;
    g->screenState.width = 899;  // narrow screens: v * 1.3
    EXPECT_NEAR(depthScale(*g, 440), 4.93968, 1e-9);
    g->screenState.width = 1024;
    g->viewState.compassMode = 1;
    g->viewState.binoculars = 1;  // times 1.5
    EXPECT_NEAR(depthScale(*g, 440), 5.7204, 1e-9);
}

TEST(SignedAngle, WrapsIntoMinus179To180) {
    const std::array<std::array<int32_t, 2>, 8> cases = {
        {{0, 0}, {180, 180}, {181, -179}, {-181, 179}, {359, -1}, {540, 180}, {-720, 0}, {-180, 180}}};
    for (const auto& c : cases) EXPECT_EQ(signedAngle(c[0]), c[1]) << c[0];
}

TEST(SortByRow, FarRowsFirstAndTiesKeepTheirOrder) {
    std::array<int32_t, 7> keys = {0, 50, 30, 30, 19000, 10, 30};
    std::array<int32_t, 7> order{};
    EXPECT_EQ(sortByRow(keys, order, 6), 5);
    const std::array<int32_t, 6> want = {0, 5, 2, 3, 6, 1};
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(order[k], want[k]) << k;
}

TEST(SortByRow, HiddenEntriesAreNeverChosen) {
    std::array<int32_t, 4> keys = {0, 20000, 19000, 19999};
    std::array<int32_t, 4> order{};
    EXPECT_EQ(sortByRow(keys, order, 3), 0);
}

// ---- camera ------------------------------------------------------------------

struct CameraCase {
    const char* what;
    int32_t sailsUp, tack, viewMode, docked, lookOffset;
    int32_t view;
};

TEST(Camera, ViewSwingsToLeewardOfTheBow) {
    const CameraCase cases[] = {
        {"no sail", 0, 1, 2, 0, 0, 95},          {"sail, starboard tack", 1, 1, 2, 0, 0, 92},
        {"sail, port tack", 1, -1, 2, 0, 0, 108}, {"close-up", 1, 1, 1, 0, 0, 94},
        {"docked", 1, 1, 2, 1, 0, 100},           {"look right", 0, 1, 2, 0, 30, 125},
        {"look aft", 0, 1, 2, 0, 180, 275},
    };
    for (const CameraCase& c : cases) {
        auto g = test::ViewGame();
        OwnBoat& b = g->ownBoat;
        b.heading = 100;
        b.sailsUp = c.sailsUp;
        b.tack = c.tack;
        b.docked = c.docked;
        g->viewState.viewMode = c.viewMode;
        g->viewState.lookOffset = c.lookOffset;
        updateViewHeading(*g);
        EXPECT_EQ(g->viewState.viewHeading, c.view) << c.what;
    }
}

TEST(Camera, NorthwardBaseHeadingStaysUnwrapped) {
    auto g = test::ViewGame();
    g->ownBoat.heading = 2;
    updateViewHeading(*g);
    EXPECT_EQ(g->viewState.viewHeading, -3);
}

TEST(Camera, LookOffsetBeyondAFullTurnResetsAfterItsFrame) {
    auto g = test::ViewGame();
    g->ownBoat.heading = 100;
    g->viewState.lookOffset = 13 * 30;  // look right pressed 13 times
    updateViewHeading(*g);
    EXPECT_EQ(g->viewState.viewHeading, 125);  // 390 + 95, wrapped once
    EXPECT_EQ(g->viewState.lookOffset, 0);
    updateViewHeading(*g);
    EXPECT_EQ(g->viewState.viewHeading, 95);
}

TEST(Camera, CompassModeLooksAlongTheBearing) {
    auto g = test::ViewGame();
    g->viewState.compassMode = 1;
    g->viewState.compassBearingExact = 271.8;
    updateViewHeading(*g);
    EXPECT_EQ(g->viewState.viewHeading, 271);
    EXPECT_EQ(g->viewState.eyeHeading, 271);
}

}  // namespace
}  // namespace vel
