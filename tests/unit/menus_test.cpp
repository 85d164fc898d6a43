// Menus, options, dialogs and the control panel's buttons.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "shell/commands.h"
#include "shell/dialogs.h"
#include "shell/options.h"
#include "shell/panel_buttons.h"
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

// Enabled and checked, on the title screen and in a cruise; check marks follow
// their fields whether or not the item can be chosen.
TEST(CommandTable, StatesOnTheTitleScreenAndInACruise) {
    using Row = std::tuple<int32_t, bool, bool>;
    const Row title[] = {{32771, 1, 0}, {32774, 0, 0}, {32828, 0, 0}, {32837, 0, 0}, {32780, 1, 1}, {32776, 1, 0},
                         {32963, 1, 1}, {32959, 1, 0}, {32977, 1, 0}, {32797, 1, 1}, {32796, 1, 0}, {32801, 1, 0},
                         {32957, 0, 0}, {32805, 1, 1}, {32809, 1, 0}, {32910, 1, 1}, {32912, 1, 1}, {32913, 1, 0},
                         {32916, 1, 0}, {32954, 1, 1}, {32847, 1, 1}, {32836, 1, 1}, {32898, 0, 1}, {32810, 0, 0},
                         {32772, 0, 0}, {32872, 1, 1}, {32881, 0, 1}, {32884, 0, 1}, {32892, 0, 0}, {32900, 0, 0},
                         {32817, 0, 0}, {32827, 0, 1}, {32849, 0, 0}, {32862, 0, 0}, {32918, 1, 0}, {32939, 0, 0},
                         {32926, 1, 1}};
    const Row cruise[] = {{32771, 0, 0}, {32774, 1, 0}, {32828, 1, 0}, {32780, 0, 1}, {32963, 0, 1}, {32809, 0, 0},
                          {32988, 1, 0}, {32838, 1, 0}, {32829, 1, 0}, {32830, 1, 0}, {32831, 0, 0}, {32832, 0, 0},
                          {32810, 1, 0}, {32811, 0, 0}, {32772, 0, 0}, {32813, 0, 0}, {32881, 1, 1}, {32882, 1, 0},
                          {32884, 1, 1}, {32890, 0, 0}, {32892, 1, 0}, {32893, 0, 1}, {32900, 1, 0}, {32902, 0, 0},
                          {32817, 1, 0}, {32818, 1, 1}, {32827, 1, 0}, {32849, 1, 0}, {32850, 0, 0}, {32857, 0, 1},
                          {32862, 1, 0}, {32864, 0, 1}, {32869, 0, 0}, {32939, 1, 0}};
    const auto check = [](const Game& g, const auto& rows) {
        for (const auto& [id, enabled, checked] : rows)
            EXPECT_EQ(std::pair(Enabled(g, id), Checked(g, id)), std::pair(enabled, checked)) << id;
    };
    check(*TitleGame(), title);
    check(*CruisingGame(), cruise);
    auto g = CruisingGame();  // sails down, looking left, the first anchor let go
    std::tie(g->ownBoat.sailsUp, g->viewState.lookOffset, g->anchors.anchor[1][1]) = std::tuple(0, -30, 1);
    const Row moored[] = {{32883, 0, 0}, {32886, 1, 1}, {32885, 1, 0}, {32918, 0, 0}, {32984, 1, 0}};
    check(*g, moored);
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
    RunCommand(*g, 32837);  // mended: resuming lets the picture run again
    EXPECT_EQ(std::pair(g->screenState.paused, g->screenState.frozen), std::pair(0, 0));
    g->screenState.forecastShown = 1;  // mended: the forecast item is checked while shown
    EXPECT_TRUE(Checked(*g, 32828));
}

