#include "views/sky.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "sailing_view_fixture.h"

namespace vel {
namespace {

using gfx::Color;
using gfx::Rgb;

struct Weathering {
    int32_t hour = 12;
    int32_t fog = 0, storm = 0, cloudCover = 1, moonlight = 1, bitsPerPixel = 32, monochrome = 0;
    int32_t region = 2;
};

std::unique_ptr<Game> GameIn(const Weathering& w) {
    auto g = test::ViewGame();
    g->simClock.hour = w.hour;
    g->simClock.dayHours = w.hour;
    std::tie(g->weather.fog, g->weather.storm, g->weather.cloudCover, g->weather.moonlight) =
        std::tuple(w.fog, w.storm, w.cloudCover, w.moonlight);
    g->screenState.bitsPerPixel = w.bitsPerPixel;
    g->viewState.monochrome = w.monochrome;
    g->areaGrid.region = w.region;
    ComputeFrameLight(*g);
    return g;
}

TEST(SeaColour, FollowsHourWeatherAreaAndDisplay) {
    const std::tuple<const char*, Weathering, Color> cases[] = {
        {"clear noon", {}, Rgb(0, 127, 127)},
        {"fog", {.fog = 1}, Rgb(63, 63, 63)},
        {"thunderstorm", {.storm = 2}, Rgb(63, 63, 63)},
        {"distant thunder", {.storm = 1}, Rgb(0, 127, 127)},
        {"night under the moon", {.hour = 22}, Rgb(16, 16, 16)},
        {"moonless night", {.hour = 22, .moonlight = 0}, Rgb(0, 0, 0)},
        {"night on a few colours", {.hour = 2, .bitsPerPixel = 8}, Rgb(0, 0, 0)},
        {"black and white by day", {.monochrome = 1}, Rgb(16, 16, 16)},
        {"Bahamas", {.region = 3}, Rgb(0, 201, 201)},
        {"Bahamas on a few colours", {.bitsPerPixel = 8, .region = 3}, Rgb(0, 127, 255)},
        {"hour 20 is night", {.hour = 20}, Rgb(16, 16, 16)},
        {"hour 5 is day", {.hour = 5}, Rgb(0, 127, 127)},
    };
    for (const auto& [what, w, sea] : cases) {
        auto g = GameIn(w);
        test::Canvas c(200, 200);
        drawSea(c.dc, *g, 0, 0, 200, 200);
        EXPECT_EQ(c.at(100, 150), sea) << what;
    }
    Weathering passage;
    passage.region = 5;
    auto g = GameIn(passage);
    g->ownBoat.x = -16000;  // west of the stream's west edge at -15500
    EXPECT_EQ(SeaBrush(*g), 17);
    g->ownBoat.x = -10000;
    EXPECT_EQ(SeaBrush(*g), 16);
    g->ownBoat.x = 0;
    g->passageState.onBank = 1;
    EXPECT_EQ(SeaBrush(*g), 9);
}

TEST(FrameLight, NightTwilightAndGlare) {
    for (auto [hour, night, twilight] : {std::tuple{3, 1, 0}, {4, 1, 2}, {5, 0, 1}, {6, 0, 0}, {18, 0, 0},
                                         {19, 0, 1}, {20, 1, 2}, {21, 1, 0}}) {
        auto g = GameIn({.hour = hour});
        EXPECT_EQ(std::pair(g->viewState.night, g->viewState.twilight), std::pair(night, twilight)) << hour;
    }
    auto g = GameIn({.hour = 8});
    for (auto [sunX, hour, glare] : {std::tuple{500, 8, 1}, {100, 8, 0}, {500, 9, 0}}) {
        g->viewState.sunX = sunX;  // strictly inside 100..width-100, more than three hours from noon
        g->simClock.hour = hour;
        ComputeFrameLight(*g);
        EXPECT_EQ(g->viewState.sunGlare, glare) << sunX << " " << hour;
    }
}

}  // namespace
}  // namespace vel
