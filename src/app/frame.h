#pragma once
// One frame of the program: measure, run the phase work, tick, draw the
// selected screens and overlays into a fresh picture. Both the window and the
// headless harness run frames through this driver.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "gfx/palette.h"

namespace vel {

// What a frame needs from the platform.
class FrameHost {
public:
    virtual ~FrameHost() = default;
    virtual uint32_t tickCount() = 0;  // milliseconds, wraps
    virtual uint32_t wallClockSeed() = 0;  // seconds since the epoch
    // The cursor in frame pixels; false when unknown.
    virtual bool cursor(int32_t& x, int32_t& y) = 0;
    virtual void playSounds(const std::vector<SoundRequest>& requests) = 0;
    // NMEA sentences for a chart plotter (shell/nmea.h); a host without an
    // output drops them.
    virtual void sendNmea(const std::vector<std::string>& sentences) { (void)sentences; }
};

struct Display {
    int32_t width = 1024;
    int32_t height = 768;
    int32_t bitsPerPixel = 32;
    int32_t menuBarHeight = 20;
};

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct FrameResult {
    std::unique_ptr<gfx::Surface> picture;
    bool invalidate = false;  // false while frozen: wait for input
    Rect invalid;             // the part of the window that changes each frame
    uint32_t notBefore = 0;   // earliest tick count for the next frame
};

// Capped display metrics and layout scales.
void ComputeScreenMetrics(ScreenState& s, const Display& d);

// The end-of-cruise test, the four simulation steps, the sound cues and the
// minimum tick time by simulator speed.
void SimulationTick(Game& g, class Pacer& pacer);

// Seeds, tables and the cruise start: the work of the frame after "start".
void SetUpCruise(Game& g, FrameHost& host);

class FrameDriver {
public:
    // The palette is made once, from the display height at start-up.
    explicit FrameDriver(int32_t startupScreenHeight);
    FrameResult run(Game& g, FrameHost& host, const Display& display);
    const gfx::Palette& palette() const { return palette_; }

private:
    gfx::Palette palette_;
    gfx::TextWidthCache textWidths_;
    gfx::ShapeCache shapes_;
};

}  // namespace vel
