#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "shell/commands.h"
#include "shell/settings.h"

namespace vel {
namespace {

std::unique_ptr<Game> TitleScreen() {
    auto g = std::make_unique<Game>();
    ApplyMissingSettings(*g);
    return g;
}

// A cruise under way on the sailing view, sails up on the default monohull.
std::unique_ptr<Game> Cruising() {
    auto g = TitleScreen();
    ScreenState& s = g->screenState;
    s.phase = 2;
    s.startPlaced = 1;
    s.chartShown = 0;
    s.forecastShown = 0;
    g->ownBoat.sailsUp = 1;
    g->ownBoat.headsail = 2;
    g->chartView.fullScale = 75;
    g->chartView.scale = 32;
    return g;
}

bool Enabled(const Game& g, int32_t id) { return FindCommand(id)->enabled(g); }
bool Checked(const Game& g, int32_t id) {
    const Command* c = FindCommand(id);
    return c->checked && c->checked(g);
}

TEST(CommandTable, HoldsEveryMenuCommandExactlyOnce) {
    const std::vector<int32_t> expected = {
        32771, 32828, 32829, 32830, 32831, 32832, 32833, 32834, 32835, 32836, 32898, 32987, 32899, 32838, 32837,
        32774, 57665, 32776, 32777, 32778, 32779, 32780, 32781, 32782, 32783, 32784, 32785, 32959, 32960, 32978,
        32979, 32963, 32964, 32980, 32966, 32976, 32967, 32968, 32969, 32970, 32971, 32973, 32972, 32975, 32977,
        32796, 32797, 32798, 32799, 32800, 32801, 32941, 32957, 32803, 32802, 32805, 32806, 32807, 32808, 32809,
        32988, 32910, 32911, 32984, 32912, 32913, 32914, 32915, 32916, 32991, 32953, 32954, 32955, 32956, 32839,
        32840, 32841, 32842, 32843, 32844, 32845, 32846, 32847, 32848, 32944, 32945, 32946, 32947, 32948, 32949,
        32950, 32810, 32811, 32772, 32773, 32813, 32816, 32812, 32814, 32986, 32872, 32981, 32983, 32873, 32874,
        32875, 32876, 32877, 32878, 32879, 32880, 32881, 32882, 32883, 32884, 32885, 32886, 32887, 32888, 32890,
        32891, 32989, 32892, 32917, 32893, 32894, 32895, 32985, 32900, 32901, 32902, 32903, 32904, 32905, 32906,
        32907, 32908, 32909, 32817, 32818, 32819, 32820, 32821, 32822, 32823, 32824, 32825, 32826, 32827, 32849,
        32850, 32919, 32851, 32852, 32853, 32854, 32922, 32923, 32855, 32856, 32857, 32858, 32859, 32860, 32861,
        32862, 32863, 32864, 32865, 32866, 32867, 32868, 32918, 32990, 32869, 32870, 32871, 32924, 32925, 32927,
        32940, 32928, 32929, 32930, 32931, 32932, 32933, 32934, 32935, 32936, 32937, 32938, 32939, 32926, 59393,
        57664, 32996, 32997};
    std::multiset<int32_t> ids;
    for (const Command& c : Commands()) ids.insert(c.id);
    for (int32_t id : expected) EXPECT_EQ(ids.count(id), 1u) << id;
    EXPECT_EQ(ids.size(), expected.size());
}

TEST(CommandTable, EveryRowHasTextPromptAndRules) {
    for (const Command& c : Commands()) {
        EXPECT_NE(c.text, nullptr) << c.id;
        EXPECT_GT(std::string_view(c.prompt).size(), 0u) << c.id;
        EXPECT_NE(c.run, nullptr) << c.id;
        EXPECT_NE(c.enabled, nullptr) << c.id;
    }
}

TEST(CommandTable, PanSouthHasTheDownItem) {
    EXPECT_STREQ(FindCommand(32814)->text, "下へ  ↓");
    auto g = Cruising();
    g->screenState.chartShown = 1;
    g->chartView.scale = 8;
    g->chartView.panY = 100;
    EXPECT_EQ(RunCommand(*g, 32814), CommandResult::Done);
    EXPECT_EQ(g->chartView.panY, 100 + 30 * 8);
}

struct StateRow {
    int32_t id;
    bool enabled;
    bool checked;
};

TEST(CommandTable, TitleScreenStates) {
    auto g = TitleScreen();
    // Check marks follow their fields whether or not the item can be chosen.
    const StateRow rows[] = {
        {32771, true, false},   // start
        {32774, false, false},  // next cruise needs a cruise
        {32828, false, false},  {32837, false, false}, {32780, true, true},   // difficulty 5
        {32776, true, false},   {32963, true, true},   {32959, true, false},  // southern coast
        {32977, true, false},   {32797, true, true},   {32796, true, false},  // strong wind on by default
        {32801, true, false},   {32957, false, false},                        // moonlight only for passages
        {32802, true, false},   {32805, true, true},   {32809, true, false},  {32911, true, false},
        {32910, true, true},    {32912, true, true},   {32916, true, false},  {32954, true, true},
        {32847, true, true},    {32949, true, false},  {32836, true, true},   {32898, false, true},
        {32810, false, false},  {32811, false, false}, {32772, false, false}, {32872, true, true},
        {32881, false, true},   {32884, false, true}, {32892, false, false}, {32900, false, false},
        {32817, false, false},  {32827, false, true}, {32849, false, false}, {32862, false, false},
        {32918, true, false},   {32924, true, false},  {32939, false, false}, {32926, true, true},
        {59393, true, false},   {57664, true, false},  {57665, true, false},
    };
    for (const StateRow& r : rows) {
        EXPECT_EQ(Enabled(*g, r.id), r.enabled) << r.id;
        EXPECT_EQ(Checked(*g, r.id), r.checked) << r.id;
    }
}

TEST(CommandTable, CruiseStates) {
    auto g = Cruising();
    const StateRow rows[] = {
        {32771, false, false}, {32774, true, false},  {32828, true, false},  {32837, true, false},
        {32780, false, true},  {32963, false, true},  {32805, false, true},  {32809, false, false},
        {32988, true, false},  {32984, true, false},  {32838, true, false},  {32847, true, true},
        {32829, true, false},  {32830, true, false},  {32831, false, false}, {32832, false, false},
        {32810, true, false},  {32811, false, false}, {32772, false, false}, {32813, false, false},
        {32881, true, true},   {32882, true, false},  {32883, true, false},  {32884, true, true},
        {32888, true, false},  {32890, false, false}, {32892, true, false},  {32893, false, true},
        {32900, true, false},  {32902, false, false}, {32817, true, false},  {32818, true, true},
        {32827, true, false},  {32849, true, false},  {32850, false, false}, {32857, false, true},
        {32862, true, false},  {32864, false, true},  {32869, false, false}, {32918, true, false},
        {32939, true, false},
    };
    for (const StateRow& r : rows) {
        EXPECT_EQ(Enabled(*g, r.id), r.enabled) << r.id;
        EXPECT_EQ(Checked(*g, r.id), r.checked) << r.id;
    }
}

TEST(CommandTable, DisabledCommandChangesNothing) {
    auto g = TitleScreen();
    EXPECT_EQ(RunCommand(*g, 32774), CommandResult::Disabled);
    EXPECT_EQ(g->screenState.resultsStep, 0);
    EXPECT_EQ(RunCommand(*g, 1), CommandResult::Unknown);
}

TEST(CommandTable, CommandsRestartAFrozenPictureButStopDoesNot) {
    auto g = Cruising();
    g->screenState.frozen = 1;
    RunCommand(*g, 32884);
    EXPECT_EQ(g->screenState.frozen, 0);
    g->screenState.frozen = 1;
    RunCommand(*g, 32837);
    EXPECT_EQ(g->screenState.paused, 1);
    EXPECT_EQ(g->screenState.frozen, 1);
    // Resuming lets the picture run again.
    RunCommand(*g, 32837);
    EXPECT_EQ(g->screenState.paused, 0);
    EXPECT_EQ(g->screenState.frozen, 0);
}

struct ToggleRow {
    int32_t id;
    std::function<void(Game&)> setUp;
    std::function<int32_t&(Game&)> field;
};

TEST(CommandTable, ToggleRestoresOnSecondPress) {
    auto none = [](Game&) {};
    auto chart = [](Game& g) { g.screenState.chartShown = 1; };
    auto compass = [](Game& g) { g.viewState.compassMode = 1; };
    const ToggleRow rows[] = {
        {32898, none, [](Game& g) -> int32_t& { return g.cruiseOptions.depthAlarm; }},
        {32987, none, [](Game& g) -> int32_t& { return g.cruiseOptions.noTimeSkip; }},
        {32899, none, [](Game& g) -> int32_t& { return g.cruiseOptions.simpleGraphics; }},
        {32838, none, [](Game& g) -> int32_t& { return g.viewState.monochrome; }},
        {32988, none, [](Game& g) -> int32_t& { return g.cruiseOptions.cruisingSpinnaker; }},
        {32984, none, [](Game& g) -> int32_t& { return g.cruiseOptions.noBroaching; }},
        {32986, chart, [](Game& g) -> int32_t& { return g.chartView.centreOnBoat; }},
        {32872, none, [](Game& g) -> int32_t& { return g.chartView.showMarkNames; }},
        {32873, chart, [](Game& g) -> int32_t& { return g.chartView.waypointMode; }},
        {32878, chart, [](Game& g) -> int32_t& { return g.chartView.rangeBearingTool; }},
        {32879, chart, [](Game& g) -> int32_t& { return g.chartView.markAtClick; }},
        {32883, none, [](Game& g) -> int32_t& { return g.viewState.transparentSails; }},
        {32888, none, [](Game& g) -> int32_t& { return g.viewState.compassMode; }},
        {32989, compass, [](Game& g) -> int32_t& { return g.viewState.binoculars; }},
        {32820, none, [](Game& g) -> int32_t& { return g.ownBoat.spinnaker; }},
        {32821, none, [](Game& g) -> int32_t& { return g.ownBoat.reefed; }},
        {32822, none, [](Game& g) -> int32_t& { return g.ownBoat.wingAndWing; }},
        {32825, none, [](Game& g) -> int32_t& { return g.ownBoat.autoTrim; }},
        {32990, none, [](Game& g) -> int32_t& { return g.ownBoat.kellet; }},
        {32871, none, [](Game& g) -> int32_t& { return g.ownBoat.anchorStatusShown; }},
        {32926, none, [](Game& g) -> int32_t& { return g.cruiseOptions.buttonHelp; }},
        {32837, none, [](Game& g) -> int32_t& { return g.screenState.paused; }},
        {32828, none, [](Game& g) -> int32_t& { return g.screenState.forecastShown; }},
    };
    for (const ToggleRow& r : rows) {
        auto g = Cruising();
        r.setUp(*g);
        const int32_t before = r.field(*g);
        ASSERT_EQ(RunCommand(*g, r.id), CommandResult::Done) << r.id;
        EXPECT_NE(r.field(*g), before) << r.id;
        RunCommand(*g, r.id);
        EXPECT_EQ(r.field(*g), before) << r.id;
    }
}

TEST(CommandTable, OptionTogglesRestoreOnTheTitleScreen) {
    const std::pair<int32_t, int32_t CruiseOptions::*> rows[] = {
        {32796, &CruiseOptions::troubleFog},         {32797, &CruiseOptions::troubleStrongWind},
        {32798, &CruiseOptions::troubleNoGps},       {32799, &CruiseOptions::troubleNoRadar},
        {32800, &CruiseOptions::troubleNoDepthAlarm}, {32801, &CruiseOptions::troubleNoEngine},
        {32941, &CruiseOptions::troubleNoMiniChart}, {32803, &CruiseOptions::noFailElectronics},
        {32802, &CruiseOptions::noFailEngine},       {32916, &CruiseOptions::currentsOn},
        {32991, &CruiseOptions::noFog},              {32918, &CruiseOptions::anchor1Chain},
    };
    for (auto [id, field] : rows) {
        auto g = TitleScreen();
        const int32_t before = g->cruiseOptions.*field;
        RunCommand(*g, id);
        EXPECT_NE(g->cruiseOptions.*field, before) << id;
        RunCommand(*g, id);
        EXPECT_EQ(g->cruiseOptions.*field, before) << id;
    }
}

TEST(CommandTable, FasterAndSlowerStopAtTheLimitsAndRememberTheResult) {
    auto g = TitleScreen();
    SetSpeed(g->cruiseOptions, 15);
    RunCommand(*g, 32949);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 15);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 10);
    EXPECT_EQ(g->cruiseOptions.savedSpeed, 15);
    EXPECT_EQ(g->cruiseOptions.savedStepDivisor, 10);

