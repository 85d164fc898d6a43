#include "views/overlays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "sailing_view_fixture.h"
#include "views/sea.h"

namespace vel {
namespace {

bool Shows(const Game& g, int32_t x, int32_t y, const std::string& text) {
    const std::vector<AlertLine> alerts = CurrentAlerts(g);
    return std::any_of(alerts.begin(), alerts.end(),
                       [&](const AlertLine& a) { return a.x == x && a.y == y && a.text == text; });
}

std::unique_ptr<Game> UnderWay() {
    auto g = test::ViewGame();
    g->boatDesign.draft = 6;
    g->ownBoat.depth = 40;
    return g;
}

TEST(Alerts, EachShowsInItsSituationAndNoneInOpenWater) {
    EXPECT_TRUE(CurrentAlerts(*UnderWay()).empty());
    const struct {
        std::function<void(Game&)> set;
        int32_t x, y;
        const char* text;
    } cases[] = {
        {[](Game& g) { g.ownBoat.depth = 8; }, 400, 21, "       浅瀬                "},
        {[](Game& g) { g.ownBoat.depth = 5; }, 400, 21, "       座礁！           "},
        {[](Game& g) { g.hazards.contact = 1; }, 400, 21, " 桟橋に衝突。艇が損傷した。Nｷｰを押せ      "},
        {[](Game& g) { g.hazards.contact = 2; }, 400, 21, " 杭に衝突。艇が損傷した。Nｷｰを押せ。        "},
        {[](Game& g) { g.ownBoat.speed = -3, g.ownBoat.sailsUp = 1, g.ownBoat.trueWindAngle = 20; }, 400, 21,
         " 風位に立った。ﾊﾞｯｸしている    "},
        {[](Game& g) { g.ownBoat.anchorStatusShown = 1; }, 0, 21, " 全ｱﾝｶｰ収納     "},
        {[](Game& g) { g.ownBoat.anchorStatusShown = 1, g.anchors.anchor[1][1] = 3, g.anchorState.lineLength1 = 150; },
         1, 21, " ｱﾝｶｰ1投錨完了   ﾗｲﾝ  150 ft "},
        {[](Game& g) { g.ownBoat.anchorStatusShown = 1, g.anchors.anchor[1][2] = -1; }, 0, 35, " ｱﾝｶｰ2が利いてない "},
        // Setting: the banner shows without the display, never more than the line.
        {[](Game& g) {
             g.anchors.anchor[1][1] = 2, g.anchorState.payingOut = 1, g.anchorState.lineLength1 = 100;
             g.anchorState.distance = 4;
         },
         0, 21, " ｱﾝｶｰﾗｲﾝの長さ   40 ft "},
        {[](Game& g) {
             g.anchors.anchor[1][1] = 2, g.anchorState.payingOut = 1, g.anchorState.lineLength1 = 100;
             g.cruiseOptions.anchor1Chain = 1, g.anchorState.distance = 30;
         },
         0, 21, " ｱﾝｶｰﾁｪｰﾝの長さ   100 ft "},
    };
    for (const auto& c : cases) {
        auto g = UnderWay();
        c.set(*g);
        EXPECT_TRUE(Shows(*g, c.x, c.y, c.text)) << c.text;
    }
    // No shoal warning at nine feet, with the alarm off or out of order, or at anchor.
    const std::function<void(Game&)> quiet[] = {
        [](Game& g) { g.ownBoat.depth = 9; },
        [](Game& g) { g.ownBoat.depth = 6, g.cruiseOptions.depthAlarm = 0; },
        [](Game& g) { g.ownBoat.depth = 7, g.failures.failed[2] = 1; },
        [](Game& g) { g.ownBoat.depth = 7, g.ownBoat.anchored = 1; },
        [](Game& g) { g.ownBoat.speed = -3, g.ownBoat.sailsUp = 1, g.ownBoat.trueWindAngle = 50; },
    };
    for (const auto& q : quiet) {
        auto g = UnderWay();
        q(*g);
        EXPECT_FALSE(Shows(*g, 400, 21, "       浅瀬                "));
        EXPECT_FALSE(Shows(*g, 400, 21, " 風位に立った。ﾊﾞｯｸしている    "));
    }
}

TEST(Alerts, TouchingAnAnchoredBoatBeepsOnceAndTheNovaScotiaFleetEndsTheCruise) {
    auto g = UnderWay();
    g->hazards.closestVessel = 5;
    test::Canvas c(1024, 488);
    drawAlertLines(c.dc, *g);
    drawAlertLines(c.dc, *g);
    EXPECT_TRUE(Shows(*g, 400, 21, "ｱﾝｶｰﾘﾝｸﾞ艇に衝突     "));
    EXPECT_EQ(std::tuple(g->hazards.contactBeeped, g->soundRequests.size(), g->score.endReason),
              std::tuple(1, 1u, 0));
    EXPECT_EQ(g->soundRequests[0].id, 0);
    g->areaGrid.region = 6;
    g->ownBoat.x = 100.0;
    EXPECT_TRUE(Shows(*g, 400, 21, "漁船に衝突      "));
    drawAlertLines(c.dc, *g);
    EXPECT_EQ(std::pair(g->score.endReason, g->screenState.resultsState), std::pair(2, 1));
}

}  // namespace
}  // namespace vel
