#include "sim/hazards.h"

#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/boat_state.h"
#include "world/terrain.h"
#include "world/tides.h"

namespace vel {
namespace {

constexpr int32_t kDeviceCount = 4;
constexpr int32_t kNeverAgain = 30000;
constexpr double kNoBanner = -400.0;
constexpr double kBannerMinutes = 15.0;
constexpr double kMinutesPerDay = 1440.0;

bool TroubleRemoves(const CruiseOptions& o, int32_t device) {
    switch (device) {
        case 0: return o.troubleNoGps != 0;
        case 1: return o.troubleNoRadar != 0;
        case 2: return o.troubleNoDepthAlarm != 0;
        default: return o.troubleNoEngine != 0;
    }
}

// Electronics fail unless spared by option; only a sailboat's auxiliary
// engine fails, a trawler's never does.
bool CanFail(const CruiseOptions& o, int32_t device) {
    if (TroubleRemoves(o, device)) return false;
    if (device < 3) return o.noFailElectronics == 0;
    return o.noFailEngine == 0 && IsSailboat(o);
}

void Beep(Game& g) { g.soundRequests.push_back(SoundRequest{0, PlayMode::Plain}); }

void CheckVirtualPier(Game& g) {
    const AreaGrid& a = g.areaGrid;
    OwnBoat& b = g.ownBoat;
    if (b.cellX < (a.pierCorner2X + 6 * a.pierCorner1X) / 7 && std::abs(b.cellY - a.pierBerthY) < 10 &&
        std::abs(b.cellX - a.pierBerthX) < 20) {
        b.speedExact = 0.0;
        g.hazards.contact = 1;
    }
    const double piles[2][2] = {{static_cast<double>(a.pierCorner2X), static_cast<double>(a.pierCorner2Y)},
                                {static_cast<double>(a.pierCorner3X), static_cast<double>(a.pierCorner3Y)}};
    for (const auto& p : piles) {
        if (std::abs(b.x - p[0]) < 1.5 && std::abs(b.y - p[1]) < 1.5) {
            b.speedExact = 0.0;
            g.hazards.contact = 2;
        }
    }
}

// The dock's water side is open; the boat strikes it from any other side.
void CheckRealDock(Game& g) {
    const AreaGrid& a = g.areaGrid;
    OwnBoat& b = g.ownBoat;
    if (std::abs(b.cellY - a.realDockY) >= 20 || std::abs(b.cellX - a.realDockX) >= 20) return;
    const bool nearX = std::abs(Trunc(b.x) - a.realDockX) <= 8;
    const bool nearY = std::abs(Trunc(b.y) - a.realDockY) <= 8;
    bool struck = false;
    switch (a.realDockSide) {
        case 1: struck = b.y < a.realDockY - 3 && nearX && nearY; break;
        case 3: struck = b.y > a.realDockY + 3 && nearX && nearY; break;
        case 2: struck = b.x > a.realDockX + 3 && nearY; break;
        case 4: struck = b.x < a.realDockX - 3 && nearY; break;
        default: break;
    }
    if (struck) {
        b.speedExact = 0.0;
        g.hazards.contact = 1;
    }
}

}  // namespace

void ReadDepth(Game& g) {
    OwnBoat& b = g.ownBoat;
    b.depth = SounderDepth(g, Trunc(b.x), Trunc(b.y));
}

void DepthAlarm(Game& g) {
    const OwnBoat& b = g.ownBoat;
    const CruiseOptions& o = g.cruiseOptions;
    const int32_t draft = g.boatDesign.draft;
    const int32_t band = o.areaCode == 30 ? 2 : 3;
    if (b.depth < draft || b.depth >= draft + band) return;
    if (o.soundLevel <= 0 || o.depthAlarm != 1 || DeviceOut(g, Device::DepthAlarm)) return;
    if (g.simClock.cycle60 % 15 != 0) return;
    if (b.anchored || TiedToPier(b) || b.onBuoy) return;
    Beep(g);
}

void CheckPierContact(Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    // An area without a marina leaves the pier fields at the origin; a built
    // pier is 30 units long between its first two corners.
    const bool pierBuilt = g.areaGrid.pierCorner2X != g.areaGrid.pierCorner1X;
    if (o.areaCode != 2 && pierBuilt) CheckVirtualPier(g);
    if (o.isRealArea) CheckRealDock(g);
}

void ResetFailures(Game& g) {
    Failures& f = g.failures;
    const CruiseOptions& o = g.cruiseOptions;
    for (int32_t i = 0; i < kDeviceCount; ++i) {
        f.time[i] = random(g.rng, 14000 - 800 * o.difficulty) + 60 * o.departureHour;
        f.failed[i] = 0;
        f.reported[i] = 0;
        f.shownAt[i] = kNoBanner;
    }
    f.lastKind = 0;
}

void UpdateFailures(Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    const SimClock& c = g.simClock;
    Failures& f = g.failures;
    if (o.difficulty <= 1 || c.cruiseMinutes < 60.0 * o.departureHour) return;
    const int32_t now = Trunc(c.cruiseMinutes);
    for (int32_t i = 0; i < kDeviceCount; ++i) {
        if (now <= f.time[i] || !CanFail(o, i)) continue;
        if (f.failed[i] == 0) {
            f.shownAt[i] = c.dayMinutes;
            f.lastKind = i + 1;
            if (o.soundLevel > 1) Beep(g);
        }
        f.failed[i] = 1;
        f.reported[i] = 1;
    }
    if (!TiedToPier(g.ownBoat)) return;
    for (int32_t i = 0; i < kDeviceCount; ++i) {
        if (f.failed[i] == 0) continue;
        f.failed[i] = 0;
        f.time[i] = kNeverAgain;
    }
}

bool DeviceOut(const Game& g, Device d) {
    const int32_t i = static_cast<int32_t>(d);
    return g.failures.failed[i] != 0 || TroubleRemoves(g.cruiseOptions, i);
}

const char* FailureBanner(Game& g) {
    static constexpr const char* kTexts[kDeviceCount] = {" GPS故障停止", " ﾚｰﾀﾞｰ故障停止", " 水深警報故障停止   ",
                                                         "ｴﾝｼﾞﾝ故障停止"};
    Failures& f = g.failures;
    const char* shown = nullptr;
    for (int32_t i = 0; i < kDeviceCount; ++i) {
        // A banner raised just before midnight runs on past it.
        double since = g.simClock.dayMinutes - f.shownAt[i];
        if (f.shownAt[i] > kNoBanner && since < 0.0) since += kMinutesPerDay;
        if (f.lastKind == i + 1 && f.shownAt[i] > kNoBanner && since < kBannerMinutes) shown = kTexts[i];
        else f.shownAt[i] = kNoBanner;
    }
    return shown;
}

}  // namespace vel