    SetSpeed(g->cruiseOptions, 1);
    RunCommand(*g, 32950);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 1);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 2919);
    EXPECT_EQ(g->cruiseOptions.savedSpeed, 1);
    EXPECT_EQ(g->cruiseOptions.savedStepDivisor, 2919);

    RunCommand(*g, 32949);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 2);
    EXPECT_EQ(g->cruiseOptions.savedStepDivisor, 1946);
}

TEST(CommandTable, SpeedItemsSetSpeedWithoutTouchingTheSavedPair) {
    auto g = TitleScreen();
    RunCommand(*g, 32843);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 5);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 577);
    EXPECT_EQ(g->cruiseOptions.savedSpeed, 9);
    EXPECT_TRUE(Checked(*g, 32843));
    EXPECT_FALSE(Checked(*g, 32847));
    RunCommand(*g, 32948);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 10);
}

TEST(ChartZoom, VirtualAreaJumpsFromFullViewTo64ThenHalvesDownTo4) {
    auto g = Cruising();
    g->screenState.chartShown = 1;
    g->chartView.scale = 75;
    const int32_t expected[] = {64, 32, 16, 8, 4, 4};
    for (int32_t z : expected) {
        RunCommand(*g, 32772);
        EXPECT_EQ(g->chartView.scale, z);
    }
}

