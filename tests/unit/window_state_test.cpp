#include "app/window_state.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <tuple>

namespace vel {
namespace {

TEST(WindowState, LivesBesideItsSettingsFileReadsBackAndFallsBackToTheDefaults) {
    EXPECT_EQ(WindowStatePath("/home/u/.config/velmara/p.vel"), "/home/u/.config/velmara/p.vel.window");
    QTemporaryDir dir;
    for (const WindowState s : {WindowState{1024, 700, false}, WindowState{640, 480, true}}) {
        KeptFile file(dir.filePath("new/p.vel.window").toStdString());
        std::string why;
        ASSERT_TRUE(SaveWindowState(file, s, why)) << why;
        const WindowState r = LoadWindowState(file);
        EXPECT_EQ(std::tuple(r.width, r.height, r.maximised), std::tuple(s.width, s.height, s.maximised));
    }
    // Missing or damaged values give the defaults; the older files' form still reads.
    for (const auto& [text, width, height, maximised] : {
             std::tuple{"[window]\nwidth=800\nheight=600\nmaximised=false\n", 800, 600, false},
             {" width = 800 \r\nmaximised=0\n", 0, 0, false},  // half a size is none
             {"width=-5\nheight=600\n", 0, 0, true},
             {"width=800\nheight=0\n", 0, 0, true},
             {"width=99999\nheight=600\n", 0, 0, true},  // larger than any screen
             {"width=800px\nheight=600\n", 0, 0, true},
             {"\x01\x02 not a settings file at all \xff", 0, 0, true},
         }) {
        const WindowState s = DecodeWindowState(text);
        EXPECT_EQ(std::tuple(s.width, s.height, s.maximised), std::tuple(width, height, maximised)) << text;
    }
}

}  // namespace
}  // namespace vel
