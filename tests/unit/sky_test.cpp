#include "views/sky.h"

#include <gtest/gtest.h>

#include <string>

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
    g->weather.fog = w.fog;
    g->weather.storm = w.storm;
    g->weather.cloudCover = w.cloudCover;
    g->weather.moonlight = w.moonlight;
    g->screenState.bitsPerPixel = w.bitsPerPixel;
    g->viewState.monochrome = w.monochrome;
    g->areaGrid.region = w.region;
    ComputeFrameLight(*g);
    return g;
}

Color SeaOf(const Weathering& w) {
    auto g = GameIn(w);
    test::Canvas c(200, 200);
    drawSea(c.dc, *g, 0, 0, 200, 200);
    return c.at(100, 150);
}

struct SeaCase {
    const char* what;
    Weathering w;
    Color sea;
};

TEST(SeaColour, FollowsHourWeatherAndDisplay) {
    const SeaCase cases[] = {
        {"clear noon", {}, Rgb(0, 127, 127)},
        {"fog", {.fog = 1}, Rgb(63, 63, 63)},
        {"thunderstorm", {.storm = 2}, Rgb(63, 63, 63)},
        {"distant thunder", {.storm = 1}, Rgb(0, 127, 127)},
        {"night under the moon", {.hour = 22}, Rgb(16, 16, 16)},
        {"night in fog", {.hour = 22, .fog = 1}, Rgb(16, 16, 16)},
        {"moonless night", {.hour = 22, .moonlight = 0}, Rgb(0, 0, 0)},
        {"night on a few colours", {.hour = 2, .bitsPerPixel = 8}, Rgb(0, 0, 0)},
        {"black and white by day", {.monochrome = 1}, Rgb(16, 16, 16)},
        {"Bahamas", {.region = 3}, Rgb(0, 201, 201)},
        {"Bahamas on a few colours", {.bitsPerPixel = 8, .region = 3}, Rgb(0, 127, 255)},
        {"Bahamas in fog", {.fog = 1, .region = 3}, Rgb(63, 63, 63)},
        {"hour 20 is night", {.hour = 20}, Rgb(16, 16, 16)},
        {"hour 5 is day", {.hour = 5}, Rgb(0, 127, 127)},
    };
    for (const SeaCase& c : cases) EXPECT_EQ(SeaOf(c.w), c.sea) << c.what;
}

TEST(SeaColour, PassageWatersByTheGulfStream) {
    Weathering w;
    w.region = 5;
    auto g = GameIn(w);
    g->ownBoat.x = -16000;  // west of the stream's west edge at -15500
    EXPECT_EQ(SeaBrush(*g), 17);
    g->ownBoat.x = -10000;  // inside the stream
    EXPECT_EQ(SeaBrush(*g), 16);
    g->ownBoat.x = 0;
    g->passageState.onBank = 1;
    EXPECT_EQ(SeaBrush(*g), 9);
}

// Sky samples: in the middle of the sky, in the haze band just above the
// horizon and in the top band. The horizon is row 72.
struct SkySample {
    Color middle, haze, top;
};

SkySample SkyOf(const Weathering& w, int32_t viewHeading = 0) {
    auto g = GameIn(w);
    g->viewState.viewHeading = viewHeading;
    test::Canvas c(200, 200);
    drawSky(c.dc, *g, 0, 0, 200);
    return {c.at(100, 40), c.at(100, 69), c.at(100, 3)};
}

TEST(SkyColour, ClearDayHasItsHazeBands) {
    const SkySample s = SkyOf({});
    EXPECT_EQ(s.middle, Rgb(127, 200, 255));
    EXPECT_EQ(s.haze, Rgb(140, 213, 255));
    EXPECT_EQ(s.top, Rgb(107, 180, 255));
}

struct SkyCase {
    const char* what;
    Weathering w;
    int32_t viewHeading;
    Color middle, haze, top;
};

