#include <gtest/gtest.h>

#include <ostream>

#include "app/frame.h"
#include "common/helpers.h"
#include "fake_host.h"
#include "shell/input.h"
#include "shell/pacer.h"
#include "shell/settings.h"

namespace vel {
namespace {

using testing::EnterRunningCruise;
using testing::FakeHost;
using testing::NewGame;

class Lifecycle : public ::testing::Test {
protected:
    std::unique_ptr<Game> g = NewGame();
    FakeHost host;
    FrameDriver driver{768};
    Display display{};  // 1024 x 768

    FrameResult Frame() { return driver.run(*g, host, display); }
    ScreenState& s() { return g->screenState; }
};

TEST_F(Lifecycle, FromTitleThroughACruiseAndBack) {
    Frame();
    EXPECT_EQ(s().phase, 0);

    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(s().phase, 1);
    EXPECT_EQ(s().chartShown, 1);

    // The set-up frame goes straight on to the forecast.
    FrameResult setup = Frame();
    EXPECT_EQ(s().phase, 2);
    EXPECT_EQ(s().forecastShown, 1);
    EXPECT_EQ(s().chartShown, 1);
    EXPECT_EQ(setup.notBefore, host.ticks + 200);
    EXPECT_EQ(g->objectList.count, 49);
    EXPECT_EQ(g->simClock.day, 1);

    OnKeyDown(*g, vk::Space);  // forecast away, chart up: the start is not placed
    EXPECT_EQ(s().forecastShown, 0);
    EXPECT_EQ(s().chartShown, 1);
    Frame();
    EXPECT_EQ(g->simClock.elapsed, 0.0);

    OnLButtonDown(*g, 300, 200);
    EXPECT_EQ(s().startPlaced, 1);
    Frame();
    EXPECT_EQ(g->simClock.elapsed, 0.0);  // the chart stops time

    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(s().chartShown, 0);
    Frame();
    EXPECT_NEAR(g->simClock.elapsed, 30.0 / 114, 1e-12);

    g->simClock.day = 3;
    g->score.endReason = 2;
    g->chartView.centreOnBoat = 1;
    OnKeyDown(*g, vk::Letter('N'));
    EXPECT_EQ(s().resultsStep, 1);
    EXPECT_EQ(s().chartShown, 0);
    EXPECT_EQ(s().forecastShown, 0);
    const double elapsed = g->simClock.elapsed;
    FrameResult results = Frame();
    EXPECT_EQ(results.notBefore, host.ticks + 200);  // the results page stands
    EXPECT_EQ(g->simClock.elapsed, elapsed);
    EXPECT_EQ(s().phase, 2);

    OnKeyDown(*g, vk::Letter('N'));
    EXPECT_EQ(s().phase, 0);
    EXPECT_EQ(g->simClock.day, 1);
    EXPECT_EQ(g->score.endReason, 0);
    EXPECT_EQ(s().chartShown, 1);
    EXPECT_EQ(s().startPlaced, 0);
    EXPECT_EQ(s().forecastShown, 0);
    EXPECT_EQ(s().resultsState, 0);
    EXPECT_EQ(s().resultsStep, 0);
    EXPECT_EQ(g->chartView.centreOnBoat, 0);
}

TEST_F(Lifecycle, SetUpSeedsTheRandomTableWithTheForcedSeed) {
    g->forcedSeed = 1;
    s().phase = 1;
    Frame();
    // srand(1): rand() 41, 18467, 6334, 26500, 19169 over 320.
    EXPECT_EQ(g->randomTable.r100[0], 0);
    EXPECT_EQ(g->randomTable.r100[1], 57);
    EXPECT_EQ(g->randomTable.r100[2], 19);
    EXPECT_EQ(g->randomTable.r100[3], 82);
    EXPECT_EQ(g->randomTable.r100[4], 59);
    EXPECT_EQ(g->trigTables.cos100[0], 100);
}

TEST_F(Lifecycle, SetUpSeedsWithTheWallClockWhenNotForced) {
    g->forcedSeed.reset();
    host.seed = 1;
    s().phase = 1;
    Frame();
    EXPECT_EQ(g->randomTable.r100[1], 57);
}

TEST_F(Lifecycle, NextCruiseIsIgnoredOnTheTitle) {
    OnKeyDown(*g, vk::Letter('N'));
    EXPECT_EQ(s().resultsStep, 0);
    EXPECT_EQ(s().phase, 0);
}

TEST_F(Lifecycle, NextCruiseClosesHelpAndResumes) {
    EnterRunningCruise(*g);
    s().helpPage = 4;
    s().paused = 1;
    s().frozen = 1;
    OnKeyDown(*g, vk::Letter('N'));
    EXPECT_EQ(s().resultsStep, 1);
    EXPECT_EQ(s().helpPage, 0);
    EXPECT_EQ(s().paused, 0);
    EXPECT_EQ(s().frozen, 0);
}

TEST_F(Lifecycle, SpaceClosesHelpBeforeItResumes) {
    Frame();  // title: tables and widths
    EnterRunningCruise(*g);
    s().paused = 1;
    s().helpPage = 3;

    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(s().helpPage, 0);
    EXPECT_EQ(s().paused, 1);
    Frame();
    EXPECT_EQ(g->simClock.elapsed, 0.0);

    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(s().paused, 0);
    Frame();
    EXPECT_GT(g->simClock.elapsed, 0.0);
}

TEST_F(Lifecycle, HelpPageStopsTime) {
    Frame();
    EnterRunningCruise(*g);
    s().helpPage = 2;
    Frame();
    EXPECT_EQ(g->simClock.elapsed, 0.0);
}

TEST_F(Lifecycle, PausedFrameRedrawsWithoutTickOrPacing) {
    Frame();
    EnterRunningCruise(*g);
    SetSpeed(g->cruiseOptions, 1);
    s().paused = 1;
    FrameResult r = Frame();
    EXPECT_EQ(g->simClock.elapsed, 0.0);
    EXPECT_TRUE(r.invalidate);
    EXPECT_EQ(r.notBefore, host.ticks);
}

TEST_F(Lifecycle, ChartOffBeforeTheStartIsPlacedDrawsNothing) {
    Frame();
    s().phase = 2;
    s().forecastShown = 0;
    s().chartShown = 0;
    s().startPlaced = 0;
    FrameResult r = Frame();
    EXPECT_EQ(g->simClock.elapsed, 0.0);
    const gfx::Surface& p = *r.picture;
    for (int y = 0; y < p.height(); y += 7)
        for (int x = 0; x < p.width(); x += 7) ASSERT_EQ(p.pixel(x, y), gfx::kBlack) << x << "," << y;
}

TEST_F(Lifecycle, FrozenFrameDoesNotAskForTheNext) {
    s().frozen = 1;
    EXPECT_FALSE(Frame().invalidate);
    s().frozen = 0;
    EXPECT_TRUE(Frame().invalidate);
}

TEST_F(Lifecycle, TitleInvalidatesOnlyItsPicture) {
    // 1024 x 768: width 1024, height 729, vScale 1.6.
    FrameResult r = Frame();
    EXPECT_EQ(r.invalid.left, 512);
    EXPECT_EQ(r.invalid.top, 121);     // 729 / 6
    EXPECT_EQ(r.invalid.right, 921);   // 1024 * 9 / 10
    EXPECT_EQ(r.invalid.bottom, 506);  // 729 * 3 / 4 - trunc(1.6 * 25)
    EXPECT_TRUE(r.invalidate);
}

TEST_F(Lifecycle, TitleWithHelpAndCruiseScreensInvalidateEverything) {
    s().helpPage = 1;
    FrameResult help = Frame();
    EXPECT_EQ(help.invalid.left, 0);
    EXPECT_EQ(help.invalid.top, 0);
    EXPECT_EQ(help.invalid.right, 1024);
    EXPECT_EQ(help.invalid.bottom, 729);

    s().helpPage = 0;
    EnterRunningCruise(*g);
    FrameResult running = Frame();
    EXPECT_EQ(running.invalid.left, 0);
    EXPECT_EQ(running.invalid.top, 0);
    EXPECT_EQ(running.invalid.right, 1024);
    EXPECT_EQ(running.invalid.bottom, 729);
}

TEST_F(Lifecycle, TitleFrameStandsForATenthOfASecond) {
    host.ticks = 5000;
    EXPECT_EQ(Frame().notBefore, 5100u);
    s().slowFrames = 1;
    EXPECT_EQ(Frame().notBefore, 5100u);
}

TEST_F(Lifecycle, PictureIsTheDrawingArea) {
    FrameResult r = Frame();
    EXPECT_EQ(r.picture->width(), 1024);
    EXPECT_EQ(r.picture->height(), 729);
}

TEST_F(Lifecycle, QueuedSoundsGoToTheHostOnceAfterTheFrame) {
    g->soundRequests.push_back(SoundRequest{141, PlayMode::NoInterrupt});
    g->soundRequests.push_back(SoundRequest{0, PlayMode::Plain});
    Frame();
    ASSERT_EQ(host.played.size(), 1u);
    EXPECT_EQ(host.played[0], (std::vector<SoundRequest>{{141, PlayMode::NoInterrupt}, {0, PlayMode::Plain}}));
    EXPECT_TRUE(g->soundRequests.empty());
    Frame();
    EXPECT_EQ(host.played.size(), 1u);
}

// ---- The tick wrapper ---------------------------------------------------------------

struct EndCase {
    const char* what;
    int day, endReason, resultsStep;
    bool ticks;
    int resultsState, resultsStepAfter;
    bool stops;  // help, pause, forecast, chart and speed cleared
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.what; }

class EndOfCruise : public ::testing::TestWithParam<EndCase> {};

TEST_P(EndOfCruise, TickDecidesWhetherTheCruiseIsOver) {
    const EndCase& c = GetParam();
    auto g = NewGame();
    BuildTrigTables(g->trigTables);
    g->areaGrid.unitsPerMile = 300;
    EnterRunningCruise(*g);
    ScreenState& s = g->screenState;
    g->simClock.day = c.day;
    g->score.endReason = c.endReason;
    s.resultsStep = c.resultsStep;
    s.helpPage = 5;
    s.paused = 1;
    s.forecastShown = 1;
    s.chartShown = 1;
    g->ownBoat.speedExact = 55.0;

    Pacer pacer(0);
    SimulationTick(*g, pacer);
    EXPECT_EQ(g->simClock.elapsed > 0.0, c.ticks) << c.what;
    EXPECT_EQ(s.resultsState, c.resultsState) << c.what;
    EXPECT_EQ(s.resultsStep, c.resultsStepAfter) << c.what;
    if (c.stops) {
        EXPECT_EQ(s.helpPage, 0) << c.what;
        EXPECT_EQ(s.paused, 0) << c.what;
        EXPECT_EQ(s.forecastShown, 0) << c.what;
        EXPECT_EQ(s.chartShown, 0) << c.what;
        EXPECT_EQ(g->ownBoat.speedExact, 0.0) << c.what;
    } else {
        EXPECT_EQ(s.helpPage, 5) << c.what;
        EXPECT_EQ(s.paused, 1) << c.what;
        // The speed model may change it; only the end of the cruise zeroes it.
        EXPECT_NE(g->ownBoat.speedExact, 0.0) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EndOfCruise,
                         ::testing::Values(EndCase{"day 5 runs", 5, 0, 0, true, 0, 0, false},
                                           EndCase{"day 6 ends", 6, 0, 0, false, 1, 1, true},
                                           EndCase{"collision ends", 2, 1, 0, false, 1, 1, true},
                                           // The simulation shows the results itself for reason 2.
                                           EndCase{"reason 2 alone ticks on", 2, 2, 0, true, 0, 0, false},
                                           EndCase{"results asked for", 2, 0, 1, false, 1, 1, false},
                                           EndCase{"results asked for after reason 2", 2, 2, 1, false, 1, 1, true}));

struct PaceCase {
    int speed;
    int slowFrames;
    uint32_t holdMs;
};

void PrintTo(const PaceCase& c, std::ostream* os) {
    *os << "speed " << c.speed << (c.slowFrames ? ", slow frames" : "");
}

class TickPacing : public ::testing::TestWithParam<PaceCase> {};

TEST_P(TickPacing, MinimumTickTimeBySpeed) {
    const PaceCase& c = GetParam();
    auto g = NewGame();
    BuildTrigTables(g->trigTables);
    g->areaGrid.unitsPerMile = 300;
    EnterRunningCruise(*g);
    SetSpeed(g->cruiseOptions, c.speed);
    g->screenState.slowFrames = c.slowFrames;
    Pacer pacer(40000);
    SimulationTick(*g, pacer);
    EXPECT_EQ(pacer.notBefore(), 40000u + c.holdMs) << "speed " << c.speed;
}

INSTANTIATE_TEST_SUITE_P(Speeds, TickPacing,
                         ::testing::Values(PaceCase{1, 0, 100}, PaceCase{2, 0, 100}, PaceCase{3, 0, 50},
                                           PaceCase{4, 0, 50}, PaceCase{5, 0, 20}, PaceCase{6, 0, 0}, PaceCase{9, 0, 0},
                                           PaceCase{15, 0, 0}, PaceCase{9, 1, 100}, PaceCase{3, 1, 100},
                                           PaceCase{15, 2, 100}));

TEST(TickPacingWrap, CounterWrapDoesNoHarm) {
    auto g = NewGame();
    BuildTrigTables(g->trigTables);
    EnterRunningCruise(*g);
    SetSpeed(g->cruiseOptions, 1);
    Pacer pacer(0xFFFFFFF0u);
    SimulationTick(*g, pacer);
    EXPECT_EQ(pacer.notBefore(), 0x54u);  // 0xFFFFFFF0 + 100, wrapped
}

TEST(WaveMotionFrame, TheBoatPitchesOnRunningFramesAndHoldsStillWhenPaused) {
    auto g = NewGame();
    FakeHost host;
    FrameDriver driver(768);
    driver.run(*g, host, Display{});
    EnterRunningCruise(*g);
    SetSpeed(g->cruiseOptions, 9);  // the cycle wraps past 114 / 3 frames
    driver.run(*g, host, Display{});
    driver.run(*g, host, Display{});
    EXPECT_EQ(g->waveMotion.bouncecount, 2);
    g->screenState.paused = 1;
    driver.run(*g, host, Display{});
    EXPECT_EQ(g->waveMotion.bouncecount, 2);
}

TEST(TickPacingFrame, RunningFrameHoldsBySpeed) {
    auto g = NewGame();
    FakeHost host;
    FrameDriver driver(768);
    driver.run(*g, host, Display{});
    EnterRunningCruise(*g);
    SetSpeed(g->cruiseOptions, 3);
    EXPECT_EQ(driver.run(*g, host, Display{}).notBefore, host.ticks + 50);
    SetSpeed(g->cruiseOptions, 12);
    EXPECT_EQ(driver.run(*g, host, Display{}).notBefore, host.ticks);
}

}  // namespace
}  // namespace vel