TEST(SpeedCommands, FasterAndSlowerStopAtTheLimitsAndRememberTheResultSpeedItemsDoNot) {
    auto g = TitleGame();
    CruiseOptions& o = g->cruiseOptions;
    // From the speed given (0: as the last step left it), the command, then speed
    // and divisor in force and remembered.
    for (auto [from, id, speed, divisor, saved, savedDivisor] :
         {std::tuple{15, 32949, 15, 10, 15, 10}, {1, 32950, 1, 2919, 1, 2919}, {0, 32949, 2, 1946, 2, 1946},
          {0, 32843, 5, 577, 2, 1946}}) {
        if (from) SetSpeed(o, from);
        RunCommand(*g, id);
        EXPECT_EQ(std::tuple(o.simSpeed, o.stepDivisor, o.savedSpeed, o.savedStepDivisor),
                  std::tuple(speed, divisor, saved, savedDivisor))
            << id;
    }
    EXPECT_EQ(std::pair(Checked(*g, 32843), Checked(*g, 32847)), std::pair(true, false));
}

TEST(AnchorCommands, LetGoIsCheckedOnlyOnceTheAnchorHoldsAndAnchorUpRestoresTheSpeed) {
    auto g = CruisingGame();
    g->simClock.hour = 14;
    SetSpeed(g->cruiseOptions, 12);
    RunCommand(*g, 32862);
    EXPECT_EQ(std::tuple(g->anchors.anchor[1][1], Checked(*g, 32862), Enabled(*g, 32862)), std::tuple(1, false, false));
    g->anchors.anchor[1][1] = 3;
    EXPECT_TRUE(Checked(*g, 32862));
    std::tie(g->anchors.anchor[1][2], g->ownBoat.tenderAnchorBearing) = std::pair(2, 90);
    SetSpeed(g->cruiseOptions, 15);
    RunCommand(*g, 32864);
    EXPECT_EQ(std::tuple(g->anchors.anchor[1][1], g->anchors.anchor[1][2], g->ownBoat.tenderAnchorBearing,
                         g->simClock.stopHour, g->cruiseOptions.simSpeed, g->cruiseOptions.stepDivisor,
                         Checked(*g, 32864)),
              std::tuple(0, 0, -1, -1, 12, 34, true));
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
    std::tie(b.sailsUp, b.throttle, b.twinSplit, b.spinnaker, g->anchors.anchor[1][1]) = std::tuple(0, 3, 1, 1, 2);
    std::tie(g->simClock.speedBeforeStop, g->simClock.divisorBeforeStop) = std::pair(6, 384);
    RunCommand(*g, 32817);
    EXPECT_EQ(std::tuple(b.headsail, b.sailsUp, b.throttle, b.twinSplit, b.spinnaker, g->anchors.anchor[1][1],
                         g->cruiseOptions.simSpeed, Checked(*g, 32817)),
              std::tuple(1, 1, 0, 0, 0, 0, 6, true));
    // Down it leaves the genoa or storm jib, otherwise sets the working jib.
    for (auto [before, after] : {std::pair{1, 1}, {3, 3}, {2, 2}, {0, 2}}) {
        std::tie(b.headsail, b.spinnaker) = std::pair(before, 1);
        RunCommand(*g, 32820);
        EXPECT_EQ(std::pair(b.spinnaker, b.headsail), std::pair(0, after)) << before;
    }
}

TEST(EngineCommands, ThrottleStepsAndDrivingHardAheadDragsTheAnchorOut) {
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

}

TEST(Options, IntroCourseSetsItsOwnSwitchesAndClearsEveryTrouble) {
    auto g = TitleGame();
    CruiseOptions& o = g->cruiseOptions;
    std::tie(o.areaCode, o.region, o.isPassage, o.difficulty) = std::tuple(12, 2, 1, 8);
    o.troubleFog = o.troubleNoGps = o.troubleNoRadar = o.troubleNoDepthAlarm = o.troubleNoEngine = 1;
    RunCommand(*g, 32977);
    EXPECT_EQ(std::tuple(o.introCourse, o.areaCode, o.region, o.isPassage, o.difficulty, o.noFailElectronics,
                         o.noFailEngine),
              std::tuple(1, 1, 2, 0, 1, 1, 1));
    EXPECT_EQ(o.troubleNoGps + o.troubleNoRadar + o.troubleNoDepthAlarm + o.troubleNoEngine + o.troubleStrongWind +
                  o.troubleFog + o.currentsOn,
              0);
    // The course is not the southern coast, though it sails there.
    EXPECT_EQ(std::pair(Checked(*g, 32963), Checked(*g, 32977)), std::pair(false, true));
}

