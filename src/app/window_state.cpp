#include "app/window_state.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "shell/settings.h"

namespace vel {
namespace {

// Far beyond any screen: a larger number is damage, not a window.
constexpr int kMaxSide = 1 << 15;

int Side(std::string_view v) {
    int n = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    return ec == std::errc() && end == v.data() + v.size() && n > 0 && n <= kMaxSide ? n : 0;
}

}  // namespace

std::string WindowStatePath(const std::string& settingsPath) { return settingsPath + ".window"; }

std::string EncodeWindowState(const WindowState& s) {
    return "# Velmara: the main window's size when not maximised\nwidth=" + std::to_string(s.width) +
           "\nheight=" + std::to_string(s.height) + "\nmaximised=" + (s.maximised ? "1" : "0") + "\n";
}

WindowState DecodeWindowState(std::string_view text) {
    WindowState s;
    ForEachKeyValue(text, [&s](std::string_view key, std::string_view value) {
        if (key == "width") s.width = Side(value);
        if (key == "height") s.height = Side(value);
        // Older files wrote true and false.
        if (key == "maximised" && (value == "0" || value == "false")) s.maximised = false;
        if (key == "maximised" && (value == "1" || value == "true")) s.maximised = true;
    });
    if (s.width == 0 || s.height == 0) s.width = s.height = 0;
    return s;
}

WindowState LoadWindowState(KeptFile& file) {
    const std::vector<uint8_t> bytes = file.read();
    return DecodeWindowState(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool SaveWindowState(const KeptFile& file, const WindowState& state, std::string& why) {
    return file.save(EncodeWindowState(state), why);
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
