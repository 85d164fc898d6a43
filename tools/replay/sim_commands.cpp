#include "replay/sim_commands.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <string>

#include "common/helpers.h"
#include "cruise/title.h"
#include "sim/boat_state.h"
#include "sim/tick.h"

namespace vel::replay {
namespace {

constexpr int32_t kSettleTicks = 600;
constexpr int32_t kAveragedTicks = 200;
constexpr int32_t kOpenWaterDepth = 99;

bool ParseInt(const std::string& s, int32_t& v) {
    const char* e = s.data() + s.size();
    auto r = std::from_chars(s.data(), e, v);
    return r.ec == std::errc() && r.ptr == e;
}

std::unique_ptr<Game> PolarGame(const CruiseOptions& options, int32_t boatType) {
    auto g = std::make_unique<Game>();
    CruiseOptions& o = g->cruiseOptions;
    o = options;
    o.boatType = boatType;
    o.difficulty = 1;  // no storms, no failures
    o.simSpeed = 15;
    o.stepDivisor = 10;
    o.troubleNoEngine = 0;
    o.currentsOn = 0;
    ApplyBoatDesign(*g);
    BuildTrigTables(g->trigTables);
    g->areaGrid.unitsPerMile = 300;
    ResetClockAndBoat(*g);
    return g;
}

void SetOff(Game& g, int32_t wind) {
    OwnBoat& b = g.ownBoat;
    b.x = b.y = 0.0;
    b.speedExact = 0.0;
    b.speed = b.heel = b.leeway = 0;
    b.sheet = 47;
    b.autoTrim = 1;
    b.depth = kOpenWaterDepth;
    if (IsSailboat(g.cruiseOptions)) {
        b.sailsUp = 1;
        b.headsail = 1;
    } else {
        b.sailsUp = 0;
        b.throttle = 10;
        b.gear = 3;
    }
    g.weather.windDirection = 0;
    g.weather.windSpeed = wind;
    g.weather.waveState = 0;
}

PolarPoint Settle(Game& g, int32_t angle) {
    OwnBoat& b = g.ownBoat;
    PolarPoint p;
    p.angle = angle;
    for (int32_t t = 0; t < kSettleTicks; ++t) {
        // The helmsman holds the course; the speed step and the motion are the real ones.
        b.heading = angle;
        b.headingExact = angle;
        UpdateSpeed(g);
        AdvanceClockAndMove(g);
        if (t < kSettleTicks - kAveragedTicks) continue;
        p.knots += b.speedExact * 0.1;
        p.heel += b.heel;
        p.leeway += b.leeway;
    }
    p.knots /= kAveragedTicks;
    p.heel /= kAveragedTicks;
    p.leeway /= kAveragedTicks;
    return p;
}

const char* BoatName(int32_t type) {
    switch (type) {
        case 1: return "monohull";
        case 2: return "catamaran";
        case 3: return "single-screw trawler";
        default: return "twin-screw trawler";
    }
}

}  // namespace

std::vector<PolarPoint> SteadyPolar(const CruiseOptions& options, int32_t boatType, int32_t wind,
                                    const std::vector<int32_t>& angles, void (*rig)(OwnBoat&)) {
    std::vector<PolarPoint> out;
    for (int32_t angle : angles) {
        auto g = PolarGame(options, boatType);
        SetOff(*g, wind);
        if (rig) rig(g->ownBoat);
        out.push_back(Settle(*g, angle));
    }
    return out;
}

int Polar(Session& s, Args a) {
    int32_t type = 0, wind = 0;
    if (!ParseInt(a[0], type) || type < 1 || type > 4 || !ParseInt(a[1], wind) || wind < 0 || wind > 200) {
        *s.err << "polar takes a boat type 1..4 and a wind of 0..200 knots\n";
        return kMalformed;
    }
    std::vector<int32_t> angles = {0};
    for (int32_t angle = 30; angle <= 180; angle += 10) angles.push_back(angle);
    const bool sails = type <= 2;
    *s.out << "# " << BoatName(type) << (sails ? ", sails up" : ", engines full ahead") << ", wind " << wind
           << " kn: angle knots heel leeway\n";
    char line[64];
    for (const PolarPoint& p : SteadyPolar(s.game->cruiseOptions, type, wind, angles)) {
        std::snprintf(line, sizeof line, "%3d %5.1f %4.1f %5.1f\n", p.angle, p.knots, p.heel, p.leeway);
        *s.out << line;
    }
    return kOk;
}

int State(Session& s, Args) {
    const Game& g = *s.game;
    const SimClock& c = g.simClock;
    const OwnBoat& b = g.ownBoat;
    const Weather& w = g.weather;
    char line[400];
    std::snprintf(line, sizeof line,
                  "day %d %02d:%02d x %.1f y %.1f hdg %d spd %.1f heel %d twa %d tack %d awa %d aws %d leeway %d "
                  "sog %.1f cog %d depth %d wind %d/%d waves %d storm %d fog %d sails %d sheet %d throttle %d gear %d\n",
                  c.day, c.hour, c.minute, b.x, b.y, b.heading, b.speedExact * 0.1, b.heel, b.trueWindAngle, b.tack,
                  b.apparentWindAngle, b.apparentWindSpeed, b.leeway, b.speedOverGround, b.courseOverGround, b.depth,
                  w.windDirection, w.windSpeed, w.waveState, w.storm, w.fog, b.sailsUp, b.sheet, b.throttle, b.gear);
    *s.out << line;
    return kOk;
}

}  // namespace vel::replay
