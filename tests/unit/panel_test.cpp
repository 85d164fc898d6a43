#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/frame.h"
#include "fake_host.h"
#include "shell/input.h"
#include "shell/panel_buttons.h"

namespace vel {
namespace {

std::vector<std::string> Shown(const Game& g) {
    std::vector<std::string> labels;
    for (const PanelButtonRow& b : ColumnButtons(ColumnFor(g)))
        if (ButtonShown(b, g)) labels.emplace_back(b.label);
    return labels;
}

const PanelButtonRow& Button(const Game& g, const std::string& label) {
    for (const PanelButtonRow& b : ColumnButtons(ColumnFor(g)))
        if (label == b.label && ButtonShown(b, g)) return b;
    for (const PanelButtonRow& b : ViewButtons())
        if (label == b.label) return b;
    throw std::runtime_error("no button " + label);
}

TEST(PanelColumns, StateChoosesEngineSailsOrStopped) {
    auto g = std::make_unique<Game>();
    EXPECT_EQ(ColumnFor(*g), ButtonColumn::Stopped);
    g->ownBoat.sailsUp = 1;
    EXPECT_EQ(ColumnFor(*g), ButtonColumn::Sails);
    g->ownBoat.sailsUp = 0;
    g->ownBoat.throttle = 1;
    EXPECT_EQ(ColumnFor(*g), ButtonColumn::Engine);
}

TEST(PanelColumns, StoppedSailboatFreeToAnchor) {
    auto g = std::make_unique<Game>();
    EXPECT_EQ(Shown(*g), (std::vector<std::string>{"ｾｰﾙ  ", "ｴﾝｼﾞﾝ ", "ｱﾝｶｰ1ﾚｯｺ"}));
    g->ownBoat.atPier = 1;
    g->anchors.anchor[1][1] = 3;
    EXPECT_EQ(Shown(*g), (std::vector<std::string>{"放す    ", "ｱﾝｶｰ ｱｯﾌﾟ", "ｾｰﾙ  ", "ｴﾝｼﾞﾝ "}));
    g->cruiseOptions.boatType = 3;
    g->ownBoat.atPier = 0;
    g->anchors.anchor[1][1] = 0;
    EXPECT_EQ(Shown(*g), (std::vector<std::string>{"ｴﾝｼﾞﾝ ", "ｱﾝｶｰ1ﾚｯｺ"}));
}

TEST(PanelColumns, TwinTrawlerUnderPowerShowsTheSplitButtons) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.boatType = 4;
    g->ownBoat.throttle = 1;
    g->ownBoat.twinSplit = -1;
    EXPECT_EQ(Shown(*g), (std::vector<std::string>{"前進   ", "ﾆｭｰﾄﾗﾙ ", "後進   ", "加速 ", "減速 ", "左前進右後進",
                                                   "右前進左後進", "ｴﾝｼﾞﾝｵﾌ", "ｱﾝｶｰ1ﾚｯｺ"}));
    EXPECT_FALSE(Button(*g, "左前進右後進").dark(*g));
    EXPECT_TRUE(Button(*g, "右前進左後進").dark(*g));
}

TEST(PanelButtons, EngineButtonsWeighAnchorOnlyWhenDrivingHard) {
    auto g = std::make_unique<Game>();
    g->ownBoat.throttle = 1;
    g->ownBoat.gear = 3;
    g->anchors.anchor[1][1] = 3;
    Button(*g, "加速 ").act(*g);
    EXPECT_EQ(g->ownBoat.throttle, 3);
    EXPECT_EQ(g->anchors.anchor[1][1], 0);
    g->anchors.anchor[1][1] = 3;
    Button(*g, "減速 ").act(*g);
    EXPECT_EQ(g->ownBoat.throttle, 1);
    EXPECT_EQ(g->anchors.anchor[1][1], 3);
    Button(*g, "ｴﾝｼﾞﾝｵﾌ").act(*g);
    EXPECT_EQ(g->ownBoat.throttle, 0);
}

TEST(PanelButtons, SheetButtonAlternatesAndSaysWhatItWillDo) {
    auto g = std::make_unique<Game>();
    g->ownBoat.sailsUp = 1;
    g->ownBoat.autoTrim = 1;
    g->ownBoat.sheet = 12;
    const PanelButtonRow& sheet = Button(*g, "ｼｰﾄ  ");
    EXPECT_STREQ(DescriptionOf(sheet, *g), "  ﾒｲﾝｼｰﾄを全部出す。");
    sheet.act(*g);
    EXPECT_EQ(g->ownBoat.sheet, 47);
    EXPECT_EQ(g->ownBoat.autoTrim, 0);
    EXPECT_STREQ(DescriptionOf(sheet, *g), "  ﾒｲﾝｼｰﾄをﾍﾞｽﾄｽﾋﾟｰﾄﾞに調節する。");
    sheet.act(*g);
    EXPECT_EQ(g->ownBoat.autoTrim, 1);
}

TEST(PanelButtons, MoreAndLessSailStepThroughThePlan) {
    auto g = std::make_unique<Game>();
    OwnBoat& b = g->ownBoat;
    b.sailsUp = 1;
    b.headsail = 3;
    b.reefed = 1;
    b.trueWindAngle = 120;
    const PanelButtonRow& more = Button(*g, "ｾｰﾙ大    ");
    const PanelButtonRow& less = Button(*g, "ｾｰﾙ小    ");
    struct Step {
        const PanelButtonRow* button;
        int32_t headsail, reefed, spinnaker;
    };
    const Step steps[] = {{&more, 2, 1, 0}, {&more, 2, 0, 0}, {&more, 1, 0, 0}, {&more, 1, 0, 1},
                          {&less, 1, 0, 0}, {&less, 2, 0, 0}, {&less, 2, 1, 0}, {&less, 3, 1, 0}};
    for (const Step& s : steps) {
        s.button->act(*g);
        EXPECT_EQ(b.headsail, s.headsail);
        EXPECT_EQ(b.reefed, s.reefed);
        EXPECT_EQ(b.spinnaker, s.spinnaker);
    }
    // Close to the wind the genoa is as much as she carries.
    b.trueWindAngle = 100;
    b.headsail = 1;
    more.act(*g);
    EXPECT_EQ(b.spinnaker, 0);
}

TEST(PanelButtons, ReleaseFreesFromPierOrBuoyAndRestoresSpeed) {
    auto g = std::make_unique<Game>();
    g->ownBoat.onBuoy = 2;
    g->ownBoat.mooringLine = 2;
    g->ownBoat.speedExact = 3;
    g->simClock.stopHour = 20;
    g->simClock.speedBeforeStop = 7;
    g->simClock.divisorBeforeStop = 256;
    Button(*g, "放す    ").act(*g);
    EXPECT_EQ(g->ownBoat.onBuoy, 0);
    EXPECT_EQ(g->ownBoat.mooringLine, 0);
    EXPECT_EQ(g->ownBoat.atPier, 0);
    EXPECT_EQ(g->ownBoat.castOff, 1);
    EXPECT_EQ(g->ownBoat.speedExact, 0);
    EXPECT_EQ(g->simClock.stopHour, -1);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 7);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 256);
}

