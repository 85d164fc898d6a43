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
    using S = RadarState;
    // Each control in turn and what it leaves: the range doubles to 48 and
    // halves to 3, the VRM stops at nought, the EBL wraps below nought.
    for (auto [control, field, want] :
         {std::tuple{&RadarRangeUp, &S::range, 6}, {&RadarRangeUp, &S::range, 12}, {&RadarRangeUp, &S::range, 24},
          {&RadarRangeUp, &S::range, 48}, {&RadarRangeUp, &S::range, 48}, {&RadarRangeDown, &S::range, 24},
          {&RadarRangeDown, &S::range, 12}, {&RadarRangeDown, &S::range, 6}, {&RadarRangeDown, &S::range, 3},
          {&RadarRangeDown, &S::range, 3}, {&RadarVrmDown, &S::vrm, 0}, {&RadarVrmUp, &S::vrm, 5},
          {&RadarEblLeft, &S::ebl, 355}, {&RadarEblRight, &S::ebl, 0}}) {
        control(f.g);
        EXPECT_EQ(r.*field, want);
    }
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
    for (auto [range, radius] : {std::pair{3, 5}, {6, 4}, {12, 3}, {24, 2}, {48, 1}})
        EXPECT_EQ(RadarDotRadius(range), radius) << range;
    for (auto [distance, range, x, shown, full] : {std::tuple{3000, 24, 168 + 137, true, true},
                                                   {3600, 24, 168 + 165, true, false},
                                                   {6999, 48, 168 + 160, true, false},
                                                   {7000, 48, 168 + 160, false, false}}) {
        RadarFixture f;
        std::tie(f.g.areaGrid.region, f.g.areaGrid.isPassage, f.g.radarState.range) = std::tuple(5, 1, range);
        std::tie(f.g.rockList.count, f.g.rockList.x[1], f.g.rockList.y[1]) = std::tuple(1, distance, 0);
        f.draw();
        EXPECT_EQ(std::pair(f.at(x, 566) == test::kGreen, f.at(x - 2, 566) == test::kGreen), std::pair(shown, full))
            << distance;
    }
}

TEST(RadarButtons, SaveButtonsAreAbsentWhileEblAndVrmAreNoughtAndTheEblKeepsItsTrueBearing) {
    RadarFixture f;
    RadarState& r = f.g.radarState;
    r.savedVrm = 7;
    f.clickAt(RadarFixture::kSaveVrmX, RadarFixture::kSecondRowY);
    f.draw();
    EXPECT_EQ(std::pair(r.savedVrm, f.g.inputState.clickY), std::pair(7, RadarFixture::kSecondRowY));
    // "vrm +" takes the next click; then 0.5 mile reads 4 tenths.
    f.clickAt(RadarFixture::kVrmPlusX, RadarFixture::kFirstRowY);
    f.draw();
    f.draw();
    f.clickAt(RadarFixture::kSaveVrmX, RadarFixture::kSecondRowY);
    f.draw();
    EXPECT_EQ(std::tuple(r.savedVrm, r.savedVrmPrev, f.g.inputState.clickY), std::tuple(4, 7, 0));
    // With the EBL alone set, its line 90 degrees off a heading of 300 saves as 30.
    std::tie(r.vrm, r.ebl, f.g.ownBoat.heading) = std::tuple(0, 90, 300);
    f.draw();
    f.clickAt(RadarFixture::kSaveEblX, RadarFixture::kSecondRowY);
    f.draw();
    EXPECT_EQ(r.savedEbl, 30);
}

TEST(RadarFailure, LeavesABlankInsetWithoutButtons) {
    for (const bool trouble : {true, false}) {
        RadarFixture f;
        (trouble ? f.g.cruiseOptions.troubleNoRadar : f.g.failures.failed[1]) = 1;
        f.g.radarState.vrm = 20;
        f.clickAt(RadarFixture::kEblPlusX, RadarFixture::kFirstRowY);
        f.draw();
        EXPECT_EQ(f.g.radarState.ebl, 0);
        EXPECT_EQ(f.count(1, 336, 350, 729, [&](int x, int y) { return f.at(x, y) == test::kGreen; }), 0) << trouble;
    }
}

TEST(RadarReadout, WritesEblAndVrmToFitTheWidth) {
    for (auto [width, large, text] :
         {std::tuple{1024, 0, "EBL: 30 度(右舷ﾊﾞｳから)             VRM: 1.5 海里 "},
          {901, 1, "30 度(右舷ﾊﾞｳから)               1.5 海里 "}, {900, 0, "30 度(右舷ﾊﾞｳから)           1.5 海里 "},
          {700, 1, "30 度(右舷ﾊﾞｳから)         1.5 mi"}, {699, 0, "30 度(右舷ﾊﾞｳから)     1.5 mi"}}) {
        ViewFixture f(width, 768);
        f.g.screenState.largeFonts = large;
        f.g.radarState.ebl = 30;
        f.g.radarState.vrm = 15;
        EXPECT_EQ(RadarReadout(f.g), text) << width;
    }
}

}  // namespace
}  // namespace vel