TEST(Options, AreaChoicesLeaveTheCourseAndSetThePassageFlag) {
    for (auto [id, area, region, passage] : {std::tuple{32959, 1, 1, 0}, {32979, 4, 1, 0}, {32966, 4, 2, 0},
                                             {32976, 2, 3, 0}, {32967, 5, 5, 1}, {32970, 8, 6, 1},
                                             {32971, 20, 1, 0}, {32975, 30, 3, 0}}) {
        auto g = TitleGame();
        g->cruiseOptions.introCourse = 1;
        RunCommand(*g, id);
        const CruiseOptions& o = g->cruiseOptions;
        EXPECT_EQ(std::tuple(o.areaCode, o.region, o.isPassage, o.introCourse), std::tuple(area, region, passage, 0))
            << id;
        EXPECT_TRUE(Checked(*g, id)) << id;
    }
}

TEST(Options, NoFailureSwitchesClearTheirTroublesOnlyWhenSwitchedOnAndFogExcludesNoFog) {
    auto g = TitleGame();
    CruiseOptions& o = g->cruiseOptions;
    o.troubleNoGps = o.troubleNoRadar = o.troubleNoDepthAlarm = o.troubleNoEngine = 1;
    RunCommand(*g, 32803);
    EXPECT_EQ(
        std::tuple(o.noFailElectronics, o.troubleNoGps, o.troubleNoRadar, o.troubleNoDepthAlarm, o.troubleNoEngine),
        std::tuple(1, 0, 0, 0, 1));
    o.troubleNoGps = 1;
    RunCommand(*g, 32803);
    EXPECT_EQ(std::pair(o.noFailElectronics, o.troubleNoGps), std::pair(0, 1));
    RunCommand(*g, 32802);
    EXPECT_EQ(std::pair(o.noFailEngine, o.troubleNoEngine), std::pair(1, 0));
    RunCommand(*g, 32991);
    RunCommand(*g, 32796);
    EXPECT_EQ(std::pair(o.troubleFog, o.noFog), std::pair(1, 0));
    RunCommand(*g, 32991);
    EXPECT_EQ(std::pair(o.troubleFog, o.noFog), std::pair(0, 1));
}

TEST(Options, TrawlerTakesTheWheelAndNeverLosesItsEngine) {
    auto g = TitleGame();
    CruiseOptions& o = g->cruiseOptions;
    o.helm = -1;
    RunCommand(*g, 32808);
    EXPECT_EQ(
        std::tuple(o.boatType, o.helm, o.noFailEngine, Checked(*g, 32802), Enabled(*g, 32802), Enabled(*g, 32911)),
        std::tuple(4, 1, 1, true, false, false));
    RunCommand(*g, 32806);
    EXPECT_EQ(o.noFailEngine, 0);
    // On the course the sailboat keeps its engine safe.
    RunCommand(*g, 32977);
    RunCommand(*g, 32807);
    RunCommand(*g, 32805);
    EXPECT_EQ(o.noFailEngine, 1);
    // Mended: the no-moonlight item, for passages only, darkens the nights it checks.
    EXPECT_FALSE(Enabled(*g, 32957));
    RunCommand(*g, 32968);
    RunCommand(*g, 32957);
    EXPECT_EQ(std::tuple(o.troubleNoMoonlight, g->weather.moonlight, Checked(*g, 32957)), std::tuple(1, 0, true));
}