TEST(ChartZoom, RealAreaHalvesFromFullView) {
    auto g = Cruising();
    g->screenState.chartShown = 1;
    g->cruiseOptions.isRealArea = g->areaGrid.isRealArea = 1;
    g->chartView.fullScale = g->chartView.scale = 70;
    RunCommand(*g, 32772);
    EXPECT_EQ(g->chartView.scale, 35);
}

TEST(ChartZoom, VirtualAreaZoomOutStopsAt32AndRecentres) {
    auto g = Cruising();
    g->screenState.chartShown = 1;
    g->chartView.scale = 8;
    g->chartView.panX = 500;
    g->chartView.panY = -700;
    RunCommand(*g, 32773);
    EXPECT_EQ(g->chartView.scale, 16);
    EXPECT_EQ(g->chartView.panX, 500);
    RunCommand(*g, 32773);
    EXPECT_EQ(g->chartView.scale, 32);
    EXPECT_EQ(g->chartView.panX, 0);
    EXPECT_EQ(g->chartView.panY, 0);
    g->chartView.panX = 40;
    RunCommand(*g, 32773);
    EXPECT_EQ(g->chartView.scale, 32);
    EXPECT_EQ(g->chartView.panX, 0);
}

TEST(ChartZoom, PassageAndRealAreaRecentreWhenTheWholeAreaShows) {
    auto g = Cruising();
    g->screenState.chartShown = 1;
    g->cruiseOptions.isPassage = g->areaGrid.isPassage = 1;
    g->chartView.scale = 64;
    g->chartView.panX = 900;
    RunCommand(*g, 32773);
    EXPECT_EQ(g->chartView.scale, 75);
    EXPECT_EQ(g->chartView.panX, 0);

    g->cruiseOptions.isPassage = g->areaGrid.isPassage = 0;
    g->cruiseOptions.isRealArea = g->areaGrid.isRealArea = 1;
    g->chartView.fullScale = 100;
    g->chartView.scale = 25;
    g->chartView.panX = 900;
    RunCommand(*g, 32773);
    EXPECT_EQ(g->chartView.scale, 50);
    EXPECT_EQ(g->chartView.panX, 900);
    RunCommand(*g, 32773);
    EXPECT_EQ(g->chartView.scale, 100);
    EXPECT_EQ(g->chartView.panX, 0);
}

