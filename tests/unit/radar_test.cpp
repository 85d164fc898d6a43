#include <gtest/gtest.h>

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
    static constexpr int32_t kLeft = 0, kTop = 349, kRight = 336, kBottom = 729;

    void draw() {
        auto dc = freshDc();
        drawRadar(*dc, g, kLeft, kTop, kRight, kBottom);
    }
    // The second row's third and fourth buttons.
    static constexpr int32_t kSaveVrmX = 200, kSaveEblX = 290, kSecondRowY = 378;
    static constexpr int32_t kEblPlusX = 40, kVrmPlusX = 200, kFirstRowY = 359;
};

TEST(RadarControls, RangeDoublesTo48AndHalvesTo3) {
    ViewFixture f;
    f.g.radarState.range = 3;
    for (int32_t want : {6, 12, 24, 48, 48}) {
        RadarRangeUp(f.g);
        EXPECT_EQ(f.g.radarState.range, want);
    }
    for (int32_t want : {24, 12, 6, 3, 3}) {
        RadarRangeDown(f.g);
        EXPECT_EQ(f.g.radarState.range, want);
    }
}

TEST(RadarControls, VrmStopsAtNoughtAndEblWrapsBelowNought) {
    ViewFixture f;
    RadarVrmDown(f.g);
    EXPECT_EQ(f.g.radarState.vrm, 0);
    RadarVrmUp(f.g);
    EXPECT_EQ(f.g.radarState.vrm, 5);
    RadarEblLeft(f.g);
    EXPECT_EQ(f.g.radarState.ebl, 355);
    f.g.radarState.ebl = 355;
    RadarEblRight(f.g);
    EXPECT_EQ(f.g.radarState.ebl, 0);
}

TEST(RadarControls, SavingKeepsThePreviousValue) {
    ViewFixture f;
    RadarState& r = f.g.radarState;
    r.vrmDistance = 12;
    r.eblBearing = 200;
    RadarSaveVrm(f.g);
    RadarSaveEbl(f.g);
    r.vrmDistance = 30;
    r.eblBearing = 10;
    RadarSaveVrm(f.g);
    RadarSaveEbl(f.g);
    EXPECT_EQ(r.savedVrm, 30);
    EXPECT_EQ(r.savedVrmPrev, 12);
    EXPECT_EQ(r.savedEbl, 10);
    EXPECT_EQ(r.savedEblPrev, 200);
}

TEST(RadarControls, VrmDistanceIsScaledToTheAreasMile) {
    EXPECT_EQ(RadarVrmDistance(10, 300), 9);    // trunc(9.85) = 9
    EXPECT_EQ(RadarVrmDistance(10, 140), 19);   // 9 * 300 / 140
    EXPECT_EQ(RadarVrmDistance(100, 416), 70);  // 98 * 300 / 416
    EXPECT_EQ(RadarVrmDistance(10, 0), 2700);   // no area yet: no division by nought
}

TEST(RadarEchoes, DotsShrinkWithRangeAndFarEchoesHalve) {
    int32_t previous = 100;
    for (int32_t r : {3, 6, 12, 24, 48}) {
        EXPECT_LE(RadarDotRadius(r), previous);
        previous = RadarDotRadius(r);
    }
    EXPECT_EQ(RadarDotRadius(48), 1);
    EXPECT_EQ(FarEchoRadius(4, 3500), 4);
    EXPECT_EQ(FarEchoRadius(4, 3600), 2);
    EXPECT_EQ(FarEchoRadius(4, 6999), 2);
    EXPECT_EQ(FarEchoRadius(4, 7000), 0);
    EXPECT_EQ(FarEchoRadius(1, 5000), 1);
}

// A passage rock due east of the boat: the bearing rounds to 90, whose
// hundredfold sine truncates to 99, so the echo stands 99 * d / (R * 90)
// pixels right of the centre (168, 566).
struct RockCase {
    int32_t distance;
    int32_t range;
    int32_t echoX;
    bool shown;
    bool fullSize;
};

class RadarRock : public ::testing::TestWithParam<RockCase> {};

TEST_P(RadarRock, NearRocksFullSizeFarRocksHalfAndBeyond7000None) {
    const RockCase& c = GetParam();
    RadarFixture f;
    f.g.areaGrid.region = 5;
    f.g.areaGrid.isPassage = 1;
    f.g.rockList.count = 1;
    f.g.rockList.x[1] = c.distance;
    f.g.rockList.y[1] = 0;
    f.g.radarState.range = c.range;
    f.draw();
    EXPECT_EQ(f.at(c.echoX, 566) == test::kGreen, c.shown);
    EXPECT_EQ(f.at(c.echoX - 2, 566) == test::kGreen, c.fullSize);
}