TEST(DesignDialog, EveryButtonSetsWhatItsLabelSays) {
    auto g = std::make_unique<Game>();
    EXPECT_EQ(CheckedChoice(*g, DialogId::Design, 0), -1);  // nothing chosen yet
    const RadioGroup& lengths = DialogFor(DialogId::Design).groups[0];
    ASSERT_EQ(lengths.choices.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(PressRadio(*g, DialogId::Design, 0, i).has_value());
        EXPECT_EQ(std::pair(g->cruiseOptions.designLength, CheckedChoice(*g, DialogId::Design, 0)),
                  std::pair(std::atoi(lengths.choices[i].label), i))
            << lengths.choices[i].label;
    }
    for (auto [group, choice, field, value] :
         {std::tuple{1, 0, &CruiseOptions::designDisplacement, 11}, {1, 3, &CruiseOptions::designDisplacement, 8},
          {2, 0, &CruiseOptions::designSailArea, 11}, {2, 2, &CruiseOptions::designSailArea, 9},
          {3, 0, &CruiseOptions::designRig, 80}, {3, 1, &CruiseOptions::designRig, 100}}) {
        PressRadio(*g, DialogId::Design, group, choice);
        EXPECT_EQ(g->cruiseOptions.*field, value) << group << "/" << choice;
    }
    // Buttons out of range change nothing.
    EXPECT_FALSE(PressRadio(*g, DialogId::Design, 4, 0).has_value());
    EXPECT_FALSE(PressRadio(*g, DialogId::Design, 0, 6).has_value());
    EXPECT_EQ(g->cruiseOptions.designLength, std::atoi(lengths.choices[5].label));
    EXPECT_EQ(CheckedChoice(*g, DialogId::RadiusEntry, 9), -1);
}

std::vector<std::string> Shown(const Game& g) {
    std::vector<std::string> labels;
    for (const PanelButtonRow& b : ColumnButtons(ColumnFor(g)))
        if (ButtonShown(b, g)) labels.emplace_back(b.label);
    return labels;
}

const PanelButtonRow& Button(const Game& g, const std::string& label) {
    for (const PanelButtonRow& b : ColumnButtons(ColumnFor(g)))
        if (label == b.label && ButtonShown(b, g)) return b;
    throw std::runtime_error("no button " + label);
}

TEST(PanelColumns, StateChoosesTheColumnAndItsShownButtons) {
    auto g = std::make_unique<Game>();
    g->ownBoat.sailsUp = 1;
    EXPECT_EQ(ColumnFor(*g), ButtonColumn::Sails);
    std::tie(g->ownBoat.sailsUp, g->ownBoat.throttle) = std::pair(0, 1);
    EXPECT_EQ(ColumnFor(*g), ButtonColumn::Engine);
    g->ownBoat.throttle = 0;
    EXPECT_EQ(ColumnFor(*g), ButtonColumn::Stopped);
    EXPECT_EQ(Shown(*g), (std::vector<std::string>{"ｾｰﾙ  ", "ｴﾝｼﾞﾝ ", "ｱﾝｶｰ1ﾚｯｺ"}));
    std::tie(g->ownBoat.atPier, g->anchors.anchor[1][1]) = std::pair(1, 3);
    EXPECT_EQ(Shown(*g), (std::vector<std::string>{"放す    ", "ｱﾝｶｰ ｱｯﾌﾟ", "ｾｰﾙ  ", "ｴﾝｼﾞﾝ "}));
    std::tie(g->cruiseOptions.boatType, g->ownBoat.atPier, g->anchors.anchor[1][1]) = std::tuple(3, 0, 0);
    EXPECT_EQ(Shown(*g), (std::vector<std::string>{"ｴﾝｼﾞﾝ ", "ｱﾝｶｰ1ﾚｯｺ"}));
}

TEST(PanelButtons, MoreAndLessSailStepThroughThePlan) {
    auto g = std::make_unique<Game>();
    OwnBoat& b = g->ownBoat;
    std::tie(b.sailsUp, b.headsail, b.reefed, b.trueWindAngle) = std::tuple(1, 3, 1, 120);
    const PanelButtonRow& more = Button(*g, "ｾｰﾙ大    ");
    const PanelButtonRow& less = Button(*g, "ｾｰﾙ小    ");
    for (auto [button, headsail, reefed, spinnaker] :
         {std::tuple{&more, 2, 1, 0}, {&more, 2, 0, 0}, {&more, 1, 0, 0}, {&more, 1, 0, 1}, {&less, 1, 0, 0},
          {&less, 2, 0, 0}, {&less, 2, 1, 0}, {&less, 3, 1, 0}}) {
        button->act(*g);
        EXPECT_EQ(std::tuple(b.headsail, b.reefed, b.spinnaker), std::tuple(headsail, reefed, spinnaker));
    }
    // Close to the wind the genoa is as much as she carries.
    b.trueWindAngle = 100;
    b.headsail = 1;
    more.act(*g);
    EXPECT_EQ(b.spinnaker, 0);
}

}  // namespace
}  // namespace vel
