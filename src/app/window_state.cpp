#include "app/window_state.h"

#include <QSettings>
#include <algorithm>
#include <cstdio>

namespace vel {
namespace {

// Far beyond any screen: a larger number is damage, not a window.
constexpr int kMaxSide = 1 << 15;

}  // namespace

std::string WindowStatePath(const std::string& settingsPath) { return settingsPath + ".window"; }

WindowState LoadWindowState(const std::string& path) {
    QSettings f(QString::fromStdString(path), QSettings::IniFormat);
    WindowState s;
    bool okW = false, okH = false;
    const int w = f.value("window/width").toInt(&okW);
    const int h = f.value("window/height").toInt(&okH);
    if (okW && okH && w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide) {
        s.width = w;
        s.height = h;
    }
    const QVariant m = f.value("window/maximised");
    if (m.isValid()) s.maximised = m.toBool();
    return s;
}

bool SaveWindowState(const std::string& path, const WindowState& state) {
    QSettings f(QString::fromStdString(path), QSettings::IniFormat);
    f.setValue("window/width", state.width);
    f.setValue("window/height", state.height);
    f.setValue("window/maximised", state.maximised);
    f.sync();
    if (f.status() == QSettings::NoError) return true;
    std::fprintf(stderr, "velmara: could not save the window size to %s\n", path.c_str());
    return false;
}

WindowRect FitOnScreen(const WindowRect& frame, const WindowRect& available) {
    WindowRect r = frame;
    r.width = std::min(frame.width, available.width);
    r.height = std::min(frame.height, available.height);
    r.x = std::clamp(frame.x, available.x, available.x + available.width - r.width);
    r.y = std::clamp(frame.y, available.y, available.y + available.height - r.height);
    return r;
}

}  // namespace vel