TEST(SkyColour, ByHourAndWeather) {
    const Color black = Rgb(0, 0, 0), blue = Rgb(0, 0, 255), navy = Rgb(0, 0, 127), grey = Rgb(127, 127, 127);
    const Color light = Rgb(191, 191, 191);
    const SkyCase cases[] = {
        {"overcast: no bands", {.cloudCover = 3}, 0, light, light, light},
        {"distant thunder", {.storm = 1}, 0, grey, grey, grey},
        {"few colours: the safe blue, no bands", {.bitsPerPixel = 8}, 0, Rgb(127, 255, 255), Rgb(127, 255, 255),
         Rgb(127, 255, 255)},
        {"monochrome", {.monochrome = 1}, 0, light, light, light},
        {"night", {.hour = 23}, 0, black, black, black},
        {"hour 5: blue under a dark top", {.hour = 5}, 0, blue, blue, navy},
        {"hour 19 overcast: grey", {.hour = 19, .cloudCover = 3}, 0, grey, grey, grey},
        {"hour 4 facing east: a glow low down", {.hour = 4}, 90, navy, navy, black},
        {"hour 4 facing west: dark", {.hour = 4}, 270, black, black, black},
        {"hour 20 facing west: the afterglow", {.hour = 20}, 270, navy, navy, black},
        {"hour 20 facing east: dark", {.hour = 20}, 90, black, black, black},
    };
    for (const SkyCase& c : cases) {
        const SkySample s = SkyOf(c.w, c.viewHeading);
        EXPECT_EQ(s.middle, c.middle) << c.what;
        EXPECT_EQ(s.haze, c.haze) << c.what;
        EXPECT_EQ(s.top, c.top) << c.what;
    }
}

TEST(FrameLight, NightTwilightAndGlare) {
    struct Case {
        int32_t hour, night, twilight;
    };
    const Case cases[] = {{3, 1, 0}, {4, 1, 2}, {5, 0, 1}, {6, 0, 0}, {18, 0, 0}, {19, 0, 1}, {20, 1, 2}, {21, 1, 0}};
    for (const Case& c : cases) {
        Weathering w;
        w.hour = c.hour;
        auto g = GameIn(w);
        EXPECT_EQ(g->viewState.night, c.night) << c.hour;
        EXPECT_EQ(g->viewState.twilight, c.twilight) << c.hour;
    }
    Weathering morning;
    morning.hour = 8;
    auto g = GameIn(morning);
    g->viewState.sunX = 500;
    ComputeFrameLight(*g);
    EXPECT_EQ(g->viewState.sunGlare, 1);
    g->viewState.sunX = 100;  // strictly inside 100..width-100 only
    ComputeFrameLight(*g);
    EXPECT_EQ(g->viewState.sunGlare, 0);
    g->viewState.sunX = 500;
    g->simClock.hour = 9;  // within three hours of noon
    ComputeFrameLight(*g);
    EXPECT_EQ(g->viewState.sunGlare, 0);
}

// ---- thunder -------------------------------------------------------------------

int ThunderRequests(Game& g, bool storm) {
    test::Canvas c(640, 200);
    int n = 0;
    for (int i = 0; i < 2000; ++i) {
        g.soundRequests.clear();
        if (storm) drawThunderstorm(c.dc, g);
        else drawDistantThunder(c.dc, g);
        for (const SoundRequest& r : g.soundRequests) {
            EXPECT_TRUE(r.id == 138 || r.id == 139);
            EXPECT_EQ(r.mode, PlayMode::Plain);
            ++n;
        }
    }
    return n;
}

TEST(Thunder, HeardOnlyWhenSoundsMayPlay) {
    for (bool storm : {false, true}) {
        auto g = test::ViewGame();
        g->weather.storm = storm ? 2 : 1;
        g->cruiseOptions.soundLevel = 2;
        g->simClock.minute = 4;
        EXPECT_GT(ThunderRequests(*g, storm), 0) << storm;
        g->simClock.minute = 5;  // odd minutes stay silent
        EXPECT_EQ(ThunderRequests(*g, storm), 0) << storm;
        g->simClock.minute = 4;
        g->cruiseOptions.soundLevel = 1;
        EXPECT_EQ(ThunderRequests(*g, storm), 0) << storm;
        g->cruiseOptions.soundLevel = 3;
        g->screenState.paused = 1;
        EXPECT_EQ(ThunderRequests(*g, storm), 0) << storm;
        g->screenState.paused = 0;
        g->screenState.helpPage = 2;
        EXPECT_EQ(ThunderRequests(*g, storm), 0) << storm;
    }
}

TEST(Thunder, NoStormNoThunder) {
    auto g = test::ViewGame();
    g->simClock.minute = 2;
    EXPECT_EQ(ThunderRequests(*g, false), 0);
    EXPECT_EQ(ThunderRequests(*g, true), 0);
}

TEST(Thunder, StormRollsBothPeals) {
    auto g = test::ViewGame();
    g->weather.storm = 2;
    test::Canvas c(640, 200);
    bool heard138 = false, heard139 = false;
    for (int i = 0; i < 3000; ++i) {
        g->soundRequests.clear();
        drawThunderstorm(c.dc, *g);
        for (const SoundRequest& r : g->soundRequests) (r.id == 138 ? heard138 : heard139) = true;
    }
    EXPECT_TRUE(heard138);
    EXPECT_TRUE(heard139);
}

}  // namespace
}  // namespace vel
