// The title frame: boat design, course switches, screen metrics.
#include <gtest/gtest.h>

#include <tuple>

#include "app/frame.h"
#include "cruise/title.h"
#include "fake_host.h"

namespace vel {
namespace {

using testing::DrivenGame;

TEST(BoatDesign, WorkingDimensionsFromTheOptions) {
    // What is chosen (type, length, displacement, sail area, rig), then what
    // she gets (the same, draft, screws).
    using Design = std::tuple<int, int, int, int, int>;
    const std::tuple<const char*, Design, Design, int, int> cases[] = {
        {"nothing chosen", {1, 0, 0, 0, 0}, {1, 40, 10, 10, 100}, 6, 1},
        {"negative length", {1, -5, 0, 0, 0}, {1, 40, 10, 10, 100}, 6, 1},
        {"light fractional", {1, 35, 9, 11, 80}, {1, 35, 9, 11, 80}, 6, 1},
        {"25 ft monohull", {1, 25, 10, 10, 100}, {1, 25, 10, 10, 100}, 5, 1},
        {"30 ft monohull", {1, 30, 10, 10, 100}, {1, 30, 10, 10, 100}, 6, 1},
        {"35 ft catamaran", {2, 35, 0, 0, 0}, {2, 35, 10, 10, 100}, 4, 1},
        {"40 ft catamaran", {2, 40, 0, 0, 0}, {2, 40, 10, 10, 100}, 4, 2},
        {"catamaran, no length", {2, 0, 0, 0, 0}, {2, 40, 10, 10, 100}, 4, 2},
        {"single screw", {3, 30, 11, 9, 80}, {3, 30, 7, 9, 80}, 5, 1},
        {"twin screw", {4, 25, 8, 0, 0}, {4, 25, 6, 10, 100}, 5, 2},
    };
    for (const auto& [what, chosen, design, draft, screws] : cases) {
        auto g = std::make_unique<Game>();
        CruiseOptions& o = g->cruiseOptions;
        std::tie(o.boatType, o.designLength, o.designDisplacement, o.designSailArea, o.designRig) = chosen;
        o.helm = -1;
        ApplyBoatDesign(*g);
        const BoatDesign& d = g->boatDesign;
        EXPECT_EQ(std::tuple(o.boatType, d.length, d.displacement, d.sailArea, d.rig), design) << what;
        EXPECT_EQ(std::tuple(d.draft, g->ownBoat.screws, o.helm), std::tuple(draft, screws, o.boatType >= 3 ? 1 : -1))
            << what;  // trawlers steer with a wheel
    }
}

TEST(TitleFrame, ResetsTheCruiseLeftoversAppliesTheDesignAndReconcilesTheCourse) {
    DrivenGame d;
    Game& g = d.g;
    // What a cruise leaves behind.
    const auto leftovers = [&g] {
        return std::tie(g.score.endReason, g.ownBoat.depth, g.ownBoat.tack, g.ownBoat.atPier, g.weather.storm,
                        g.viewState.compassMode, g.failures.failed[3], g.failures.shownAt[0]);
    };
    leftovers() = std::tuple(1, 3, 1, 1, 2, 1, 1, 17.0);
    // A trawler on the course, as loaded from a course file.
    std::tie(g.cruiseOptions.boatType, g.cruiseOptions.introCourse) = std::pair(4, 1);
    d.frame(Display{1280, 1024, 32, 20});
    EXPECT_EQ(leftovers(), std::tuple(0, 10, -1, 0, 0, 0, 0, -400.0));
    EXPECT_EQ(std::tuple(g.boatDesign.displacement, g.ownBoat.screws), std::tuple(6, 2));
    EXPECT_EQ(std::tuple(g.cruiseOptions.currentsOn, g.cruiseOptions.noFailElectronics, g.cruiseOptions.noFailEngine),
              std::tuple(0, 1, 1));
    EXPECT_EQ(std::tuple(g.screenState.widthD, g.screenState.heightD, g.trigTables.sin100[30]),
              std::tuple(1150.0, 729.0, 50));
}

TEST(ScreenMetrics, CapsAndScalesTheDisplay) {
    for (auto [w, h, width, halfWidth, fullHeight, height, vScale, hScale] : {
             std::tuple{1280, 1024, 1150, 575, 768, 729, 1.6, 1150 / 640.0},  // both capped; 768 / 1150 below 0.75
             {1000, 1000, 1000, 500, 576, 547, 1.2, 1000 / 640.0},  // above 0.75: 0.75 of the capped height
             {1024, 768, 1024, 512, 768, 729, 1.6, 1.6},            // exactly 0.75 is not reduced
             {640, 480, 640, 320, 480, 456, 1.0, 1.0},
             {900, 1000, 900, 450, 768, 729, 1.6, 900 / 640.0},  // tall but not wider than 900: kept
             {901, 1000, 901, 450, 576, 547, 1.2, 901 / 640.0},
             {699, 480, 699, 349, 480, 456, 1.0, 699 / 640.0},
         }) {
        ScreenState s;
        ComputeScreenMetrics(s, Display{w, h, 24, 20});
        EXPECT_EQ(std::tuple(s.fullWidth, s.width, s.halfWidth, s.fullHeight, s.height, s.heightCopy, s.bitsPerPixel),
                  std::tuple(width, width, halfWidth, fullHeight, height, height, 24))
            << w << "x" << h;
        EXPECT_NEAR(s.vScale, vScale, 1e-12) << w << "x" << h;
        EXPECT_NEAR(s.hScale, hScale, 1e-12) << w << "x" << h;
    }
}

}  // namespace
}  // namespace vel
