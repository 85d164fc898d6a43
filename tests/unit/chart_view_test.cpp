#include <gtest/gtest.h>

#include "view_fixture.h"
#include "views/chart.h"
#include "views/chart_layers.h"
#include "views/chart_status.h"
#include "views/lights.h"
#include "world/terrain.h"

namespace vel {
namespace {

using test::ViewFixture;

bool IsColour(gfx::Color c, gfx::Color want) { return c == want; }

// A straight mainland coast 3500 units north of the centre line, the first
// bank of the inland waterway with its opposite bank as far south.
void StraightBanks(Game& g, int32_t areaCode) {
    AreaGrid& a = g.areaGrid;
    a.areaCode = areaCode;
    a.coastBaseY = -3500;
    for (int32_t i = 1; i <= 284; ++i) {
        const bool second = areaCode != 1 && i >= 143;
        const int32_t k = second ? i - 142 : i;
        a.coastX[i] = -10000 + k * 140;
        a.coastY[i] = second ? 3500 : -3500;
    }
}

void DrawShoreOnly(ViewFixture& f, int32_t areaCode, gfx::Color sea) {
    StraightBanks(f.g, areaCode);
    PrepareChartFrame(f.g);
    auto dc = f.freshDc(sea);
    DrawShoreBands(*dc, f.g, MainChartFrame(f.g));
}

TEST(ChartShore, LandLiesOnTheMainlandSideOfTheCoast) {
    ViewFixture f;
    DrawShoreOnly(f, 1, gfx::kWhite);
    // The coast at y -3500 is 168 pixels above the centre row 364.
    EXPECT_TRUE(IsColour(f.at(512, 150), test::kLand));
    EXPECT_FALSE(IsColour(f.at(512, 230), test::kLand));
    EXPECT_FALSE(IsColour(f.at(512, 600), test::kLand));
}

TEST(ChartShore, TheOppositeBankOfAWaterwayHasItsLandToTheSouth) {
    ViewFixture f;
    DrawShoreOnly(f, 3, gfx::kWhite);
    EXPECT_TRUE(IsColour(f.at(512, 150), test::kLand));
    EXPECT_FALSE(IsColour(f.at(512, 364), test::kLand));
    EXPECT_TRUE(IsColour(f.at(512, 580), test::kLand));
}

TEST(ChartShore, DepthTicksStandOffshoreOnTheWaterSide) {
    ViewFixture f;
    DrawShoreOnly(f, 1, test::kWater);
    // Rows height / 60 = 12 and height / 120 = 6 pixels south of the shore,
    // which stands 168 pixels above the centre row 364.
    int32_t deep = 0, shallow = 0, inland = 0;
    for (int32_t x = 100; x < 900; ++x) {
        for (int32_t y = 206; y <= 210; ++y) deep += IsColour(f.at(x, y), gfx::kWhite);
        for (int32_t y = 200; y <= 204; ++y) shallow += IsColour(f.at(x, y), gfx::kWhite);
        for (int32_t y = 180; y <= 190; ++y) inland += IsColour(f.at(x, y), gfx::kWhite);
    }
    EXPECT_GT(deep, 100);
    EXPECT_GT(shallow, 100);
    EXPECT_EQ(inland, 0);
}

TEST(ChartOwnBoat, HiddenWithoutGps) {
    for (const bool gps : {true, false}) {
        ViewFixture f;
        f.g.screenState.startPlaced = 1;
        f.g.chartView.openedThisCruise = 1;
        f.g.ownBoat.x = 2600;  // 124.8 pixels east and north of the centre
        f.g.ownBoat.y = -2600;
        f.g.cruiseOptions.troubleNoGps = gps ? 0 : 1;
        auto dc = f.freshDc();
        drawChart(*dc, f.g);
        dc.reset();
        // The cross's horizontal stroke, 4 pixels east of the boat.
        EXPECT_EQ(IsColour(f.at(640, 240), test::kYellow), gps);
    }
}

TEST(ChartAids, NamesOffRemovesTheLabelsButKeepsTheSymbols) {
    int32_t labelInk[2] = {};
    for (const int32_t names : {0, 1}) {
        ViewFixture f;
        f.g.objectList.kind[20] = 9;  // a daybeacon 52.8 pixels east of the centre
        f.g.objectList.fbx[20] = 1100;
        f.g.objectList.fby[20] = 0;
        f.g.chartView.showMarkNames = names;
        PrepareChartFrame(f.g);
        auto dc = f.freshDc(test::kWater);
        DrawPlaceNames(*dc, f.g, MainChartFrame(f.g));
        dc.reset();
        EXPECT_FALSE(IsColour(f.at(564, 364), test::kWater)) << "the symbol";
        for (int32_t x = 571; x < 625; ++x)
            for (int32_t y = 340; y < 366; ++y) labelInk[names] += !IsColour(f.at(x, y), test::kWater);
    }
    EXPECT_EQ(labelInk[0], 0);
    EXPECT_GT(labelInk[1], 20);
}

TEST(ChartStatus, DepthUnderThePointerReadsTheRocks) {
    ViewFixture f;
    f.g.rockList.count = 1;
    f.g.rockList.x[1] = 2000;
    f.g.rockList.y[1] = -600;
    f.g.chartView.mouseWorldX = 2011;  // 11 units off a submerged rock: 1.1 ft
    f.g.chartView.mouseWorldY = -600;
    EXPECT_EQ(ChartPointerDepth(f.g), 1);
    EXPECT_GT(DepthAt(f.g, 2011, -600, 2), 20) << "the chart's own colouring leaves the rock out";
}

TEST(ChartAids, LabelsThatWouldOverprintMoveToTheNextLine) {
    ViewFixture f;
    // Two towers 50 units apart, 2.4 pixels at this zoom: (564, 364) and (566, 364).
    f.g.areaGrid.areaCode = 1;
    f.g.areaGrid.landmarkX[0] = 1100;
    f.g.areaGrid.landmarkX[1] = 1150;
    PrepareChartFrame(f.g);
    auto dc = f.freshDc(test::kWater);
    const int32_t line = dc->LineHeight();
    DrawPlaceNames(*dc, f.g, MainChartFrame(f.g));
    dc.reset();
    int32_t above = 0, below = 0;
    for (int32_t x = 576; x < 620; ++x) {
        for (int32_t y = 366 - line; y < 364; ++y) above += !IsColour(f.at(x, y), test::kWater);
        for (int32_t y = 367; y < 366 + line; ++y) below += !IsColour(f.at(x, y), test::kWater);
    }
    EXPECT_GT(above, 10) << "the first label in its usual place";
    EXPECT_GT(below, 10) << "the second a line lower";
}

TEST(ChartAids, AnEmptyLighthouseEntryIsNeverDrawn) {
    ViewFixture f;
    f.g.lighthouse.x[1] = 30000;
    f.g.lighthouse.y[1] = 0;
    f.g.chartView.scale = 75;
    PrepareChartFrame(f.g);
    auto dc = f.freshDc(test::kWater);
    DrawPlaceNames(*dc, f.g, MainChartFrame(f.g));
    dc.reset();
    // 30000 units east at zoom 75 would be at column 512 + 614.
    int32_t ink = 0;
    for (int32_t x = 0; x < 1024; ++x)
        for (int32_t y = 330; y < 380; ++y) ink += !IsColour(f.at(x, y), test::kWater);
    EXPECT_EQ(ink, 0);
}

TEST(ChartLight, FlareAndDiscTakeTheLightColourByCode) {
    ViewFixture f;
    auto dc = f.freshDc();
    DrawLight(*dc, false, 100, 100, 2, LightColour::Red);
    DrawLight(*dc, false, 200, 100, 0, LightColour::Red);
    dc.reset();
    const gfx::Color red = gfx::Rgb(255, 0, 0);
    EXPECT_TRUE(IsColour(f.at(100, 100), red));   // code 2: a red disc
    EXPECT_TRUE(IsColour(f.at(200, 100), gfx::kWhite));  // code 0: a white disc
    EXPECT_TRUE(IsColour(f.at(106, 87), red));    // the flare above right
}

struct HelpCase {
    const char* name;
    int32_t width, scale, centred;
    int32_t x;
    const char* text;
};

class ChartHelp : public ::testing::TestWithParam<HelpCase> {};

TEST_P(ChartHelp, TheHelpLineFollowsCentringZoomAndWidth) {
    const HelpCase& c = GetParam();
    ViewFixture f(c.width, 768);
    f.g.chartView.scale = c.scale;
    f.g.chartView.centreOnBoat = c.centred;
    const StatusText t = ChartHelpLine(f.g);
    EXPECT_EQ(t.x, c.x);
    EXPECT_EQ(t.y, 24);
    EXPECT_EQ(t.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    States, ChartHelp,
    ::testing::Values(
        HelpCase{"Centred", 1024, 8, 1, 204,
                 "ｽﾞｰﾑｲﾝは Z を押す。ｽﾞｰﾑｱｳﾄは X を押す。海図を動かしｽﾞｰﾑするには右ｸﾘｯｸする。     "},
        HelpCase{"WholeView", 1024, 32, 0, 256, "ｽﾞｰﾑｲﾝはその場所の中心で右ｸﾘｯｸする。               "},
        HelpCase{"Narrow", 900, 8, 0, 225,
                 "ｽﾞｰﾑｲﾝはその場所の中心で右ｸﾘｯｸする。ｽﾞｰﾑｱｳﾄは X を押す。            "},
        HelpCase{"Wide", 901, 8, 0, 225,
                 "ｽﾞｰﾑｲﾝはその場所の中心で右ｸﾘｯｸする。ｽﾞｰﾑｱｳﾄは X を押す。海図は矢印キーで動かす。                "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartStatus, StartInstructionShortensBelow901Pixels) {
    EXPECT_STREQ(StartInstruction(900), "始めるためにｽﾀｰﾄ地点にﾎﾟｲﾝﾀｰを移動し、左ｸﾘｯｸする。         ");
    EXPECT_STREQ(StartInstruction(901),
                 "始めるためにｽﾀｰﾄ地点にﾎﾟｲﾝﾀｰを移動し、左ｸﾘｯｸする。ｽﾞｰﾑｲﾝはその場所で右ｸﾘｯｸする。ｽﾞｰﾑｱｳﾄはXを押す。"
                 "                      ");
}

TEST(ChartStatus, PassageBonusTextByWidth) {
    EXPECT_STREQ(PassageBonusInstruction(5, 700),
                 "航海ﾎﾞｰﾅｽを得るためにはFloridaの赤い円の中で左ｸﾘｯｸする。Chubb小島かその北で終了。                ");
    EXPECT_STREQ(PassageBonusInstruction(5, 900),
                 "航海ﾎﾞｰﾅｽを得るためにはFloridaの赤い円の中で左ｸﾘｯｸする。ｱﾝｶｰﾘﾝｸﾞする。Chubb小島かその北で終了。"
                 "                                ");
    EXPECT_STREQ(PassageBonusInstruction(5, 901),
                 "航海ﾎﾞｰﾅｽを稼ぐためにはFloridaの赤い円の中で左ｸﾘｯｸする。ｱﾝｶｰﾘﾝｸﾞする。Chubb小島かその北で終了。"
                 "                                 ");
    EXPECT_STREQ(PassageBonusInstruction(8, 640),
                 "航海ﾎﾞｰﾅｽを得るためにはShelburneの赤い円の中で左ｸﾘｯｸする。Maineで終了。       ");
    EXPECT_STREQ(PassageBonusInstruction(1, 1024), "");
}

TEST(ChartStatus, TargetWaypointReadsMilesAndMagneticBearingFromTheBoat) {
    ViewFixture f;
    ChartView& c = f.g.chartView;
    f.g.navState.variation = 14;
    c.waypointX[3] = 0;
    c.waypointY[3] = -750;  // 2.5 miles due north of the boat at the origin
    c.waypointAdvanceCount = 3;
    EXPECT_EQ(TargetWaypointText(f.g), "Waypt 3: 2.5 海里、     14 度 ");
    c.rangeBearingTool = 1;
    EXPECT_EQ(TargetWaypointText(f.g), "");
}

TEST(ChartStatus, DividerShowsMilesMagneticBearingAndItsReciprocal) {
    ViewFixture f;
    ChartView& c = f.g.chartView;
    f.g.navState.variation = 14;
    c.rangeBearingTool = 1;
    c.toolAnchorSet = 1;
    c.toolDistance = 69;
    c.toolBearing = 350;
    EXPECT_EQ(RangeBearingText(f.g), "ﾃﾞｨﾊﾞｲﾀﾞ: 6.9 mi, 4 deg M (184)");
}

TEST(ChartStatus, CentreOnBoatBoxTogglesAndConsumesTheClick) {
    ViewFixture f;
    f.clickAt(40, 60);
    EXPECT_TRUE(HandleChartStatusClick(f.g));
    EXPECT_EQ(f.g.chartView.centreOnBoat, 1);
    EXPECT_EQ(f.g.inputState.clickY, 0);
    f.clickAt(40, 35);
    EXPECT_TRUE(HandleChartStatusClick(f.g));
    EXPECT_EQ(f.g.screenState.chartShown, 0);
    f.clickAt(40, 48);  // between the boxes
    EXPECT_FALSE(HandleChartStatusClick(f.g));
}

}  // namespace
}  // namespace vel
