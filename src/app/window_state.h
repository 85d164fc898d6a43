#pragma once
// The main window's size and maximised state, remembered between runs in a
// small file of our own beside the settings file, whose layout stays fixed.
#include <string>

namespace vel {

struct WindowState {
    int width = 0;  // the size when not maximised; 0 = none remembered
    int height = 0;
    bool maximised = true;
};

// "p.vel" → "p.vel.window": two settings files never share one.
std::string WindowStatePath(const std::string& settingsPath);

// Missing, unreadable or implausible values give the defaults.
WindowState LoadWindowState(const std::string& path);

bool SaveWindowState(const std::string& path, const WindowState& state);

struct WindowRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const WindowRect&) const = default;
};
// A window's outer rectangle moved, and shrunk where it must be, so that it
// lies wholly on the screen's usable area.
WindowRect FitOnScreen(const WindowRect& frame, const WindowRect& available);

}  // namespace vel
