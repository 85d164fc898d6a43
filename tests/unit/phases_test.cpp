#include <gtest/gtest.h>

#include <tuple>

#include "app/frame.h"
#include "common/helpers.h"
#include "fake_host.h"
#include "shell/input.h"
#include "shell/pacer.h"
#include "shell/settings.h"

namespace vel {
namespace {

using testing::DrivenGame;
using testing::EnterRunningCruise;
using testing::NewGame;

// The phases as a user walks them, with the frame driver's own promises
// along the way.
TEST(Lifecycle, SetUpForecastChartRunningResultsAndBackToTheTitle) {
    DrivenGame d;
    Game& g = d.g;
    ScreenState& s = g.screenState;
    d.frame();
    OnKeyDown(g, vk::Space);
    const FrameResult setup = d.frame();  // the set-up frame goes straight on to the forecast
    EXPECT_EQ(std::tuple(s.phase, s.forecastShown, setup.notBefore, g.objectList.count, g.simClock.day),
              std::tuple(2, 1, d.host.ticks + 200, 49, 1));
    OnKeyDown(g, vk::Space);
    d.frame();
    OnLButtonDown(g, 300, 200);
    d.frame();
    EXPECT_EQ(g.simClock.elapsed, 0.0);  // the chart stops time, before and after the start is placed
    OnKeyDown(g, vk::Space);
    d.frame();
    EXPECT_NEAR(g.simClock.elapsed, 30.0 / 114, 1e-12);
    g.simClock.day = 3;
    g.score.endReason = 2;
    g.chartView.centreOnBoat = 1;
    OnKeyDown(g, vk::Letter('N'));
    const double elapsed = g.simClock.elapsed;
    const FrameResult results = d.frame();
    EXPECT_EQ(std::tuple(results.notBefore, g.simClock.elapsed, s.phase), std::tuple(d.host.ticks + 200, elapsed, 2));
    OnKeyDown(g, vk::Letter('N'));
    EXPECT_EQ(std::tuple(s.phase, g.simClock.day, g.score.endReason, s.chartShown, s.startPlaced, s.forecastShown,
                         s.resultsState, s.resultsStep, g.chartView.centreOnBoat),
              std::tuple(0, 1, 0, 1, 0, 0, 0, 0, 0));
}

TEST(Lifecycle, HelpAndPauseStopTimeAndSpaceClosesHelpBeforeItResumes) {
    DrivenGame d;
    d.frame();  // title: tables and widths
    EnterRunningCruise(d.g);
    d.g.screenState.helpPage = 2;
    d.frame();
    EXPECT_EQ(d.g.simClock.elapsed, 0.0);
    d.g.screenState.paused = 1;
    d.g.screenState.helpPage = 3;
    OnKeyDown(d.g, vk::Space);
    EXPECT_EQ(std::pair(d.g.screenState.helpPage, d.g.screenState.paused), std::pair(0, 1));
    SetSpeed(d.g.cruiseOptions, 1);
    const FrameResult paused = d.frame();  // redrawn without a tick or pacing
    EXPECT_EQ(std::tuple(d.g.simClock.elapsed, paused.invalidate, paused.notBefore),
              std::tuple(0.0, true, d.host.ticks));
    OnKeyDown(d.g, vk::Space);
    EXPECT_EQ(d.g.screenState.paused, 0);
    d.frame();
    EXPECT_GT(d.g.simClock.elapsed, 0.0);
}

TEST(Frames, QueuedSoundsGoToTheHostOnceAfterTheFrame) {
    DrivenGame d;
    d.g.soundRequests = {{141, PlayMode::NoInterrupt}, {0, PlayMode::Plain}};
    d.frame();
    d.frame();
    ASSERT_EQ(d.host.played.size(), 1u);
    EXPECT_EQ(d.host.played[0], (std::vector<SoundRequest>{{141, PlayMode::NoInterrupt}, {0, PlayMode::Plain}}));
    EXPECT_TRUE(d.g.soundRequests.empty());
}

std::unique_ptr<Game> RunningCruise() {
    auto g = NewGame();
    BuildTrigTables(g->trigTables);
    g->areaGrid.unitsPerMile = 300;
    EnterRunningCruise(*g);
    return g;
}

// Day 6 ending the cruise is the fifth-midnight script's. The simulation
// shows the results itself for reason 2; help, pause, forecast, chart and
// speed are cleared when the cruise stops.
TEST(Tick, DecidesWhetherTheCruiseIsOver) {
    const struct {
        const char* what;
        int day, endReason, resultsStep;
        bool ticks, stops;
    } cases[] = {
        {"collision ends", 2, 1, 0, false, true},
        {"reason 2 alone ticks on", 2, 2, 0, true, false},
        {"results asked for", 2, 0, 1, false, false},
        {"results asked for after reason 2", 2, 2, 1, false, true},
        {"the fifth day sailed", 5, 0, 0, true, false},
        {"past the fifth midnight", 6, 0, 0, false, true},
    };
    for (const auto& c : cases) {
        auto g = RunningCruise();
        ScreenState& s = g->screenState;
        std::tie(g->simClock.day, g->score.endReason, s.resultsStep) = std::tuple(c.day, c.endReason, c.resultsStep);
        std::tie(s.helpPage, s.paused, s.forecastShown, s.chartShown) = std::tuple(5, 1, 1, 1);
        g->ownBoat.speedExact = 55.0;
        Pacer pacer(0);
        SimulationTick(*g, pacer);
        EXPECT_EQ(std::tuple(g->simClock.elapsed > 0.0, s.resultsState, s.resultsStep),
                  std::tuple(c.ticks, c.ticks ? 0 : 1, c.ticks ? 0 : 1))
            << c.what;
        if (c.stops)
            EXPECT_EQ(std::tuple(s.helpPage, s.paused, s.forecastShown, s.chartShown, g->ownBoat.speedExact),
                      std::tuple(0, 0, 0, 0, 0.0))
                << c.what;
        else  // the speed model may change it; only the end of the cruise zeroes it
            EXPECT_TRUE(s.helpPage == 5 && s.paused == 1 && g->ownBoat.speedExact != 0.0) << c.what;
    }
}

TEST(Tick, MinimumTickTimeBySpeedAndACounterWrapDoesNoHarm) {
    for (auto [speed, slowFrames, holdMs] :
         {std::tuple{2, 0, 100u}, {3, 0, 50u}, {4, 0, 50u}, {5, 0, 20u}, {6, 0, 0u}, {9, 1, 100u}, {3, 1, 100u}}) {
        for (uint32_t start : {40000u, 0xFFFFFFF0u}) {
            auto g = RunningCruise();
            SetSpeed(g->cruiseOptions, speed);
            g->screenState.slowFrames = slowFrames;
            Pacer pacer(start);
            SimulationTick(*g, pacer);
            EXPECT_EQ(pacer.notBefore(), start + holdMs) << speed << " " << slowFrames;
        }
    }
}

}  // namespace
}  // namespace vel
