#include "app/window_state.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <tuple>

namespace vel {
namespace {

TEST(WindowState, LivesBesideItsSettingsFileReadsBackAndFallsBackToTheDefaults) {
    EXPECT_EQ(WindowStatePath("/home/u/.config/velmara/p.vel"), "/home/u/.config/velmara/p.vel.window");
    QTemporaryDir dir;
    for (const WindowState s : {WindowState{1024, 700, false}, WindowState{640, 480, true}}) {
        const std::string path = dir.filePath("new/p.vel.window").toStdString();
        ASSERT_TRUE(SaveWindowState(path, s));
        const WindowState r = LoadWindowState(path);
        EXPECT_EQ(std::tuple(r.width, r.height, r.maximised), std::tuple(s.width, s.height, s.maximised));
    }
    // Missing or damaged values give the defaults.
    const WindowState none = LoadWindowState(dir.filePath("absent").toStdString());
    EXPECT_EQ(std::pair(none.width, none.maximised), std::pair(0, true));
    for (const auto& [text, width, height, maximised] : {
             std::tuple{"[window]\nwidth=800\nheight=600\nmaximised=false\n", 800, 600, false},
             {"[window]\nwidth=800\nmaximised=false\n", 0, 0, false},  // half a size is none
             {"[window]\nwidth=-5\nheight=600\n", 0, 0, true},
             {"[window]\nwidth=800\nheight=0\n", 0, 0, true},
             {"[window]\nwidth=99999\nheight=600\n", 0, 0, true},  // larger than any screen
             {"[window]\nwidth=wide\nheight=600\n", 0, 0, true},
             {"\x01\x02 not a settings file at all \xff", 0, 0, true},
         }) {
        QFile f(dir.filePath("p.vel.window"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        const WindowState s = LoadWindowState(f.fileName().toStdString());
        EXPECT_EQ(std::tuple(s.width, s.height, s.maximised), std::tuple(width, height, maximised)) << text;
    }
}

// A screen of 1280 x 800 with a 32-pixel panel at its top.
TEST(WindowState, ARestoredWindowIsBroughtWhollyOntoTheUsableScreen) {
    const WindowRect avail{0, 32, 1280, 768};
    const std::tuple<WindowRect, WindowRect> cases[] = {
        {{100, 100, 800, 600}, {100, 100, 800, 600}},  // already on the screen
        {{0, 0, 1284, 800}, {0, 32, 1280, 768}},       // the maximised size plus the title bar
        {{900, 500, 800, 600}, {480, 200, 800, 600}},  // hanging off the right and the bottom
        {{-50, 10, 600, 400}, {0, 32, 600, 400}},
    };
    for (const auto& [frame, want] : cases) EXPECT_EQ(FitOnScreen(frame, avail), want) << frame.x << "," << frame.y;
}

}  // namespace
}  // namespace vel