TEST(AnchorCommands, LetGoIsCheckedOnlyOnceTheAnchorHolds) {
    auto g = Cruising();
    g->simClock.hour = 14;
    SetSpeed(g->cruiseOptions, 12);
    g->ownBoat.throttle = 7;
    g->ownBoat.gear = 3;
    RunCommand(*g, 32862);
    EXPECT_EQ(g->anchors.anchor[1][1], 1);
    EXPECT_FALSE(Checked(*g, 32862));
    EXPECT_FALSE(Enabled(*g, 32862));
    EXPECT_EQ(g->simClock.speedBeforeStop, 12);
    EXPECT_EQ(g->simClock.divisorBeforeStop, 34);
    EXPECT_EQ(g->simClock.stopHour, 14);
    EXPECT_EQ(g->ownBoat.throttle, 1);
    EXPECT_EQ(g->ownBoat.gear, 0);
    EXPECT_EQ(g->ownBoat.sailsUp, 0);
    g->anchors.anchor[1][1] = 3;
    EXPECT_TRUE(Checked(*g, 32862));
}

TEST(AnchorCommands, AnchorUpReturnsToTheSpeedBeforeAnchoring) {
    auto g = Cruising();
    g->anchors.anchor[1][1] = 3;
    g->anchors.anchor[1][2] = 2;
    g->ownBoat.tenderAnchorBearing = 90;
    g->simClock.speedBeforeStop = 9;
    g->simClock.divisorBeforeStop = 114;
    SetSpeed(g->cruiseOptions, 15);
    RunCommand(*g, 32864);
    EXPECT_EQ(g->anchors.anchor[1][1], 0);
    EXPECT_EQ(g->anchors.anchor[1][2], 0);
    EXPECT_EQ(g->ownBoat.tenderAnchorBearing, -1);
    EXPECT_EQ(g->simClock.stopHour, -1);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 9);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 114);
    EXPECT_TRUE(Checked(*g, 32864));
}

