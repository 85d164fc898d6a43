#include <gtest/gtest.h>

#include <tuple>

#include "shell/commands.h"
#include "shell/options.h"
#include "shell_fixture.h"

namespace vel {
namespace {

using testing::TitleGame;

bool Checked(const Game& g, int32_t id) { return FindCommand(id)->checked(g); }
bool Enabled(const Game& g, int32_t id) { return FindCommand(id)->enabled(g); }

TEST(Options, IntroCourseSetsItsOwnSwitchesAndClearsEveryTrouble) {
    auto g = TitleGame();
    CruiseOptions& o = g->cruiseOptions;
    std::tie(o.areaCode, o.region, o.isPassage, o.difficulty) = std::tuple(12, 2, 1, 8);
    o.troubleFog = o.troubleNoGps = o.troubleNoRadar = o.troubleNoDepthAlarm = o.troubleNoEngine = 1;
    RunCommand(*g, 32977);
    EXPECT_EQ(std::tuple(o.introCourse, o.areaCode, o.region, o.isPassage, o.difficulty), std::tuple(1, 1, 2, 0, 1));
    EXPECT_EQ(std::tuple(o.noFailElectronics, o.noFailEngine), std::tuple(1, 1));
    EXPECT_EQ(o.troubleNoGps + o.troubleNoRadar + o.troubleNoDepthAlarm + o.troubleNoEngine + o.troubleStrongWind +
                  o.troubleFog + o.currentsOn,
              0);
    // The course is not the southern coast, though it sails there.
    EXPECT_FALSE(Checked(*g, 32963));
    EXPECT_TRUE(Checked(*g, 32977));
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
    EXPECT_EQ(o.noFailElectronics, 1);
    EXPECT_EQ(std::tuple(o.troubleNoGps, o.troubleNoRadar, o.troubleNoDepthAlarm, o.troubleNoEngine),
              std::tuple(0, 0, 0, 1));
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
    EXPECT_EQ(std::tuple(o.boatType, o.helm, o.noFailEngine), std::tuple(4, 1, 1));
    EXPECT_TRUE(Checked(*g, 32802));
    EXPECT_FALSE(Enabled(*g, 32802));
    EXPECT_FALSE(Enabled(*g, 32911));
    RunCommand(*g, 32806);
    EXPECT_EQ(o.noFailEngine, 0);
    // On the course the sailboat keeps its engine safe.
    RunCommand(*g, 32977);
    RunCommand(*g, 32807);
    RunCommand(*g, 32805);
    EXPECT_EQ(o.noFailEngine, 1);
}

}  // namespace
}  // namespace vel
