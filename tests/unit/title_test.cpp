#include "cruise/title.h"

#include <gtest/gtest.h>

#include <ostream>

#include "app/frame.h"
#include "fake_host.h"
#include "shell/options.h"

namespace vel {
namespace {

using testing::FakeHost;
using testing::NewGame;

struct DesignCase {
    const char* what;
    int boatType, length, displacement, sailArea, rig;
    int wantLength, wantDisplacement, wantSailArea, wantRig, draft, screws;
};

void PrintTo(const DesignCase& c, std::ostream* os) { *os << c.what; }

class BoatDesignFromOptions : public ::testing::TestWithParam<DesignCase> {};

TEST_P(BoatDesignFromOptions, WorkingDimensions) {
    const DesignCase& c = GetParam();
    auto g = std::make_unique<Game>();
    CruiseOptions& o = g->cruiseOptions;
    o.boatType = c.boatType;
    o.designLength = c.length;
    o.designDisplacement = c.displacement;
    o.designSailArea = c.sailArea;
    o.designRig = c.rig;
    ApplyBoatDesign(*g);
    const BoatDesign& d = g->boatDesign;
    EXPECT_EQ(d.length, c.wantLength) << c.what;
    EXPECT_EQ(d.displacement, c.wantDisplacement) << c.what;
    EXPECT_EQ(d.sailArea, c.wantSailArea) << c.what;
    EXPECT_EQ(d.rig, c.wantRig) << c.what;
    EXPECT_EQ(d.draft, c.draft) << c.what;
    EXPECT_EQ(g->ownBoat.screws, c.screws) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Designs, BoatDesignFromOptions,
                         ::testing::Values(DesignCase{"nothing chosen", 1, 0, 0, 0, 0, 40, 10, 10, 100, 6, 1},
                                           DesignCase{"negative length", 1, -5, 0, 0, 0, 40, 10, 10, 100, 6, 1},
                                           DesignCase{"light fractional", 1, 35, 9, 11, 80, 35, 9, 11, 80, 6, 1},
                                           DesignCase{"20 ft monohull", 1, 20, 8, 9, 100, 20, 8, 9, 100, 5, 1},
                                           DesignCase{"25 ft monohull", 1, 25, 10, 10, 100, 25, 10, 10, 100, 5, 1},
                                           DesignCase{"30 ft monohull", 1, 30, 10, 10, 100, 30, 10, 10, 100, 6, 1},
                                           DesignCase{"35 ft catamaran", 2, 35, 0, 0, 0, 35, 10, 10, 100, 4, 1},
                                           DesignCase{"40 ft catamaran", 2, 40, 0, 0, 0, 40, 10, 10, 100, 4, 2},
                                           DesignCase{"catamaran, no length", 2, 0, 0, 0, 0, 40, 10, 10, 100, 4, 2},
                                           DesignCase{"50 ft monohull", 1, 50, 11, 10, 100, 50, 11, 10, 100, 6, 1},
                                           DesignCase{"single screw", 3, 30, 11, 9, 80, 30, 7, 9, 80, 5, 1},
                                           DesignCase{"twin screw", 4, 25, 8, 0, 0, 25, 6, 10, 100, 5, 2}));

TEST(BoatDesignFromOptions, TrawlersSteerWithAWheel) {
    for (int type : {3, 4}) {
        auto g = std::make_unique<Game>();
        g->cruiseOptions.boatType = type;
        g->cruiseOptions.helm = -1;
        ApplyBoatDesign(*g);
        EXPECT_EQ(g->cruiseOptions.helm, 1) << type;
    }
    for (int type : {1, 2}) {
        auto g = std::make_unique<Game>();
        g->cruiseOptions.boatType = type;
        g->cruiseOptions.helm = -1;
        ApplyBoatDesign(*g);
        EXPECT_EQ(g->cruiseOptions.helm, -1) << type;
    }
}

struct SwitchCase {
    const char* what;
    int intro, currents, noFailElectronics, noFailEngine;
    int wantCurrents, wantNoFailElectronics, wantNoFailEngine;
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.what; }

class CourseSwitches : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(CourseSwitches, TitleFramePutsThemBackInStep) {
    const SwitchCase& c = GetParam();
    CruiseOptions o;
    o.introCourse = c.intro;
    o.currentsOn = c.currents;
    o.noFailElectronics = c.noFailElectronics;
    o.noFailEngine = c.noFailEngine;
    ReconcileCourseSwitches(o);
    EXPECT_EQ(o.introCourse, c.intro) << c.what;
    EXPECT_EQ(o.currentsOn, c.wantCurrents) << c.what;
    EXPECT_EQ(o.noFailElectronics, c.wantNoFailElectronics) << c.what;
    EXPECT_EQ(o.noFailEngine, c.wantNoFailEngine) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, CourseSwitches,
                         ::testing::Values(SwitchCase{"left the course", 0, 0, 1, 1, 1, 0, 0},
                                           SwitchCase{"entered the course", 1, 1, 0, 0, 0, 1, 1},
                                           SwitchCase{"cruise, one no-failure switch", 0, 0, 1, 0, 0, 1, 0},
                                           SwitchCase{"cruise, currents on", 0, 1, 1, 1, 1, 1, 1},
                                           SwitchCase{"course, one no-failure switch", 1, 1, 1, 0, 1, 1, 0},
                                           SwitchCase{"course, already set", 1, 0, 1, 1, 0, 1, 1},
                                           SwitchCase{"cruise, already set", 0, 1, 0, 0, 1, 0, 0}));

TEST(TitleFrame, ResetsTheCruiseLeftovers) {
    auto g = NewGame();
    g->score.endReason = 1;
    g->ownBoat.depth = 3;
    g->ownBoat.tack = 1;
    g->ownBoat.atPier = 1;
    g->weather.storm = 2;
    g->viewState.compassMode = 1;
    g->failures.failed[3] = 1;
    g->failures.shownAt[0] = 17.0;
    FakeHost host;
    FrameDriver driver(768);
    driver.run(*g, host, Display{});
    EXPECT_EQ(g->score.endReason, 0);
    EXPECT_EQ(g->ownBoat.depth, 10);
    EXPECT_EQ(g->ownBoat.tack, -1);
    EXPECT_EQ(g->ownBoat.atPier, 0);
    EXPECT_EQ(g->weather.storm, 0);
    EXPECT_EQ(g->viewState.compassMode, 0);
    EXPECT_EQ(g->failures.failed[3], 0);
    EXPECT_EQ(g->failures.shownAt[0], -400.0);
}

TEST(TitleFrame, AppliesTheDesignAndReconcilesTheCourse) {
    auto g = NewGame();
    g->cruiseOptions.boatType = 4;
    g->cruiseOptions.introCourse = 1;  // as loaded from a course file
    FakeHost host;
    FrameDriver driver(768);
    driver.run(*g, host, Display{});
    EXPECT_EQ(g->boatDesign.displacement, 6);
    EXPECT_EQ(g->ownBoat.screws, 2);
    EXPECT_EQ(g->cruiseOptions.currentsOn, 0);
    EXPECT_EQ(g->cruiseOptions.noFailElectronics, 1);
    EXPECT_EQ(g->cruiseOptions.noFailEngine, 1);
}

TEST(TitleFrame, RefreshesTheLayoutSizesAndTables) {
    auto g = NewGame();
    FakeHost host;
    FrameDriver driver(768);
    driver.run(*g, host, Display{1280, 1024, 32, 20});
    EXPECT_EQ(g->screenState.widthD, 1150.0);
    EXPECT_EQ(g->screenState.heightD, 729.0);
    EXPECT_EQ(g->trigTables.sin100[30], 50);
}

struct ScreenSizeCase {
    int width, menuBar;
    int largeFonts, smallScreen;
};

void PrintTo(const ScreenSizeCase& c, std::ostream* os) { *os << "width " << c.width << ", menu bar " << c.menuBar; }

class TitleScreenSize : public ::testing::TestWithParam<ScreenSizeCase> {};

TEST_P(TitleScreenSize, SmallScreenBelow700OrBelow900WithLargeFonts) {
    const ScreenSizeCase& c = GetParam();
    auto g = NewGame();
    FakeHost host;
    FrameDriver driver(480);
    driver.run(*g, host, Display{c.width, 480, 32, c.menuBar});
    EXPECT_EQ(g->screenState.largeFonts, c.largeFonts) << c.width << " / " << c.menuBar;
    EXPECT_EQ(g->screenState.smallScreen, c.smallScreen) << c.width << " / " << c.menuBar;
}

INSTANTIATE_TEST_SUITE_P(Cases, TitleScreenSize,
                         ::testing::Values(ScreenSizeCase{699, 20, 0, 1}, ScreenSizeCase{700, 20, 0, 0},
                                           ScreenSizeCase{700, 22, 1, 1}, ScreenSizeCase{899, 21, 0, 0},
                                           ScreenSizeCase{899, 22, 1, 1}, ScreenSizeCase{900, 30, 1, 0}));

}  // namespace
}  // namespace vel
