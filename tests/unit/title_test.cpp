#include "cruise/title.h"

#include <gtest/gtest.h>

#include <tuple>

#include "fake_host.h"
#include "shell/options.h"

namespace vel {
namespace {

using testing::DrivenGame;

TEST(BoatDesign, WorkingDimensionsFromTheOptions) {
    const struct {
        const char* what;
        int type, length, displacement, sailArea, rig;
        int wantLength, wantDisplacement, wantSailArea, wantRig, draft, screws;
    } cases[] = {
        {"nothing chosen", 1, 0, 0, 0, 0, 40, 10, 10, 100, 6, 1},
        {"negative length", 1, -5, 0, 0, 0, 40, 10, 10, 100, 6, 1},
        {"light fractional", 1, 35, 9, 11, 80, 35, 9, 11, 80, 6, 1},
        {"20 ft monohull", 1, 20, 8, 9, 100, 20, 8, 9, 100, 5, 1},
        {"25 ft monohull", 1, 25, 10, 10, 100, 25, 10, 10, 100, 5, 1},
        {"30 ft monohull", 1, 30, 10, 10, 100, 30, 10, 10, 100, 6, 1},
        {"35 ft catamaran", 2, 35, 0, 0, 0, 35, 10, 10, 100, 4, 1},
        {"40 ft catamaran", 2, 40, 0, 0, 0, 40, 10, 10, 100, 4, 2},
        {"catamaran, no length", 2, 0, 0, 0, 0, 40, 10, 10, 100, 4, 2},
        {"single screw", 3, 30, 11, 9, 80, 30, 7, 9, 80, 5, 1},
        {"twin screw", 4, 25, 8, 0, 0, 25, 6, 10, 100, 5, 2},
    };
    for (const auto& c : cases) {
        auto g = std::make_unique<Game>();
        CruiseOptions& o = g->cruiseOptions;
        std::tie(o.boatType, o.designLength, o.designDisplacement, o.designSailArea, o.designRig) =
            std::tuple(c.type, c.length, c.displacement, c.sailArea, c.rig);
        o.helm = -1;
        ApplyBoatDesign(*g);
        const BoatDesign& d = g->boatDesign;
        EXPECT_EQ(std::tuple(d.length, d.displacement, d.sailArea, d.rig, d.draft, g->ownBoat.screws),
                  std::tuple(c.wantLength, c.wantDisplacement, c.wantSailArea, c.wantRig, c.draft, c.screws))
            << c.what;
        EXPECT_EQ(o.helm, c.type >= 3 ? 1 : -1) << c.what;  // trawlers steer with a wheel
    }
}

TEST(CourseSwitches, TheTitleFramePutsThemBackInStep) {
    const struct {
        const char* what;
        int intro, currents, noFailElectronics, noFailEngine;
        int wantCurrents, wantNoFailElectronics, wantNoFailEngine;
    } cases[] = {
        {"left the course", 0, 0, 1, 1, 1, 0, 0},
        {"entered the course", 1, 1, 0, 0, 0, 1, 1},
        {"cruise, one no-failure switch", 0, 0, 1, 0, 0, 1, 0},
        {"cruise, currents on", 0, 1, 1, 1, 1, 1, 1},
        {"course, one no-failure switch", 1, 1, 1, 0, 1, 1, 0},
        {"course, already set", 1, 0, 1, 1, 0, 1, 1},
        {"cruise, already set", 0, 1, 0, 0, 1, 0, 0},
    };
    for (const auto& c : cases) {
        CruiseOptions o;
        std::tie(o.introCourse, o.currentsOn, o.noFailElectronics, o.noFailEngine) =
            std::tuple(c.intro, c.currents, c.noFailElectronics, c.noFailEngine);
        ReconcileCourseSwitches(o);
        EXPECT_EQ(std::tuple(o.introCourse, o.currentsOn, o.noFailElectronics, o.noFailEngine),
                  std::tuple(c.intro, c.wantCurrents, c.wantNoFailElectronics, c.wantNoFailEngine))
            << c.what;
    }
}

TEST(TitleFrame, ResetsTheCruiseLeftoversAppliesTheDesignAndReconcilesTheCourse) {
    DrivenGame d;
    Game& g = d.g;
    g.score.endReason = 1;
    std::tie(g.ownBoat.depth, g.ownBoat.tack, g.ownBoat.atPier) = std::tuple(3, 1, 1);
    g.weather.storm = 2;
    g.viewState.compassMode = 1;
    g.failures.failed[3] = 1;
    g.failures.shownAt[0] = 17.0;
    g.cruiseOptions.boatType = 4;
    g.cruiseOptions.introCourse = 1;  // as loaded from a course file
    d.frame(Display{1280, 1024, 32, 20});
    EXPECT_EQ(std::tuple(g.score.endReason, g.ownBoat.depth, g.ownBoat.tack, g.ownBoat.atPier, g.weather.storm,
                         g.viewState.compassMode, g.failures.failed[3], g.failures.shownAt[0]),
              std::tuple(0, 10, -1, 0, 0, 0, 0, -400.0));
    EXPECT_EQ(std::tuple(g.boatDesign.displacement, g.ownBoat.screws), std::tuple(6, 2));
    EXPECT_EQ(std::tuple(g.cruiseOptions.currentsOn, g.cruiseOptions.noFailElectronics, g.cruiseOptions.noFailEngine),
              std::tuple(0, 1, 1));
    EXPECT_EQ(std::tuple(g.screenState.widthD, g.screenState.heightD, g.trigTables.sin100[30]),
              std::tuple(1150.0, 729.0, 50));
}

}  // namespace
}  // namespace vel