TEST(AnchorCommands, TenderNeedsAHoldingAnchorOrShallowWater) {
    auto g = Cruising();
    g->ownBoat.depth = 8;
    EXPECT_FALSE(Enabled(*g, 32866));
    g->ownBoat.depth = 7;
    EXPECT_TRUE(Enabled(*g, 32866));
    g->ownBoat.depth = 30;
    g->anchors.anchor[1][1] = 3;
    RunCommand(*g, 32866);
    EXPECT_EQ(g->anchors.anchor[1][2], 2);
    EXPECT_EQ(g->ownBoat.tenderAnchorBearing, 90);
}

TEST(SailCommands, SettingAHeadsailStopsTheEngineAndWeighsAnchor) {
    auto g = Cruising();
    g->ownBoat.sailsUp = 0;
    g->ownBoat.throttle = 3;
    g->ownBoat.twinSplit = 1;
    g->ownBoat.spinnaker = 1;
    g->anchors.anchor[1][1] = 2;
    g->simClock.speedBeforeStop = 6;
    g->simClock.divisorBeforeStop = 384;
    RunCommand(*g, 32817);
    EXPECT_EQ(g->ownBoat.headsail, 1);
    EXPECT_EQ(g->ownBoat.sailsUp, 1);
    EXPECT_EQ(g->ownBoat.throttle, 0);
    EXPECT_EQ(g->ownBoat.twinSplit, 0);
    EXPECT_EQ(g->ownBoat.spinnaker, 0);
    EXPECT_EQ(g->anchors.anchor[1][1], 0);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 6);
    EXPECT_TRUE(Checked(*g, 32817));
}

TEST(SailCommands, SpinnakerComingDownLeavesTheGenoaOrStormJibButOtherwiseSetsTheWorkingJib) {
    const std::pair<int32_t, int32_t> rows[] = {{1, 1}, {3, 3}, {2, 2}, {0, 2}};
    for (auto [before, after] : rows) {
        auto g = Cruising();
        g->ownBoat.headsail = before;
        g->ownBoat.spinnaker = 1;
        RunCommand(*g, 32820);
        EXPECT_EQ(g->ownBoat.spinnaker, 0);
        EXPECT_EQ(g->ownBoat.headsail, after) << before;
    }
}

TEST(SailCommands, SheetInGoesStraightToHardInBelow3) {
    auto g = Cruising();
    g->ownBoat.sheet = 7;
    RunCommand(*g, 32823);
    EXPECT_EQ(g->ownBoat.sheet, 5);
    EXPECT_EQ(g->ownBoat.autoTrim, 0);
    RunCommand(*g, 32823);
    EXPECT_EQ(g->ownBoat.sheet, 3);
    RunCommand(*g, 32823);
    EXPECT_EQ(g->ownBoat.sheet, -3);
    g->ownBoat.sheet = 46;
    RunCommand(*g, 32824);
    EXPECT_EQ(g->ownBoat.sheet, 47);
}

TEST(EngineCommands, ThrottleStepsAndTheAnchorWhenDrivingAhead) {
    auto g = Cruising();
    RunCommand(*g, 32849);
    EXPECT_EQ(g->ownBoat.gear, 3);
    EXPECT_EQ(g->ownBoat.throttle, 1);
    EXPECT_EQ(g->ownBoat.sailsUp, 0);
    const int32_t up[] = {3, 7, 10};
    for (int32_t t : up) {
        RunCommand(*g, 32922);
        EXPECT_EQ(g->ownBoat.throttle, t);
    }
    EXPECT_FALSE(Enabled(*g, 32922));
    RunCommand(*g, 32923);
    EXPECT_EQ(g->ownBoat.throttle, 7);

    // Idle ahead is 3 x 1; slow ahead is 3 x 3 and drags the anchor out.
    g->anchors.anchor[1][1] = 3;
    RunCommand(*g, 32851);
    EXPECT_EQ(g->anchors.anchor[1][1], 3);
    RunCommand(*g, 32852);
    EXPECT_EQ(g->anchors.anchor[1][1], 0);
}

