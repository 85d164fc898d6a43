#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "sailing_view_fixture.h"
#include "view_fixture.h"
#include "views/coast_scene.h"
#include "views/radar.h"
#include "world/shore.h"

namespace vel {
namespace {

// Square islands (west, north, east, south edges in area units) in a grid of
// 64-unit cells round the origin, every cell a coast cell listing every
// segment: the views then find them wherever they look.
struct Islands {
    std::vector<int32_t> xy, rings, coast;
    std::string cells = "C1600";
    TrueShoreTable table{};

    explicit Islands(std::initializer_list<std::array<int32_t, 4>> squares) {
        std::vector<int32_t> runs;
        for (const auto& [w, n, e, s] : squares) {
            rings.push_back(int32_t(xy.size() / 2));
            runs.insert(runs.end(), {rings.back(), 4});
            // Land on the right of the way round, x east and y south.
            xy.insert(xy.end(), {w, n, w, s, e, s, e, n, w, n});
        }
        rings.push_back(int32_t(xy.size() / 2));
        for (int32_t c = 0; c < 1600; ++c) {
            coast.insert(coast.end(), {0, int32_t(runs.size() / 2)});
            coast.insert(coast.end(), runs.begin(), runs.end());
        }
        table = {99, -1280, -1280, 64, 40, 40, xy, rings, cells.c_str(), coast};
    }
    void load(Game& g) const {
        ShoreMap& m = g.shoreMap;
        m.table = &table;
        m.cls.assign(1600, kShoreCoast);
        m.coastAt.resize(1600);
        for (int32_t c = 0; c < 1600; ++c) m.coastAt[c] = c * int32_t(coast.size() / 1600);
    }
};

// The radar with and without the coast: an echo is a pixel the coast turned
// green (the readout and the ship's-head line are green too).
struct RadarScene : test::ViewFixture {
    static constexpr int32_t kLeft = 100, kTop = 300, kRight = 436, kBottom = 680;
    std::unique_ptr<gfx::Surface> bare;
    RadarScene(const Islands& islands, int32_t range) {
        g.radarState.range = range;
        draw();
        bare = std::move(surface);
        islands.load(g);
        draw();
    }
    void draw() {
        auto dc = freshDc(gfx::kBlack);
        drawRadar(*dc, g, kLeft, kTop, kRight, kBottom);
    }
    bool echo(int32_t x, int32_t y) const { return at(x, y) == test::kGreen && bare->pixel(x, y) != test::kGreen; }
    bool echoNear(double x, double y) const {
        const RadarGeometry r{(kLeft + kRight) / 2, (3 * kTop + 4 * kBottom) / 7, g.radarState.range, kLeft, kTop, kRight};
        const gfx::Point p = RadarEchoAt(g, r, x, y).p;
        for (int32_t dy = -3; dy <= 3; ++dy)
            for (int32_t dx = -3; dx <= 3; ++dx)
                if (echo(p.x + dx, p.y + dy)) return true;
        return false;
    }
};

// Shores running past the face on both sides, over the buttons, the readout
// and beyond the inset, echo only on the face below the readout.
TEST(TrueCoastRadar, EchoesStayOnTheFace) {
    const Islands shores{{300, -9000, 9000, 9000}, {-9000, -9000, -300, 9000}};
    RadarScene f(shores, 12);
    int32_t inside = 0;
    for (int32_t y = 0; y < f.g.screenState.height; ++y)
        for (int32_t x = 0; x < f.g.screenState.width; ++x) {
            if (!f.echo(x, y)) continue;
            const bool face = x >= RadarScene::kLeft && x < RadarScene::kRight && y >= RadarScene::kTop + 52 &&
                              y < RadarScene::kBottom;
            ASSERT_TRUE(face) << "echo at " << x << "," << y;
            ++inside;
        }
    EXPECT_GT(inside, 1000);
}

// Off the ship's-head line to starboard: the near island's south shore
// answers and hides the far one's; past the near island's flank the far
// shore answers. Shores turned away (the north sides) give nothing.
TEST(TrueCoastRadar, NearerCoastHidesWhatLiesBehind) {
    const Islands islands{{-100, -400, 100, -300}, {-400, -900, 400, -800}};
    RadarScene f(islands, 6);
    EXPECT_TRUE(f.echoNear(60, -300));
    EXPECT_FALSE(f.echoNear(60, -800));
    EXPECT_TRUE(f.echoNear(300, -800));
    EXPECT_FALSE(f.echoNear(60, -400));
    EXPECT_FALSE(f.echoNear(300, -900));
}

// An island ahead and to starboard stands in the view right of the centre
// and none to the left; looking past it, to the left only; looking astern
// there is no land.
TEST(TrueCoastView, LandRisesWhereTheShoreLies) {
    constexpr gfx::Color kLandGreen = gfx::Rgb(0, 127, 0);
    const Islands islands{{200, -700, 500, -600}};  // bearings 16 to 37 degrees from the eye
    struct Case {
        int32_t heading;
        bool right, left;
    };
    for (const Case c : {Case{0, true, false}, Case{50, false, true}, Case{180, false, false}}) {
        auto g = test::ViewGame();
        islands.load(*g);
        g->viewState.viewHeading = g->viewState.eyeHeading = c.heading;
        test::Canvas canvas(1024, 768);
        drawTrueCoast(canvas.dc, *g);
        int32_t right = 0, left = 0;
        for (int32_t y = g->viewState.horizonY; y < g->screenState.panelTop; ++y)
            for (int32_t x = 0; x < 1024; ++x)
                if (canvas.at(x, y) == kLandGreen) ++(x > 612 ? right : left);
        SCOPED_TRACE(testing::Message() << "looking " << c.heading);
        EXPECT_EQ(right > 100, c.right);
        EXPECT_EQ(left > 100, c.left);
    }
}

}  // namespace
}  // namespace vel
