#include "views/overlays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sailing_view_fixture.h"
#include "views/sea.h"

namespace vel {
namespace {

bool Shows(const std::vector<AlertLine>& alerts, int32_t x, int32_t y, const std::string& text) {
    return std::any_of(alerts.begin(), alerts.end(),
                       [&](const AlertLine& a) { return a.x == x && a.y == y && a.text == text; });
}

std::unique_ptr<Game> UnderWay() {
    auto g = test::ViewGame();
    g->boatDesign.draft = 6;
    g->ownBoat.depth = 40;
    return g;
}

TEST(Alerts, NoneInOpenWater) { EXPECT_TRUE(CurrentAlerts(*UnderWay()).empty()); }

TEST(Alerts, ShoalWaterAndAground) {
    auto g = UnderWay();
    g->ownBoat.depth = 8;  // at least the draft, less than draft + 3
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 400, 21, "       浅瀬                "));
    g->ownBoat.depth = 9;
    EXPECT_TRUE(CurrentAlerts(*g).empty());
    g->ownBoat.depth = 6;
    g->cruiseOptions.depthAlarm = 0;  // the alarm switched off
    EXPECT_TRUE(CurrentAlerts(*g).empty());
    g->ownBoat.depth = 5;
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 400, 21, "       座礁！           "));
}

TEST(Alerts, ShoalWarningNeedsAWorkingAlarmUnderWay) {
    auto g = UnderWay();
    g->ownBoat.depth = 7;
    g->failures.failed[2] = 1;
    EXPECT_TRUE(CurrentAlerts(*g).empty());
    g->failures.failed[2] = 0;
    g->ownBoat.anchored = 1;
    EXPECT_FALSE(Shows(CurrentAlerts(*g), 400, 21, "       浅瀬                "));
}

TEST(Alerts, ContactsAndBackingDown) {
    auto g = UnderWay();
    g->hazards.contact = 1;
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 400, 21, " 桟橋に衝突。艇が損傷した。Nｷｰを押せ      "));
    g->hazards.contact = 2;
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 400, 21, " 杭に衝突。艇が損傷した。Nｷｰを押せ。        "));
    g->hazards.contact = 0;
    g->ownBoat.speed = -3;
    g->ownBoat.sailsUp = 1;
    g->ownBoat.trueWindAngle = 20;
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 400, 21, " 風位に立った。ﾊﾞｯｸしている    "));
    g->ownBoat.trueWindAngle = 50;
    EXPECT_TRUE(CurrentAlerts(*g).empty());
}

TEST(Alerts, FailureBannerLastsFifteenMinutes) {
    auto g = UnderWay();
    g->failures.lastKind = 4;
    g->failures.shownAt[3] = 600.0;
    g->simClock.dayMinutes = 614.9;
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 400, 36, "ｴﾝｼﾞﾝ故障停止"));
    g->simClock.dayMinutes = 615.0;
    EXPECT_TRUE(CurrentAlerts(*g).empty());
    test::Canvas c(1024, 488);
    drawAlertLines(c.dc, *g);
    EXPECT_EQ(g->failures.shownAt[3], -400.0);
}

TEST(Alerts, AnchorBannersWhileTheDisplayIsOn) {
    auto g = UnderWay();
    g->ownBoat.anchorStatusShown = 1;
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 0, 21, " 全ｱﾝｶｰ収納     "));
    g->anchors.anchor[1][1] = 3;
    g->anchorState.lineLength1 = 150;
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 1, 21, " ｱﾝｶｰ1投錨完了   ﾗｲﾝ  150 ft "));
    g->anchors.anchor[1][2] = -1;
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 0, 35, " ｱﾝｶｰ2が利いてない "));
}

TEST(Alerts, PayingOutShowsTheLineRunningOut) {
    auto g = UnderWay();
    g->anchors.anchor[1][1] = 2;  // setting: the banner shows without the display
    g->anchorState.payingOut = 1;
    g->anchorState.lineLength1 = 100;
    g->anchorState.distance = 4;
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 0, 21, " ｱﾝｶｰﾗｲﾝの長さ   40 ft "));
    g->cruiseOptions.anchor1Chain = 1;
    g->anchorState.distance = 30;  // never more than the line
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 0, 21, " ｱﾝｶｰﾁｪｰﾝの長さ   100 ft "));
}

TEST(Alerts, TouchingTheFishingFleetEndsTheCruise) {
    auto g = UnderWay();
    g->hazards.closestVessel = 5;
    test::Canvas c(1024, 488);
    drawAlertLines(c.dc, *g);
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 400, 21, "ｱﾝｶｰﾘﾝｸﾞ艇に衝突     "));
    EXPECT_EQ(g->hazards.contactBeeped, 1);
    ASSERT_EQ(g->soundRequests.size(), 1u);
    EXPECT_EQ(g->soundRequests[0].id, 0);
    EXPECT_EQ(g->score.endReason, 0);
    drawAlertLines(c.dc, *g);
    EXPECT_EQ(g->soundRequests.size(), 1u);  // one beep only

    g->areaGrid.region = 6;
    g->ownBoat.x = 100.0;
    EXPECT_TRUE(Shows(CurrentAlerts(*g), 400, 21, "漁船に衝突      "));
    drawAlertLines(c.dc, *g);
    EXPECT_EQ(g->score.endReason, 2);
    EXPECT_EQ(g->screenState.resultsState, 1);
}

TEST(SeaState, LabelByWavesAndFog) {
    EXPECT_STREQ(SeaStateText(0, false), "波なし");
    EXPECT_STREQ(SeaStateText(3, true), "かなり大波、霧 ");
    EXPECT_STREQ(SeaStateText(7, false), "非常な大波     ");
    EXPECT_STREQ(SeaStateText(-1, true), "波なし、霧 ");
}

// ---- fog -------------------------------------------------------------------------

TEST(Fog, TargetByWeather) {
    auto g = test::ViewGame();
    g->weather.exposure = 900;
    EXPECT_EQ(FogTarget(*g, 440), 0);
    g->weather.fog = 1;
    EXPECT_EQ(FogTarget(*g, 440), 2 * (440 + 72) / 5);  // 204
    g->weather.exposure = 899;  // sheltered: the fog lies lower by a tenth of the height
    EXPECT_EQ(FogTarget(*g, 440), 204 - 72);
    g->viewState.night = 1;
    EXPECT_EQ(FogTarget(*g, 440), 204);
    g->weather.storm = 2;
    EXPECT_EQ(FogTarget(*g, 440), (72 + 440) / 2);
}

TEST(Fog, RollsInOverAboutTwentyFramesAndOutAgain) {
    auto g = test::ViewGame();
    g->weather.fog = 1;
    g->weather.exposure = 900;
    test::Canvas c(1024, 488);
    const ViewRect view{0, 0, 1024, 488};  // boat row 440: target 204
    drawFog(c.dc, *g, view);
    EXPECT_EQ(g->viewState.fogLine, 204 / 9);
    for (int frame = 1; frame < 20; ++frame) drawFog(c.dc, *g, view);
    EXPECT_GT(g->viewState.fogLine, 180);
    EXPECT_LE(g->viewState.fogLine, 204);
    EXPECT_EQ(c.at(500, 100), gfx::Rgb(127, 127, 127));
    g->weather.fog = 0;
    for (int frame = 0; frame < 20; ++frame) drawFog(c.dc, *g, view);
    EXPECT_LT(g->viewState.fogLine, 30);
    for (int frame = 0; frame < 60; ++frame) drawFog(c.dc, *g, view);
    EXPECT_EQ(g->viewState.fogLine, 0);
}

}  // namespace
}  // namespace vel
