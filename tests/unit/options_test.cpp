#include <gtest/gtest.h>

#include <memory>

#include "shell/commands.h"
#include "shell/options.h"
#include "shell/settings.h"

namespace vel {
namespace {

std::unique_ptr<Game> Title() {
    auto g = std::make_unique<Game>();
    ApplyMissingSettings(*g);
    return g;
}

TEST(Options, IntroCourseSetsItsOwnSwitchesAndClearsEveryTrouble) {
    auto g = Title();
    CruiseOptions& o = g->cruiseOptions;
    o.areaCode = 12;
    o.region = 2;
    o.isPassage = 1;
    o.troubleFog = o.troubleNoGps = o.troubleNoRadar = o.troubleNoDepthAlarm = o.troubleNoEngine = 1;
    o.difficulty = 8;
    RunCommand(*g, 32977);
    EXPECT_EQ(o.introCourse, 1);
    EXPECT_EQ(o.areaCode, 1);
    EXPECT_EQ(o.region, 2);
    EXPECT_EQ(o.isPassage, 0);
    EXPECT_EQ(o.noFailElectronics, 1);
    EXPECT_EQ(o.noFailEngine, 1);
    for (int32_t v : {o.troubleNoGps, o.troubleNoRadar, o.troubleNoDepthAlarm, o.troubleNoEngine,
                      o.troubleStrongWind, o.troubleFog, o.currentsOn})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(o.difficulty, 1);
    // The course is not the southern coast, though it sails there.
    EXPECT_FALSE(FindCommand(32963)->checked(*g));
    EXPECT_TRUE(FindCommand(32977)->checked(*g));
}

TEST(Options, AreaChoicesLeaveTheCourseAndSetThePassageFlag) {
    struct Row {
        int32_t id, areaCode, region, isPassage;
    };
    const Row rows[] = {{32959, 1, 1, 0}, {32979, 4, 1, 0}, {32966, 4, 2, 0}, {32976, 2, 3, 0},
                        {32967, 5, 5, 1}, {32970, 8, 6, 1}, {32971, 20, 1, 0}, {32975, 30, 3, 0}};
    for (const Row& r : rows) {
        auto g = Title();
        g->cruiseOptions.introCourse = 1;
        RunCommand(*g, r.id);
        EXPECT_EQ(g->cruiseOptions.areaCode, r.areaCode) << r.id;
        EXPECT_EQ(g->cruiseOptions.region, r.region) << r.id;
        EXPECT_EQ(g->cruiseOptions.isPassage, r.isPassage) << r.id;
        EXPECT_EQ(g->cruiseOptions.introCourse, 0) << r.id;
        EXPECT_TRUE(FindCommand(r.id)->checked(*g)) << r.id;
    }
}

TEST(Options, NoFailureSwitchesClearTheirTroublesOnlyWhenSwitchedOn) {
    auto g = Title();
    CruiseOptions& o = g->cruiseOptions;
    o.troubleNoGps = o.troubleNoRadar = o.troubleNoDepthAlarm = o.troubleNoEngine = 1;
    RunCommand(*g, 32803);
    EXPECT_EQ(o.noFailElectronics, 1);
    EXPECT_EQ(o.troubleNoGps + o.troubleNoRadar + o.troubleNoDepthAlarm, 0);
    EXPECT_EQ(o.troubleNoEngine, 1);
    o.troubleNoGps = 1;
    RunCommand(*g, 32803);
    EXPECT_EQ(o.noFailElectronics, 0);
    EXPECT_EQ(o.troubleNoGps, 1);
    RunCommand(*g, 32802);
    EXPECT_EQ(o.noFailEngine, 1);
    EXPECT_EQ(o.troubleNoEngine, 0);
}

TEST(Options, FogTroubleAndNoFogExcludeEachOther) {
    auto g = Title();
    CruiseOptions& o = g->cruiseOptions;
    RunCommand(*g, 32991);
    EXPECT_EQ(o.noFog, 1);
    RunCommand(*g, 32796);
    EXPECT_EQ(o.troubleFog, 1);
    EXPECT_EQ(o.noFog, 0);
    RunCommand(*g, 32991);
    EXPECT_EQ(o.noFog, 1);
    EXPECT_EQ(o.troubleFog, 0);
}

TEST(Options, TrawlerTakesTheWheelAndNeverLosesItsEngine) {
    auto g = Title();
    CruiseOptions& o = g->cruiseOptions;
    o.helm = -1;
    RunCommand(*g, 32808);
    EXPECT_EQ(o.boatType, 4);
    EXPECT_EQ(o.helm, 1);
    EXPECT_EQ(o.noFailEngine, 1);
    EXPECT_TRUE(FindCommand(32802)->checked(*g));
    EXPECT_FALSE(FindCommand(32802)->enabled(*g));
    EXPECT_FALSE(FindCommand(32911)->enabled(*g));
    RunCommand(*g, 32806);
    EXPECT_EQ(o.noFailEngine, 0);
    // On the course the sailboat keeps its engine safe.
    RunCommand(*g, 32977);
    RunCommand(*g, 32807);
    RunCommand(*g, 32805);
    EXPECT_EQ(o.noFailEngine, 1);
}

TEST(Options, NoMoonlightIsForPassagesAndItsCheckFollowsTheSwitch) {
    auto g = Title();
    EXPECT_FALSE(FindCommand(32957)->enabled(*g));
    RunCommand(*g, 32968);
    ASSERT_TRUE(FindCommand(32957)->enabled(*g));
    RunCommand(*g, 32957);
    EXPECT_EQ(g->cruiseOptions.troubleNoMoonlight, 1);
    EXPECT_TRUE(FindCommand(32957)->checked(*g));
    RunCommand(*g, 32957);
    EXPECT_FALSE(FindCommand(32957)->checked(*g));
}

TEST(Options, CurrentsCannotBeSwitchedOffInTheGulfStream) {
    auto g = Title();
    RunCommand(*g, 32967);
    g->cruiseOptions.currentsOn = 0;
    EXPECT_FALSE(FindCommand(32916)->enabled(*g));
    EXPECT_FALSE(FindCommand(32916)->checked(*g));
}

TEST(Options, HullColoursAreGreyedInMonochrome) {
    auto g = Title();
    RunCommand(*g, 32914);
    EXPECT_EQ(g->cruiseOptions.hullColour, 3);
    g->viewState.monochrome = 1;
    EXPECT_FALSE(FindCommand(32914)->enabled(*g));
    EXPECT_FALSE(FindCommand(32914)->checked(*g));
}

TEST(Options, TitleFrameReconcilesTheCourseSwitches) {
    CruiseOptions o;
    o.introCourse = 0;
    o.currentsOn = 0;
    o.noFailElectronics = o.noFailEngine = 1;
    ReconcileCourseSwitches(o);
    EXPECT_EQ(o.currentsOn, 1);
    EXPECT_EQ(o.noFailElectronics + o.noFailEngine, 0);
    o.introCourse = 1;
    ReconcileCourseSwitches(o);
    EXPECT_EQ(o.currentsOn, 0);
    EXPECT_EQ(o.noFailElectronics + o.noFailEngine, 2);
}

}  // namespace
}  // namespace vel
