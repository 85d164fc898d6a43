#include <gtest/gtest.h>

#include <tuple>

#include "shell/radar_controls.h"
#include "view_fixture.h"
#include "views/radar.h"

namespace vel {
namespace {

using test::ViewFixture;

// The radar inset as the frame driver places it on a 1024 x 768 display:
// (0, 349) to (336, 729), centre (168, 566); the boat at the origin heading
// north, the view looking ahead.
struct RadarFixture : ViewFixture {
    void draw() {
        auto dc = freshDc();
        drawRadar(*dc, g, 0, 349, 336, 729);
    }
    // The first row's first and third buttons, the second row's third and fourth.
    static constexpr int32_t kEblPlusX = 40, kVrmPlusX = 200, kFirstRowY = 359;
    static constexpr int32_t kSaveVrmX = 200, kSaveEblX = 290, kSecondRowY = 378;
};

TEST(RadarControls, RangeVrmAndEblStepWithinTheirLimitsAndSavingKeepsThePrevious) {
    ViewFixture f;
    RadarState& r = f.g.radarState;
    r.range = 3;
    for (int32_t want : {6, 12, 24, 48, 48}) {
        RadarRangeUp(f.g);
        EXPECT_EQ(r.range, want);
    }
    for (int32_t want : {24, 12, 6, 3, 3}) {
        RadarRangeDown(f.g);
        EXPECT_EQ(r.range, want);
    }
    RadarVrmDown(f.g);
    EXPECT_EQ(r.vrm, 0);
    RadarVrmUp(f.g);
    EXPECT_EQ(r.vrm, 5);
    RadarEblLeft(f.g);
    EXPECT_EQ(r.ebl, 355);
    RadarEblRight(f.g);
    EXPECT_EQ(r.ebl, 0);
    for (auto [distance, bearing] : {std::pair{12, 200}, {30, 10}}) {
        r.vrmDistance = distance;
        r.eblBearing = bearing;
        RadarSaveVrm(f.g);
        RadarSaveEbl(f.g);
    }
    EXPECT_EQ(std::tuple(r.savedVrm, r.savedVrmPrev, r.savedEbl, r.savedEblPrev), std::tuple(30, 12, 10, 200));
    // Scaled to the area's mile; no area yet is no division by nought.
    for (auto [tenths, units, read] : {std::tuple{10, 300, 9}, {10, 140, 19}, {100, 416, 70}, {10, 0, 2700}})
        EXPECT_EQ(RadarVrmDistance(tenths, units), read) << units;
}

// Dots shrink with range; far echoes halve and beyond 7000 vanish. A passage
// rock due east: sin100[90] = 99, so the echo stands 99 x d / (R x 90) pixels
// right of the centre.
TEST(RadarEchoes, NearRocksFullSizeFarRocksHalfAndBeyond7000None) {
    for (auto [distance, range, x, shown, full] : {std::tuple{3000, 24, 168 + 137, true, true},
                                                   {3600, 24, 168 + 165, true, false},
                                                   {6999, 48, 168 + 160, true, false},
                                                   {7000, 48, 168 + 160, false, false}}) {
        RadarFixture f;
        f.g.areaGrid.region = 5;
        f.g.areaGrid.isPassage = 1;
        f.g.rockList.count = 1;
        f.g.rockList.x[0] = distance;
        f.g.radarState.range = range;
        f.draw();
        EXPECT_EQ(std::pair(f.at(x, 566) == test::kGreen, f.at(x - 2, 566) == test::kGreen), std::pair(shown, full))
            << distance;
    }
}

}  // namespace
}  // namespace vel
