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

}  // namespace
}  // namespace vel