TEST(PanelButtons, LookButtonsTurnTheCompassWhenItIsInUse) {
    auto g = std::make_unique<Game>();
    g->viewState.compassMode = 1;
    g->viewState.compassBearingExact = 100;
    g->ownBoat.headingExact = 200;
    Button(*g, "左  ").act(*g);
    EXPECT_EQ(g->viewState.handBearing, 70);
    Button(*g, "後方  ").act(*g);
    EXPECT_EQ(g->viewState.handBearing, 20);
    EXPECT_EQ(g->viewState.lookOffset, 0);
    Button(*g, "hb保存 ").act(*g);
    EXPECT_EQ(g->viewState.savedBearing, 20);
    EXPECT_TRUE(Button(*g, "hb保存 ").dark(*g));
}

TEST(PanelButtons, SpeedButtonsStepWithinLimitsAndLeaveTheSavedPair) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.simSpeed = 15;
    SpeedButtons()[0].act(*g);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 15);
    SpeedButtons()[1].act(*g);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 14);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 15);
    EXPECT_EQ(g->cruiseOptions.savedSpeed, 9);
}

// The radar and the small mini chart cover the first data column: nothing of
// its lines shows between their right edge (336 at 1024 wide) and the second
// column (451), above the steering zone (626).
TEST(PanelDrawing, NothingOfTheCoveredColumnShowsBesideTheInset) {
    for (const bool radar : {true, false}) {
        auto g = testing::NewGame();
        testing::FakeHost host;
        FrameDriver driver(768);
        const Display display{};
        const auto frame = [&] { return driver.run(*g, host, display); };
        frame();
        OnKeyDown(*g, vk::Space);
        frame();
        OnKeyDown(*g, vk::Space);
        frame();
        OnLButtonDown(*g, 512, 300);
        frame();
        OnKeyDown(*g, vk::Space);
        frame();
        g->screenState.radarOn = radar ? 1 : 0;
        g->screenState.miniChartMode = 2;
        const FrameResult r = frame();
        const int32_t top = g->screenState.panelTop;
        ASSERT_EQ(top, 488);
        const gfx::Color panel = r.picture->pixel(337, top + 2);
        int32_t ink = 0;
        for (int32_t x = 337; x < 451; ++x)
            for (int32_t y = top + 2; y < 626; ++y) ink += r.picture->pixel(x, y) != panel;
        EXPECT_EQ(ink, 0) << (radar ? "radar" : "small mini chart");
    }
}

}  // namespace
}  // namespace vel