INSTANTIATE_TEST_SUITE_P(Distances, RadarRock,
                         ::testing::Values(RockCase{3000, 24, 168 + 137, true, true},    // radius 2
                                           RockCase{3600, 24, 168 + 165, true, false},   // radius 1
                                           RockCase{6999, 48, 168 + 160, true, false},
                                           RockCase{7000, 48, 168 + 160, false, false}));

TEST(RadarButtons, SaveButtonsAreAbsentWhileEblAndVrmAreNought) {
    RadarFixture f;
    f.g.radarState.savedVrm = 7;
    f.clickAt(RadarFixture::kSaveVrmX, RadarFixture::kSecondRowY);
    f.draw();
    EXPECT_FALSE(RadarSaveButtonsShown(f.g.radarState));
    EXPECT_EQ(f.g.radarState.savedVrm, 7);
    EXPECT_EQ(f.g.inputState.clickY, RadarFixture::kSecondRowY);

    // "vrm +" takes the next click; then 0.5 mile reads 4 tenths.
    f.clickAt(RadarFixture::kVrmPlusX, RadarFixture::kFirstRowY);
    f.draw();
    f.draw();
    f.clickAt(RadarFixture::kSaveVrmX, RadarFixture::kSecondRowY);
    f.draw();
    EXPECT_EQ(f.g.radarState.savedVrm, 4);
    EXPECT_EQ(f.g.radarState.savedVrmPrev, 7);
    EXPECT_EQ(f.g.inputState.clickY, 0);
}

TEST(RadarButtons, EblSaveKeepsTheTrueBearingOfTheLine) {
    RadarFixture f;
    f.g.ownBoat.heading = 300;
    f.g.radarState.ebl = 90;
    f.draw();
    f.clickAt(RadarFixture::kSaveEblX, RadarFixture::kSecondRowY);
    f.draw();
    EXPECT_EQ(f.g.radarState.savedEbl, 30);
}

TEST(RadarButtons, AClickActsOnceAndTheHoverExplainsTheButton) {
    RadarFixture f;
    f.clickAt(RadarFixture::kEblPlusX, RadarFixture::kFirstRowY);
    f.g.screenState.steerMouseX = RadarFixture::kEblPlusX;
    f.g.screenState.steerMouseY = RadarFixture::kFirstRowY;
    f.draw();
    f.draw();
    EXPECT_EQ(f.g.radarState.ebl, 5);
    EXPECT_EQ(f.g.screenState.buttonText, "  ｸﾘｯｸ毎にEBLが+5度回転する。                   ");
}

TEST(RadarFailure, LeavesABlankInsetWithoutButtons) {
    for (const bool trouble : {true, false}) {
        RadarFixture f;
        if (trouble)
            f.g.cruiseOptions.troubleNoRadar = 1;
        else
            f.g.failures.failed[1] = 1;
        f.g.radarState.vrm = 20;
        f.clickAt(RadarFixture::kEblPlusX, RadarFixture::kFirstRowY);
        f.draw();
        EXPECT_EQ(f.g.radarState.ebl, 0);
        int32_t green = 0;
        for (int32_t x = 1; x < 336; ++x)
            for (int32_t y = 350; y < 729; ++y) green += f.at(x, y) == test::kGreen;
        EXPECT_EQ(green, 0);
    }
}

struct ReadoutCase {
    int32_t displayWidth, largeFonts;
    const char* text;
};

class RadarReadoutByWidth : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(RadarReadoutByWidth, WritesEblAndVrmToFit) {
    ViewFixture f(GetParam().displayWidth, 768);
    f.g.screenState.largeFonts = GetParam().largeFonts;
    f.g.radarState.ebl = 30;
    f.g.radarState.vrm = 15;
    EXPECT_EQ(RadarReadout(f.g), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, RadarReadoutByWidth,
    ::testing::Values(ReadoutCase{1024, 0, "EBL: 30 度(右舷ﾊﾞｳから)             VRM: 1.5 海里 "},
                      ReadoutCase{901, 1, "30 度(右舷ﾊﾞｳから)               1.5 海里 "},
                      ReadoutCase{900, 0, "30 度(右舷ﾊﾞｳから)           1.5 海里 "},
                      ReadoutCase{700, 1, "30 度(右舷ﾊﾞｳから)         1.5 mi"},
                      ReadoutCase{699, 0, "30 度(右舷ﾊﾞｳから)     1.5 mi"}));

}  // namespace
}  // namespace vel
