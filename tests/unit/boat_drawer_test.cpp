#include "views/boat_drawer.h"

#include <gtest/gtest.h>

#include "sailing_view_fixture.h"

namespace vel {
namespace {

using gfx::Rgb;

TEST(HullSides, BothShowNearlyBowOnOrSternOn) {
    struct Case {
        int32_t rel;
        bool starboard, port;
    };
    const Case cases[] = {{0, true, true},    {170, true, true},   {-170, true, true}, {180, true, true},
                          {90, true, false},  {-90, false, true},  {169, true, false}, {-169, false, true},
                          {1, true, false},   {-1, false, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(StarboardSideShows(c.rel), c.starboard) << c.rel;
        EXPECT_EQ(PortSideShows(c.rel), c.port) << c.rel;
    }
}

// The own boat under sail, red-hulled, drawn alone on a sea of one colour
// and seen at a relative heading.
struct Drawing {
    std::unique_ptr<Game> g = test::ViewGame();
    test::Canvas c{1024, 488};
    Drawing(int32_t rel, int32_t sailsUp, int32_t transparent) {
        c.dc.SelectStockPen(gfx::Stock::Null);
        c.dc.SelectBrush(14);
        c.dc.Rectangle(0, 0, 1024, 488);
        OwnBoat& b = g->ownBoat;
        g->cruiseOptions.hullColour = 1;
        g->viewState.viewHeading = 0;
        b.heading = rel < 0 ? rel + 360 : rel;
        b.sailsUp = sailsUp;
        b.sheetAngle = 30;
        b.tack = 1;
        g->viewState.transparentSails = transparent;
        drawSailboat(c.dc, *g, 1, 0, 512, 440, kBoatMonohull);
    }
    int white() const { return c.count(gfx::kWhite); }
    int red() const { return c.count(Rgb(255, 0, 0)); }
};

TEST(Sails, TransparentSailsAreOutlinesOnly) {
    const Drawing filled(90, 1, 0), outlined(90, 1, 1);
    EXPECT_GT(filled.white(), 2000);
    EXPECT_EQ(outlined.white(), 0);
    EXPECT_GT(outlined.c.count(gfx::kBlack), filled.c.count(gfx::kBlack));
}

TEST(Sails, NoSailSetNoSailDrawn) {
    const Drawing filled(90, 0, 0), outlined(90, 0, 1);
    EXPECT_EQ(filled.white(), 0);
    for (int y = 0; y < 488; ++y)
        for (int x = 0; x < 1024; ++x) ASSERT_EQ(filled.c.at(x, y), outlined.c.at(x, y)) << x << "," << y;
}

TEST(Hull, ShowsItsColourFromEveryBearing) {
    for (int32_t rel : {0, 45, 90, 135, 180, -45, -90, -135}) EXPECT_GT(Drawing(rel, 1, 0).red(), 100) << rel;
}

TEST(Hull, GreyAtNightAndInThunderstorms) {
    for (int variant = 0; variant < 2; ++variant) {
        auto g = test::ViewGame();
        test::Canvas c(1024, 488);
        g->cruiseOptions.hullColour = 1;
        g->ownBoat.heading = 90;
        if (variant == 0) g->viewState.night = 1;
        else g->weather.storm = 2;
        drawSailboat(c.dc, *g, 1, 0, 512, 440, kBoatMonohull);
        EXPECT_EQ(c.count(Rgb(255, 0, 0)), 0) << variant;
        EXPECT_GT(c.count(Rgb(127, 127, 127)), 100) << variant;
    }
}

TEST(OwnBoat, AnchorsTheProjectionAndTheHeadingOffView) {
    auto g = test::ViewGame();
    test::Canvas c(1024, 488);
    g->ownBoat.heading = 20;
    g->viewState.viewHeading = 10;
    drawSailboat(c.dc, *g, 1, 0, 512, 440, kBoatMonohull);
    EXPECT_EQ(g->viewState.headingOffView, 10);
    // The third hull point lies a little ahead of the reference point.
    EXPECT_NEAR(g->projection.centerX, 512, 20);
    EXPECT_LT(g->projection.baseY, 440);
    EXPECT_GT(g->projection.baseY, 400);
    EXPECT_EQ(g->screenState.ownBoatScreenX, 512);
}

TEST(OtherBoats, NotDrawnAboveTheHorizonOrOffTheScreen) {
    for (auto [x, y] : {std::pair{512, 73}, std::pair{-5, 300}, std::pair{1030, 300}, std::pair{512, 800}}) {
        auto g = test::ViewGame();
        test::Canvas c(1024, 488);
        drawSailboat(c.dc, *g, 3, 0, x, y, kBoatAtRest);
        EXPECT_EQ(c.count(gfx::kBlack), 1024 * 488) << x << "," << y;
    }
}

TEST(Sidelights, ShowTheVisibleSideAtNightUnderWay) {
    auto lights = [](int32_t rel, bool anchored) {
        auto g = test::ViewGame();
        test::Canvas c(1024, 488);
        g->viewState.night = 1;
        g->viewState.viewHeading = 0;
        g->ownBoat.heading = rel < 0 ? rel + 360 : rel;
        g->ownBoat.anchored = anchored ? 1 : 0;
        drawSailboat(c.dc, *g, 1, 0, 512, 440, kBoatMonohull);
        return std::pair{c.count(Rgb(0, 255, 0)) > 0, c.count(Rgb(255, 0, 0)) > 0};
    };
    EXPECT_EQ(lights(90, false), (std::pair{true, false}));
    EXPECT_EQ(lights(-90, false), (std::pair{false, true}));
    EXPECT_EQ(lights(180, false), (std::pair{true, true}));
    EXPECT_EQ(lights(90, true), (std::pair{false, false}));
}

}  // namespace
}  // namespace vel
