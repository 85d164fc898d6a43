#include <gtest/gtest.h>

#include <tuple>

#include "view_fixture.h"
#include "views/chart.h"
#include "views/chart_layers.h"
#include "views/chart_status.h"
#include "views/lights.h"

namespace vel {
namespace {

using test::ViewFixture;

// A straight coast 3500 units north of the centre line (168 pixels above the
// centre row 364) and, but for the coast area, the opposite bank as far south.
void DrawStraightShore(ViewFixture& f, int32_t areaCode, gfx::Color sea) {
    AreaGrid& a = f.g.areaGrid;
    a.areaCode = areaCode;
    a.coastBaseY = -3500;
    for (int32_t i = 1; i <= 284; ++i) {
        const bool second = areaCode != 1 && i >= 143;
        a.coastX[i] = -10000 + (second ? i - 142 : i) * 140;
        a.coastY[i] = second ? 3500 : -3500;
    }
    PrepareChartFrame(f.g);
    auto dc = f.freshDc(sea);
    DrawShoreBands(*dc, f.g, MainChartFrame(f.g));
}

int32_t Count(const ViewFixture& f, int32_t x0, int32_t x1, int32_t y0, int32_t y1, gfx::Color c, bool is = true) {
    int32_t n = 0;
    for (int32_t x = x0; x < x1; ++x)
        for (int32_t y = y0; y < y1; ++y) n += (f.at(x, y) == c) == is;
    return n;
}

TEST(ChartShore, LandOnTheMainlandSideAndTheFarBankWithDepthTicksOffshore) {
    for (auto [area, south] : {std::pair{1, false}, {3, true}}) {
        ViewFixture f;
        DrawStraightShore(f, area, gfx::kWhite);
        EXPECT_EQ(std::tuple(f.at(512, 150), f.at(512, 364) == test::kLand, f.at(512, 580) == test::kLand),
                  std::tuple(test::kLand, false, south))
            << area;
    }
    // Rows height / 60 = 12 and height / 120 = 6 pixels south of the shore.
    ViewFixture f;
    DrawStraightShore(f, 1, test::kWater);
    EXPECT_GT(Count(f, 100, 900, 206, 211, gfx::kWhite), 100);
    EXPECT_GT(Count(f, 100, 900, 200, 205, gfx::kWhite), 100);
    EXPECT_EQ(Count(f, 100, 900, 180, 191, gfx::kWhite), 0);
}

TEST(ChartOwnBoat, HiddenWithoutGps) {
    for (const bool gps : {true, false}) {
        ViewFixture f;
        f.g.screenState.startPlaced = f.g.chartView.openedThisCruise = 1;
        f.g.ownBoat.x = 2600;  // 124.8 pixels east and north of the centre
        f.g.ownBoat.y = -2600;
        f.g.cruiseOptions.troubleNoGps = !gps;
        auto dc = f.freshDc();
        drawChart(*dc, f.g);
        dc.reset();
        EXPECT_EQ(f.at(640, 240) == test::kYellow, gps);  // the cross, 4 pixels east of the boat
    }
}

TEST(ChartStatus, TheHelpAndStartLinesFollowCentringZoomAndWidth) {
    for (auto [width, scale, centred, x, text] : {
             std::tuple{1024, 8, 1, 204,
                        "ｽﾞｰﾑｲﾝは Z を押す。ｽﾞｰﾑｱｳﾄは X を押す。海図を動かしｽﾞｰﾑするには右ｸﾘｯｸする。     "},
             {1024, 32, 0, 256, "ｽﾞｰﾑｲﾝはその場所の中心で右ｸﾘｯｸする。               "},
             {900, 8, 0, 225, "ｽﾞｰﾑｲﾝはその場所の中心で右ｸﾘｯｸする。ｽﾞｰﾑｱｳﾄは X を押す。            "},
             {901, 8, 0, 225,
              "ｽﾞｰﾑｲﾝはその場所の中心で右ｸﾘｯｸする。ｽﾞｰﾑｱｳﾄは X を押す。海図は矢印キーで動かす。                "}}) {
        ViewFixture f(width, 768);
        f.g.chartView.scale = scale;
        f.g.chartView.centreOnBoat = centred;
        const StatusText t = ChartHelpLine(f.g);
        EXPECT_EQ(std::tuple(t.x, t.y, t.text), std::tuple(x, 24, std::string(text))) << width;
    }
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

TEST(ChartStatus, WaypointAndDividerReadMilesAndMagneticBearings) {
    ViewFixture f;
    ChartView& c = f.g.chartView;
    f.g.navState.variation = 14;
    c.waypointX[3] = 0;
    c.waypointY[3] = -750;  // 2.5 miles due north of the boat at the origin
    c.waypointAdvanceCount = 3;
    EXPECT_EQ(TargetWaypointText(f.g), "Waypt 3: 2.5 海里、     14 度 ");
    c.rangeBearingTool = c.toolAnchorSet = 1;
    EXPECT_EQ(TargetWaypointText(f.g), "");
    c.toolDistance = 69;
    c.toolBearing = 350;
    EXPECT_EQ(RangeBearingText(f.g), "ﾃﾞｨﾊﾞｲﾀﾞ: 6.9 mi, 4 deg M (184)");
}

}  // namespace
}  // namespace vel