TEST(EngineCommands, SplitIsForTwoScrewsAndCheckedOnTheTwinTrawler) {
    auto g = Cruising();
    g->ownBoat.throttle = 1;
    EXPECT_FALSE(Enabled(*g, 32855));
    g->ownBoat.screws = 2;
    g->cruiseOptions.boatType = 4;
    RunCommand(*g, 32856);
    EXPECT_EQ(g->ownBoat.twinSplit, -1);
    EXPECT_TRUE(Checked(*g, 32856));
    g->cruiseOptions.boatType = 2;
    EXPECT_FALSE(Checked(*g, 32856));
}

TEST(ViewCommands, LookItemsAreCheckedByDirection) {
    auto g = Cruising();
    RunCommand(*g, 32885);
    RunCommand(*g, 32885);
    EXPECT_EQ(g->viewState.lookOffset, 60);
    EXPECT_TRUE(Checked(*g, 32885));
    RunCommand(*g, 32887);
    EXPECT_TRUE(Checked(*g, 32887));
    EXPECT_FALSE(Checked(*g, 32885));
    RunCommand(*g, 32884);
    RunCommand(*g, 32886);
    EXPECT_TRUE(Checked(*g, 32886));
}

TEST(ViewCommands, MiniChartScaleStaysWithin1And12) {
    auto g = Cruising();
    g->screenState.miniChartMode = 1;
    g->viewState.miniChartScale = 4;
    RunCommand(*g, 32894);
    EXPECT_EQ(g->viewState.miniChartScale, 1);
    EXPECT_FALSE(Enabled(*g, 32894));
    g->viewState.miniChartScale = 11;
    RunCommand(*g, 32895);
    EXPECT_EQ(g->viewState.miniChartScale, 12);
    EXPECT_FALSE(Enabled(*g, 32895));
}

TEST(RadarCommands, RangeDoublesTo48AndHalvesTo3) {
    auto g = Cruising();
    RunCommand(*g, 32900);
    EXPECT_EQ(g->screenState.radarOn, 1);
    g->radarState.range = 24;
    RunCommand(*g, 32902);
    EXPECT_EQ(g->radarState.range, 48);
    EXPECT_FALSE(Enabled(*g, 32902));
    g->radarState.range = 6;
    RunCommand(*g, 32903);
    EXPECT_EQ(g->radarState.range, 3);
    EXPECT_FALSE(Enabled(*g, 32903));
    g->radarState.vrm = 3;
    RunCommand(*g, 32907);
    EXPECT_EQ(g->radarState.vrm, 0);
}

TEST(HelpCommands, AdviceNeedsACruiseWithoutResults) {
    auto g = Cruising();
    RunCommand(*g, 32939);
    EXPECT_EQ(g->screenState.helpPage, 300);
    g->screenState.resultsState = 1;
    EXPECT_FALSE(Enabled(*g, 32939));
    RunCommand(*g, 32938);
    EXPECT_EQ(g->screenState.helpPage, 15);
}

TEST(DialogCommands, DesignDialogFreezesThePictureWhileOpen) {
    auto g = TitleScreen();
    EXPECT_EQ(RunCommand(*g, 32809), CommandResult::OpenDialog);
    EXPECT_EQ(DialogOf(*FindCommand(32809)), Dialog::Design);
    EXPECT_EQ(g->screenState.frozen, 1);
    g->cruiseOptions.boatType = 3;
    EXPECT_FALSE(Enabled(*g, 32809));
}

TEST(ForecastCommand, ClosesAnOpenHelpPageInsteadOfToggling) {
    auto g = Cruising();
    g->screenState.helpPage = 4;
    g->screenState.paused = 1;
    g->inputState.clickY = 200;
    RunCommand(*g, 32828);
    EXPECT_EQ(g->screenState.helpPage, 0);
    EXPECT_EQ(g->screenState.paused, 0);
    EXPECT_EQ(g->screenState.forecastShown, 0);
    EXPECT_EQ(g->inputState.clickY, 0);
    RunCommand(*g, 32828);
    EXPECT_EQ(g->screenState.forecastShown, 1);
    EXPECT_TRUE(Checked(*g, 32828));
}

}  // namespace
}  // namespace vel
