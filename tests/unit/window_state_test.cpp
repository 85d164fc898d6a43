#include "app/window_state.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace vel {
namespace {

std::string Write(const QTemporaryDir& dir, const char* text) {
    const QString path = dir.filePath("p.vel.window");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path.toStdString();
}

TEST(WindowState, LivesBesideItsSettingsFile) {
    EXPECT_EQ(WindowStatePath("/home/u/.config/velmara/p.vel"), "/home/u/.config/velmara/p.vel.window");
}

TEST(WindowState, SavedStateReadsBackAndACreatedFolderIsNoObstacle) {
    QTemporaryDir dir;
    for (const WindowState s : {WindowState{1024, 700, false}, WindowState{640, 480, true}}) {
        const std::string path = dir.filePath("new/p.vel.window").toStdString();
        ASSERT_TRUE(SaveWindowState(path, s));
        const WindowState r = LoadWindowState(path);
        EXPECT_EQ(r.width, s.width);
        EXPECT_EQ(r.height, s.height);
        EXPECT_EQ(r.maximised, s.maximised);
    }
}

TEST(WindowState, MissingOrDamagedValuesGiveTheDefaults) {
    QTemporaryDir dir;
    const WindowState none = LoadWindowState(dir.filePath("absent").toStdString());
    EXPECT_EQ(none.width, 0);
    EXPECT_TRUE(none.maximised);

    const struct {
        const char* text;
        int width, height;
        bool maximised;
    } cases[] = {
        {"[window]\nwidth=800\nheight=600\nmaximised=false\n", 800, 600, false},
        {"[window]\nwidth=800\nmaximised=false\n", 0, 0, false},       // half a size is none
        {"[window]\nwidth=-5\nheight=600\n", 0, 0, true},
        {"[window]\nwidth=800\nheight=0\n", 0, 0, true},
        {"[window]\nwidth=99999\nheight=600\n", 0, 0, true},           // larger than any screen
        {"[window]\nwidth=wide\nheight=600\n", 0, 0, true},
        {"\x01\x02 not a settings file at all \xff", 0, 0, true},
    };
    for (const auto& c : cases) {
        const WindowState s = LoadWindowState(Write(dir, c.text));
        EXPECT_EQ(s.width, c.width) << c.text;
        EXPECT_EQ(s.height, c.height) << c.text;
        EXPECT_EQ(s.maximised, c.maximised) << c.text;
    }
}

}  // namespace
}  // namespace vel
