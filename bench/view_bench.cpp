// One running frame: the tick, the sailing view and the control panel, as
// the window would draw it, at the two common display sizes, in open water
// and in the anchorage among the anchored fleet; and among Maine's islands.
// Then the sailing view alone and the radar alone at 1150 x 729, close to
// the true coast of each area that has one, beside a generated area.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "app/frame.h"
#include "gfx/dc.h"
#include "replay/script.h"
#include "shell/ais.h"
#include "views/radar.h"
#include "views/sailing_view.h"

namespace {

using vel::replay::Session;

void Run(Session& s, std::initializer_list<std::string> words) {
    std::vector<std::string> w(words);
    for (const vel::replay::ReplayCommand& c : vel::replay::ReplayCommands()) {
        if (w[0] != c.name) continue;
        c.run(s, vel::replay::Args(w).subspan(1));
        return;
    }
}

std::string Text(double v) {
    std::ostringstream o;
    o << v;
    return o.str();
}

// A cruise started and under sail on a reach, the chart put away; `area`
// is the menu command of the cruising area, or empty for the default.
void StartSailing(Session& s, int width, int height, const std::string& area = "") {
    std::ostringstream out, err;
    s.out = &out;
    s.err = &err;
    Run(s, {"size", std::to_string(width), std::to_string(height)});
    Run(s, {"seed", "7"});
    Run(s, {"frames", "1"});
    if (!area.empty()) Run(s, {"command", area});
    Run(s, {"key", "SPACE"});
    Run(s, {"frames", "1"});
    Run(s, {"key", "SPACE"});
    Run(s, {"frames", "1"});
    Run(s, {"click", "500", "300"});
    Run(s, {"key", "SPACE"});
    Run(s, {"frames", "3"});
    Run(s, {"set", "OwnBoat.sailsUp", "1"});
    Run(s, {"set", "Weather.waveState", "2"});
}

void Place(Session& s, double x, double y) {
    Run(s, {"set", "OwnBoat.x", Text(x)});
    Run(s, {"set", "OwnBoat.y", Text(y)});
    Run(s, {"frames", "3"});
}

void Frame(benchmark::State& state, int width, int height, bool anchorage) {
    Session s;
    StartSailing(s, width, height);
    const vel::AreaGrid& a = s.game->areaGrid;
    if (anchorage) Place(s, a.harbourX + 120.0, a.harbourY + 80.0);
    else Place(s, a.harbourX - 2500.0, a.harbourY);
    for (auto _ : state) s.step();
    state.SetLabel(std::to_string(s.game->screenState.width) + "x" + std::to_string(s.game->screenState.height));
}

void OpenWater1150(benchmark::State& st) { Frame(st, 1150, 768, false); }
void Anchorage1150(benchmark::State& st) { Frame(st, 1150, 768, true); }
void OpenWater1024(benchmark::State& st) { Frame(st, 1024, 768, false); }
void Anchorage1024(benchmark::State& st) { Frame(st, 1024, 768, true); }

// In Penobscot Bay off Vinalhaven, looking up the bay over its islands.
void MaineIslands1150(benchmark::State& state) {
    Session s;
    StartSailing(s, 1150, 768, "32971");
    Run(s, {"weather", "clear"});
    Run(s, {"set", "OwnBoat.heading", "30"});
    Place(s, -1885.0, 734.0);
    for (auto _ : state) s.step();
}

// Off a coast, looking along or across it; x, y and heading of the boat.
// An empty area is the generated coast, in its anchorage under the shore.
struct CoastPlace {
    const char* name;
    const char* area;
    double x, y;
    int heading;
};
constexpr CoastPlace kCoastPlaces[] = {
    {"Generated", "", 0, 0, 0},
    {"MaineIslands", "32971", -1885, 734, 30},       // Penobscot Bay, up the bay
    {"MaineVinalhaven", "32971", -1650, 700, 80},    // close under its shore
    {"SouthernNewEngland", "32973", 712, -2137, 0},  // Newport's harbour mouth
    {"Chesapeake", "32972", 358, -7235, 270},        // off Annapolis
    {"Exumas", "32975", -3005, -74, 90},             // on the bank among the cays
    {"FloridaBahamas", "32967", -7582, 10772, 90},   // west of Bimini
    {"MaineNovaScotia", "32969", -22773, -7869, 0},  // off Mount Desert
};

void CoastDrawing(benchmark::State& state, const CoastPlace& p, bool radar) {
    Session s;
    StartSailing(s, 1150, 768, p.area);
    Run(s, {"weather", "clear"});
    Run(s, {"set", "ScreenState.radarOn", "1"});
    const vel::AreaGrid& a = s.game->areaGrid;
    const bool generated = p.area[0] == '\0';
    Run(s, {"set", "OwnBoat.heading", std::to_string(p.heading)});
    Run(s, {"set", "OwnBoat.headingExact", std::to_string(p.heading)});
    Place(s, generated ? a.harbourX + 120.0 : p.x, generated ? a.harbourY + 80.0 : p.y);
    vel::Game& g = *s.game;
    const vel::ScreenState& sc = g.screenState;
    vel::gfx::Palette palette{sc.fullHeight};
    vel::gfx::Surface surface(sc.width, sc.height);
    vel::gfx::DC dc(surface, palette, vel::gfx::FontPixelSizeFor(sc.fullHeight));
    const int radarTop = static_cast<int>(sc.heightD * 0.48), radarRight = static_cast<int>(sc.widthD * 0.329);
    for (auto _ : state) {
        if (radar) vel::drawRadar(dc, g, 0, radarTop, radarRight, sc.height);
        else vel::drawSailingView(dc, g, 0, 0, sc.width, sc.panelTop);
    }
    state.SetLabel(std::to_string(sc.width) + "x" + std::to_string(sc.height));
}

const bool kCoastRegistered = [] {
    for (const CoastPlace& p : kCoastPlaces) {
        benchmark::RegisterBenchmark((std::string("CoastView/") + p.name).c_str(), CoastDrawing, p, false)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("CoastRadar/") + p.name).c_str(), CoastDrawing, p, true)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();
// The Exumas among the anchored fleet with a ship close by, the NMEA output
// writing to a file, with and without the AIS targets.
void ExumasTraffic(benchmark::State& state, bool ais) {
    Session s;
    StartSailing(s, 1024, 768, "32975");
    Run(s, {"nmea-log", "/dev/null"});
    Run(s, {"set", "NmeaOutput.ais", ais ? "1" : "0"});
    const vel::AreaGrid& a = s.game->areaGrid;
    Run(s, {"set", "ObjectList.fbx[35]", Text(a.harbourX + 600.0)});
    Run(s, {"set", "ObjectList.fby[35]", Text(a.harbourY)});
    Place(s, a.harbourX + 120.0, a.harbourY + 80.0);
    for (auto _ : state) s.step();
}
// One AIS message as the frame collects it: a report due every call.
void CollectAisMessage(benchmark::State& state) {
    Session s;
    StartSailing(s, 1024, 768, "32975");
    Run(s, {"nmea-log", "/dev/null"});
    uint32_t tick = 0;
    for (auto _ : state) {
        s.game->simClock.cruiseMinutes += 0.5;
        benchmark::DoNotOptimize(vel::CollectAis(*s.game, tick += 100));
    }
}
BENCHMARK(CollectAisMessage);

void ExumasNmea1024(benchmark::State& st) { ExumasTraffic(st, false); }
void ExumasNmeaAis1024(benchmark::State& st) { ExumasTraffic(st, true); }

BENCHMARK(MaineIslands1150)->Unit(benchmark::kMicrosecond);
BENCHMARK(ExumasNmea1024)->Unit(benchmark::kMicrosecond);
BENCHMARK(ExumasNmeaAis1024)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenWater1150)->Unit(benchmark::kMicrosecond);
BENCHMARK(Anchorage1150)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenWater1024)->Unit(benchmark::kMicrosecond);
BENCHMARK(Anchorage1024)->Unit(benchmark::kMicrosecond);

}  // namespace
