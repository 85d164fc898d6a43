#include "views/boat_drawer.h"

#include <gtest/gtest.h>

#include <tuple>

#include "sailing_view_fixture.h"

namespace vel {
namespace {

using gfx::Rgb;

TEST(HullSides, BothShowNearlyBowOnOrSternOn) {
    for (auto [rel, starboard, port] : {std::tuple{0, true, true}, {170, true, true}, {-170, true, true},
                                        {180, true, true}, {90, true, false}, {-90, false, true}, {169, true, false},
                                        {-169, false, true}, {1, true, false}, {-1, false, true}})
        EXPECT_EQ(std::pair(StarboardSideShows(rel), PortSideShows(rel)), std::pair(starboard, port)) << rel;
}

// The own monohull, red-hulled, drawn alone on the sea at a relative heading.
struct Drawn {
    std::unique_ptr<Game> g = test::ViewGame();
    test::Canvas c{1024, 488};
    Drawn(int32_t rel, int32_t sailsUp, int32_t transparent, void (*set)(Game&) = [](Game&) {}) {
        c.dc.SelectStockPen(gfx::Stock::Null);
        c.dc.SelectBrush(14);
        c.dc.Rectangle(0, 0, 1024, 488);
        g->cruiseOptions.hullColour = 1;
        g->viewState.viewHeading = 0;
        std::tie(g->ownBoat.heading, g->ownBoat.sailsUp, g->ownBoat.sheetAngle, g->ownBoat.tack) =
            std::tuple(rel < 0 ? rel + 360 : rel, sailsUp, 30, 1);
        g->viewState.transparentSails = transparent;
        set(*g);
        drawSailboat(c.dc, *g, 1, 0, 512, 440, kBoatMonohull);
    }
    int count(gfx::Color colour) const { return c.count(colour); }
};

TEST(Sails, TransparentSailsAreOutlinesOnlyAndNoSailSetDrawsNone) {
    const Drawn filled(90, 1, 0), outlined(90, 1, 1), bare(90, 0, 0), bareOutlined(90, 0, 1);
    EXPECT_GT(filled.count(gfx::kWhite), 2000);
    EXPECT_EQ(outlined.count(gfx::kWhite), 0);
    EXPECT_GT(outlined.count(gfx::kBlack), filled.count(gfx::kBlack));
    EXPECT_EQ(bare.count(gfx::kWhite), 0);
    EXPECT_EQ(bare.count(gfx::kBlack), bareOutlined.count(gfx::kBlack));
}

TEST(Hull, ShowsItsColourFromEveryBearingButGreyAtNightAndInThunderstorms) {
    for (int32_t rel : {0, 45, 90, 135, 180, -45, -90, -135}) EXPECT_GT(Drawn(rel, 1, 0).count(Rgb(255, 0, 0)), 100) << rel;
    for (auto set : {+[](Game& g) { g.viewState.night = 1; }, +[](Game& g) { g.weather.storm = 2; }}) {
        const Drawn d(90, 0, 0, set);
        EXPECT_EQ(d.count(Rgb(255, 0, 0)), 0);
        EXPECT_GT(d.count(Rgb(127, 127, 127)), 100);
    }
}

TEST(Sidelights, ShowTheVisibleSideAtNightUnderWay) {
    for (auto [rel, anchored, green, red] : {std::tuple{90, 0, true, false}, {-90, 0, false, true},
                                             {180, 0, true, true}, {90, 1, false, false}}) {
        auto g = test::ViewGame();
        test::Canvas c(1024, 488);
        g->viewState.night = 1;
        g->ownBoat.heading = rel < 0 ? rel + 360 : rel;
        g->ownBoat.anchored = anchored;
        drawSailboat(c.dc, *g, 1, 0, 512, 440, kBoatMonohull);
        EXPECT_EQ(std::pair(c.count(Rgb(0, 255, 0)) > 0, c.count(Rgb(255, 0, 0)) > 0), std::pair(green, red)) << rel;
    }
}

}  // namespace
}  // namespace vel
