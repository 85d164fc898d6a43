#include "app/frame.h"

#include <algorithm>

#include "common/helpers.h"
#include "cruise/help.h"
#include "cruise/results.h"
#include "cruise/title.h"
#include "shell/ais.h"
#include "shell/input.h"
#include "shell/nmea.h"
#include "shell/pacer.h"
#include "shell/sound_cues.h"
#include "sim/cruise_start.h"
#include "sim/tick.h"
#include "sim/wave_motion.h"
#include "views/chart.h"
#include "views/forecast.h"
#include "views/minichart.h"
#include "views/panel.h"
#include "views/radar.h"
#include "views/sailing_view.h"
#include "world/tides.h"

namespace vel {

void ComputeScreenMetrics(ScreenState& s, const Display& d) {
    const int32_t oldWidth = s.width, oldHeight = s.height;
    s.bitsPerPixel = d.bitsPerPixel;
    s.fullWidth = std::min(d.width, 1150);
    s.width = s.fullWidth;
    s.halfWidth = s.width / 2;
    s.fullHeight = std::min(d.height, 768);
    if (static_cast<double>(s.fullHeight) / s.fullWidth > 0.75 && s.width > 900)
        s.fullHeight = Trunc(s.fullHeight * 0.75);
    s.vScale = s.fullHeight * 0.0020833333333333333;
    s.hScale = s.fullWidth * 0.0015625;
    s.height = Trunc(s.fullHeight - s.vScale * 24);
    s.heightCopy = s.height;
    // The running screens are laid out from these; a window resized during
    // a cruise must not leave them at the size of the last title frame.
    if (s.width != oldWidth || s.height != oldHeight) {
        s.widthD = s.width;
        s.heightD = s.height;
    }
}

void SimulationTick(Game& g, Pacer& pacer) {
    ScreenState& s = g.screenState;
    if (s.resultsStep == 1 || g.simClock.day > 5 || g.score.endReason == 1) {
        s.resultsState = 1;
        if (g.simClock.day > 5 || g.score.endReason > 0) {
            s.resultsStep = 1;
            s.helpPage = s.paused = s.forecastShown = s.chartShown = 0;
            g.ownBoat.speedExact = 0.0;
        }
        return;
    }
    const uint32_t start = pacer.now();
    RunSimulationSteps(g);
    PlayTickSoundCues(g);

    const int32_t speed = g.cruiseOptions.simSpeed;
    const uint32_t minimum = speed <= 2 ? 100 : speed <= 4 ? 50 : speed == 5 ? 20 : 0;
    pacer.holdUntil(start, minimum);
    if (s.slowFrames > 0) pacer.holdUntil(start, 100);
}

void SetUpCruise(Game& g, FrameHost& host) {
    g.rng.srand(g.forcedSeed ? *g.forcedSeed : host.wallClockSeed());
    FillRandomTable(g.randomTable, g.rng);
    g.aisTraffic = AisTraffic{};
    BuildTrigTables(g.trigTables);
    StartCruise(g);
    ScreenState& s = g.screenState;
    s.forecastShown = 1;
    s.phase = 2;
    s.chartShown = 1;
}

FrameDriver::FrameDriver(int32_t startupScreenHeight) : palette_(startupScreenHeight) {}

FrameResult FrameDriver::run(Game& g, FrameHost& host, const Display& display) {
    ScreenState& s = g.screenState;
    ComputeScreenMetrics(s, display);

    FrameResult out;
    out.picture = std::make_unique<gfx::Surface>(s.width, s.height);
    gfx::DC dc(*out.picture, palette_, gfx::FontPixelSizeFor(s.fullHeight));
    dc.UseWidthCache(&textWidths_);
    dc.UseShapeCache(&shapes_);
    Pacer pacer(host.tickCount());

    int32_t cx = 0, cy = 0;
    if (s.chartShown == 0 && host.cursor(cx, cy)) {
        ClampToFrame(s, cx, cy);
        if (cy > s.steerZoneY && cx > s.width / 3 && cx < (2 * s.width) / 3) {
            s.steerMouseX = cx;
            s.steerMouseY = cy;
        }
    }

    if (s.phase == 0) {
        BuildTrigTables(g.trigTables);
        DrawTitle(dc, g, pacer, display.menuBarHeight);
    } else if (s.phase == 1) {
        SetUpCruise(g, host);
    }
    if (s.forecastShown == 1 && s.phase == 2 && s.resultsState == 0) {
        DrawForecast(dc, g, pacer);
        SetDayTide(g, 0);
    }
    if (s.chartShown == 1 && s.phase >= 2 && s.forecastShown == 0 && s.resultsState == 0 && s.resultsStep == 0)
        drawChart(dc, g);

    if (s.phase == 2 && s.resultsState == 0 && s.forecastShown == 0 && s.chartShown == 0 && s.resultsStep == 0 &&
        s.startPlaced == 1) {
        // The atlas looks ahead only while the chart is up: the boat drifts
        // with the present current.
        g.tideState.chartHoursAhead = 0;
        if (s.paused == 0 && s.helpPage == 0) {
            SimulationTick(g, pacer);
            if (const std::vector<std::string> nmea = CollectNmea(g, host.tickCount()); !nmea.empty())
                host.sendNmea(nmea);
            if (const std::vector<std::string> ais = CollectAis(g, host.tickCount()); !ais.empty())
                host.sendNmea(ais);
            // Paused, the boat holds still and the seas fall silent.
            AdvanceWaveMotion(g);
            PlayWaveCues(g);
        }
        updateViewHeading(g);
        s.panelTop = s.width < 700 ? Trunc(s.heightD * 0.66) : Trunc(s.heightD * 0.67);
        drawSailingView(dc, g, 0, 0, s.width, s.panelTop);
        DrawControlPanel(dc, g, 0, s.panelTop, s.width, s.height);
        if (s.radarOn == 0) {
            if (s.miniChartMode == 1)
                drawMiniChart(dc, g, 0, s.panelTop + 1, Trunc(s.widthD * 0.27), Trunc(s.heightD * 0.99));
            else if (s.miniChartMode == 2)
                drawMiniChart(dc, g, 0, Trunc(s.heightD * 0.6), Trunc(s.widthD * 0.329), Trunc(s.heightD * 0.99));
        } else {
            drawRadar(dc, g, 0, Trunc(s.heightD * 0.48), Trunc(s.widthD * 0.329), s.height);
        }
    }

    if (s.resultsState > 0 || s.resultsStep == 1) ShowResults(dc, g, pacer);
    if (s.helpPage > 0) DrawHelp(dc, g);

    if (s.phase == 0 && s.helpPage == 0)
        out.invalid = {s.width / 2, s.height / 6, (s.width * 9) / 10, (s.height * 3) / 4 - Trunc(s.vScale * 25)};
    else
        out.invalid = {0, 0, s.width, s.height};
    out.invalidate = s.frozen == 0;
    out.notBefore = pacer.notBefore();

    if (!g.soundRequests.empty()) {
        host.playSounds(g.soundRequests);
        g.soundRequests.clear();
    }
    return out;
}

}  // namespace vel
