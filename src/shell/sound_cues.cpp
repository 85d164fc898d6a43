#include "shell/sound_cues.h"

#include <algorithm>
#include <cstdlib>

#include "common/helpers.h"
#include "world/aids.h"

namespace vel {
namespace {

constexpr int32_t kSomeEffects = 2;
constexpr int32_t kAllEffects = 3;

void Request(Game& g, int32_t id, PlayMode mode) { g.soundRequests.push_back({id, mode}); }

bool AllEffects(const Game& g) { return g.cruiseOptions.soundLevel == kAllEffects; }

// Thunder needs the view running: not stopped and no help page over it.
bool ThunderAudible(const Game& g) {
    return g.cruiseOptions.soundLevel >= kSomeEffects && g.screenState.paused == 0 && g.screenState.helpPage == 0 &&
           g.simClock.minute % 2 == 0;
}

void SailCues(Game& g) {
    const OwnBoat& b = g.ownBoat;
    if (b.sailsUp <= 0) return;
    const bool tackChanged = b.tack != b.prevTack;
    if (tackChanged && b.trueWindAngle > 120) Request(g, sound::kSailsFilling, PlayMode::Replace);
    if (tackChanged && b.trueWindAngle < 90) Request(g, sound::kSailsFlapping, PlayMode::Replace);
    if (b.luffing > 60) Request(g, sound::kSailsFlapping, PlayMode::NoInterrupt);
    if (b.speed > 30 && (b.trueWindAngle >= 80 || g.weather.waveState == 0)) {
        const int32_t id = b.speed >= 85               ? sound::kWaterRushing
                           : g.simClock.minute % 2 == 0 ? sound::kHullWater
                                                        : sound::kHullWaterAlt;
        Request(g, id, PlayMode::NoInterrupt);
    }
}

void EngineCue(Game& g) {
    const int32_t t = g.ownBoat.throttle;
    const int32_t id = t == 1 ? sound::kEngineIdle : t == 3 ? sound::kEngineSlow : t >= 7 ? sound::kEngineFast : 0;
    if (id != 0) Request(g, id, PlayMode::NoInterrupt);
}

// Sum of the axis distances between the boat's cell and a whole-unit point.
int32_t CellDistance(const Game& g, int32_t x, int32_t y) {
    return std::abs(x - g.ownBoat.cellX) + std::abs(y - g.ownBoat.cellY);
}

// Ships sit at 34 + i in the object list. The fifth ship of the passages
// (kind 16) is the other kind of vessel: its signal differs and it sounds
// only when near.
constexpr int kFirstShipSlot = 34;
constexpr int32_t kSecondKindOfVessel = 16;

void ShipSignals(Game& g) {
    const ObjectList& o = g.objectList;
    const int32_t turn = g.simClock.cycleC;
    for (int i = 1; i <= 5; ++i) {
        const int slot = kFirstShipSlot + i;
        if (o.kind[slot] == kEmptyObjectKind) continue;
        const int32_t d = CellDistance(g, Trunc(o.fbx[slot]), Trunc(o.fby[slot]));
        if (o.kind[slot] == kSecondKindOfVessel) {
            if (turn == 5 && d < 800) Request(g, sound::kTowHornNear, PlayMode::Plain);
        } else if (turn == i) {
            if (d < 800)
                Request(g, sound::kShipHornNear, PlayMode::Plain);
            else if (d < 1500)
                Request(g, sound::kShipHornFar, PlayMode::Plain);
        }
    }
}

bool IsSoundMark(int32_t kind) { return (kind >= 31 && kind <= 45) || kind == 48; }

// In Southern New England's sound the whole list is heard as if close by.
bool InsideTheRace(const Game& g) {
    return g.cruiseOptions.areaCode == 11 && std::abs(g.ownBoat.cellX - 10300) <= 1200 &&
           std::abs(g.ownBoat.cellY + 3600) <= 1200;
}

void SoundMarkSignals(Game& g) {
    if (g.simClock.cycleA != 2) return;
    const MarkList& m = g.markList;
    if (InsideTheRace(g)) {
        // Every mark sounds as if 1100 units off: one near signal says it all.
        if (m.count > 0) Request(g, sound::kFogBellNear, PlayMode::Plain);
        return;
    }
    // The list may start at 0 or 1; an unused slot has kind 0 and stays silent.
    const int32_t last = std::min<int32_t>(m.count, static_cast<int32_t>(m.x.size()) - 1);
    for (int32_t i = 0; i <= last; ++i) {
        if (!IsSoundMark(m.kind[i])) continue;
        const int32_t d = CellDistance(g, m.x[i], m.y[i]);
        if (d <= 1200)
            Request(g, sound::kFogBellNear, PlayMode::Plain);
        else if (d < 2400)
            Request(g, sound::kFogHornFar, PlayMode::Plain);
    }
}

void CueSlam(Game& g) {
    if (AllEffects(g) && g.ownBoat.trueWindAngle < 80) Request(g, sound::kBowSlam, PlayMode::Replace);
}

void CueWaves(Game& g) {
    if (AllEffects(g) && g.waveMotion.bouncecount == 1 && g.weather.waveState > 0 && g.ownBoat.trueWindAngle < 80)
        Request(g, sound::kWaves, PlayMode::NoInterrupt);
}

bool IsRealArea(int32_t areaCode) { return areaCode == 11 || areaCode == 12 || areaCode == 20 || areaCode == 30; }

}  // namespace

void PlayTickSoundCues(Game& g) {
    PlayFogSignals(g);
    if (!AllEffects(g)) return;
    SailCues(g);
    EngineCue(g);
}

void PlayFogSignals(Game& g) {
    if (g.weather.fog != 1 || g.cruiseOptions.soundLevel < kSomeEffects) return;
    ShipSignals(g);
    if (IsRealArea(g.cruiseOptions.areaCode))
        SoundMarkSignals(g);
    else
        SoundLighthouseFogSignals(g);
}

void PlayWaveCues(Game& g) {
    if (g.ownBoat.slammed == 1) CueSlam(g);
    CueWaves(g);
}

void CueDistantThunder(Game& g) {
    if (random(g.rng, 100) < 3 && ThunderAudible(g)) Request(g, sound::kThunder, PlayMode::Plain);
}

void CueThunderClap(Game& g) {
    if (!ThunderAudible(g)) return;
    Request(g, random(g.rng, 100) < 50 ? sound::kThunder : sound::kThunderClap, PlayMode::Plain);
}

}  // namespace vel
