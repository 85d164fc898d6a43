#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <tuple>

#include "shell/commands.h"
#include "shell_fixture.h"

namespace vel {
namespace {

using testing::CruisingGame;
using testing::TitleGame;

bool Enabled(const Game& g, int32_t id) { return FindCommand(id)->enabled(g); }
bool Checked(const Game& g, int32_t id) {
    const Command* c = FindCommand(id);
    return c->checked && c->checked(g);
}

TEST(CommandTable, EveryRowHasTextPromptAndRules) {
    for (const Command& c : Commands()) {
        EXPECT_NE(c.text, nullptr) << c.id;
        EXPECT_GT(std::string_view(c.prompt).size(), 0u) << c.id;
        EXPECT_TRUE(c.run && c.enabled) << c.id;
    }
    EXPECT_EQ(FindCommand(1), nullptr);
}

// Enabled and checked, on the title screen and in a cruise; check marks follow
// their fields whether or not the item can be chosen.
TEST(CommandTable, StatesOnTheTitleScreenAndInACruise) {
    const struct {
        int32_t id;
        bool enabled, checked;
    } title[] = {
        {32771, true, false},  {32774, false, false}, {32828, false, false}, {32837, false, false},
        {32780, true, true},   {32776, true, false},  {32963, true, true},   {32959, true, false},
        {32977, true, false},  {32797, true, true},   {32796, true, false},  {32801, true, false},
        {32957, false, false}, {32805, true, true},   {32809, true, false},  {32910, true, true},
        {32912, true, true},   {32916, true, false},  {32954, true, true},   {32847, true, true},
        {32836, true, true},   {32898, false, true},  {32810, false, false}, {32772, false, false},
        {32872, true, true},   {32881, false, true},  {32884, false, true},  {32892, false, false},
        {32900, false, false}, {32817, false, false}, {32827, false, true},  {32849, false, false},
        {32862, false, false}, {32918, true, false},  {32939, false, false}, {32926, true, true},
    },
      cruise[] = {
          {32771, false, false}, {32774, true, false},  {32828, true, false},  {32780, false, true},
          {32963, false, true},  {32809, false, false}, {32988, true, false},  {32838, true, false},
          {32829, true, false},  {32830, true, false},  {32831, false, false}, {32832, false, false},
          {32810, true, false},  {32811, false, false}, {32772, false, false}, {32813, false, false},
          {32881, true, true},   {32882, true, false},  {32884, true, true},   {32890, false, false},
          {32892, true, false},  {32893, false, true},  {32900, true, false},  {32902, false, false},
          {32817, true, false},  {32818, true, true},   {32827, true, false},  {32849, true, false},
          {32850, false, false}, {32857, false, true},  {32862, true, false},  {32864, false, true},
          {32869, false, false}, {32939, true, false},
      };
    const auto check = [](const Game& g, const auto& rows) {
        for (const auto& r : rows)
            EXPECT_EQ(std::pair(Enabled(g, r.id), Checked(g, r.id)), std::pair(r.enabled, r.checked)) << r.id;
    };
    check(*TitleGame(), title);
    check(*CruisingGame(), cruise);
}

TEST(CommandTable, DisabledChangesNothingAndCommandsRestartAFrozenPictureButStopDoesNot) {
    auto t = TitleGame();
    EXPECT_EQ(RunCommand(*t, 32774), CommandResult::Disabled);
    EXPECT_EQ(t->screenState.resultsStep, 0);
    EXPECT_EQ(RunCommand(*t, 1), CommandResult::Unknown);
    auto g = CruisingGame();
    g->screenState.frozen = 1;
    RunCommand(*g, 32884);
    EXPECT_EQ(g->screenState.frozen, 0);
    g->screenState.frozen = 1;
    RunCommand(*g, 32837);
    EXPECT_EQ(std::pair(g->screenState.paused, g->screenState.frozen), std::pair(1, 1));
    RunCommand(*g, 32837);  // resuming lets the picture run again
    EXPECT_EQ(std::pair(g->screenState.paused, g->screenState.frozen), std::pair(0, 0));
}

TEST(SpeedCommands, FasterAndSlowerStopAtTheLimitsAndRememberTheResultSpeedItemsDoNot) {
    auto g = TitleGame();
    CruiseOptions& o = g->cruiseOptions;
    SetSpeed(o, 15);
    RunCommand(*g, 32949);
    EXPECT_EQ(std::tuple(o.simSpeed, o.stepDivisor, o.savedSpeed, o.savedStepDivisor), std::tuple(15, 10, 15, 10));
    SetSpeed(o, 1);
    RunCommand(*g, 32950);
    EXPECT_EQ(std::tuple(o.simSpeed, o.stepDivisor, o.savedSpeed, o.savedStepDivisor),
              std::tuple(1, 2919, 1, 2919));
    RunCommand(*g, 32949);
    EXPECT_EQ(std::tuple(o.simSpeed, o.savedStepDivisor), std::tuple(2, 1946));
    RunCommand(*g, 32843);
    EXPECT_EQ(std::tuple(o.simSpeed, o.stepDivisor, o.savedSpeed), std::tuple(5, 577, 2));
    EXPECT_TRUE(Checked(*g, 32843));
    EXPECT_FALSE(Checked(*g, 32847));
}

TEST(AnchorCommands, LetGoIsCheckedOnlyOnceTheAnchorHoldsAndAnchorUpRestoresTheSpeed) {
    auto g = CruisingGame();
    g->simClock.hour = 14;
    SetSpeed(g->cruiseOptions, 12);
    RunCommand(*g, 32862);
    EXPECT_EQ(g->anchors.anchor[1][1], 1);
    EXPECT_FALSE(Checked(*g, 32862));
    EXPECT_FALSE(Enabled(*g, 32862));
    g->anchors.anchor[1][1] = 3;
    EXPECT_TRUE(Checked(*g, 32862));
    g->anchors.anchor[1][2] = 2;
    g->ownBoat.tenderAnchorBearing = 90;
    SetSpeed(g->cruiseOptions, 15);
    RunCommand(*g, 32864);
    EXPECT_EQ(std::tuple(g->anchors.anchor[1][1], g->anchors.anchor[1][2], g->ownBoat.tenderAnchorBearing),
              std::tuple(0, 0, -1));
    EXPECT_EQ(std::tuple(g->simClock.stopHour, g->cruiseOptions.simSpeed, g->cruiseOptions.stepDivisor),
              std::tuple(-1, 12, 34));
    EXPECT_TRUE(Checked(*g, 32864));
}

TEST(AnchorCommands, TenderNeedsAHoldingAnchorOrShallowWater) {
    auto g = CruisingGame();
    g->ownBoat.depth = 8;
    EXPECT_FALSE(Enabled(*g, 32866));
    g->ownBoat.depth = 7;
    EXPECT_TRUE(Enabled(*g, 32866));
    g->ownBoat.depth = 30;
    g->anchors.anchor[1][1] = 3;
    RunCommand(*g, 32866);
    EXPECT_EQ(std::pair(g->anchors.anchor[1][2], g->ownBoat.tenderAnchorBearing), std::pair(2, 90));
}

TEST(SailCommands, AHeadsailStopsTheEngineAndWeighsAnchorTheSpinnakerComesDownToAJib) {
    auto g = CruisingGame();
    OwnBoat& b = g->ownBoat;
    b.sailsUp = 0;
    b.throttle = 3;
    b.twinSplit = b.spinnaker = 1;
    g->anchors.anchor[1][1] = 2;
    g->simClock.speedBeforeStop = 6;
    g->simClock.divisorBeforeStop = 384;
    RunCommand(*g, 32817);
    EXPECT_EQ(std::tuple(b.headsail, b.sailsUp, b.throttle, b.twinSplit, b.spinnaker, g->anchors.anchor[1][1]),
              std::tuple(1, 1, 0, 0, 0, 0));
    EXPECT_EQ(g->cruiseOptions.simSpeed, 6);
    EXPECT_TRUE(Checked(*g, 32817));
    // Down it leaves the genoa or storm jib, otherwise sets the working jib.
    for (auto [before, after] : {std::pair{1, 1}, {3, 3}, {2, 2}, {0, 2}}) {
        b.headsail = before;
        b.spinnaker = 1;
        RunCommand(*g, 32820);
        EXPECT_EQ(std::pair(b.spinnaker, b.headsail), std::pair(0, after)) << before;
    }
}

TEST(EngineCommands, ThrottleStepsDriveTheAnchorOutAndSplitIsForTwoScrews) {
    auto g = CruisingGame();
    RunCommand(*g, 32849);
    EXPECT_EQ(std::tuple(g->ownBoat.gear, g->ownBoat.throttle, g->ownBoat.sailsUp), std::tuple(3, 1, 0));
    for (int32_t t : {3, 7, 10}) {
        RunCommand(*g, 32922);
        EXPECT_EQ(g->ownBoat.throttle, t);
    }
    EXPECT_FALSE(Enabled(*g, 32922));
    // Idle ahead is 3 x 1; slow ahead is 3 x 3 and drags the anchor out.
    g->anchors.anchor[1][1] = 3;
    RunCommand(*g, 32851);
    EXPECT_EQ(g->anchors.anchor[1][1], 3);
    RunCommand(*g, 32852);
    EXPECT_EQ(g->anchors.anchor[1][1], 0);
    EXPECT_FALSE(Enabled(*g, 32855));
    g->ownBoat.screws = 2;
    g->cruiseOptions.boatType = 4;
    RunCommand(*g, 32856);
    EXPECT_EQ(g->ownBoat.twinSplit, -1);
    EXPECT_TRUE(Checked(*g, 32856));
    g->cruiseOptions.boatType = 2;
    EXPECT_FALSE(Checked(*g, 32856));
}

TEST(ForecastCommand, ClosesAnOpenHelpPageInsteadOfToggling) {
    auto g = CruisingGame();
    g->screenState.helpPage = 4;
    g->screenState.paused = 1;
    g->inputState.clickY = 200;
    RunCommand(*g, 32828);
    const ScreenState& s = g->screenState;
    EXPECT_EQ(std::tuple(s.helpPage, s.paused, s.forecastShown, g->inputState.clickY), std::tuple(0, 0, 0, 0));
    RunCommand(*g, 32828);
    EXPECT_EQ(s.forecastShown, 1);
    EXPECT_TRUE(Checked(*g, 32828));
}

}  // namespace
}  // namespace vel
