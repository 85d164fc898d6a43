#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>

#include "common/helpers.h"
#include "shell/sound_cues.h"
#include "shell/voice.h"

namespace vel {
namespace {

using R = SoundRequest;
using Requests = std::vector<R>;
// The one request of a sound, or none for id 0.
Requests Only(int32_t id, PlayMode mode) { return id ? Requests{{id, mode}} : Requests{}; }

constexpr PlayMode kReplace = PlayMode::Replace, kNoInterrupt = PlayMode::NoInterrupt, kPlain = PlayMode::Plain;

// Sails up just after a gybe, flogging and fast, with the engine at full.
std::unique_ptr<Game> BusyTick(int32_t soundLevel) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.soundLevel = soundLevel;
    OwnBoat& b = g->ownBoat;
    std::tie(b.sailsUp, b.tack, b.prevTack, b.trueWindAngle, b.luffing, b.speed, b.throttle) =
        std::tuple(1, 1, -1, 130, 70, 90, 7);
    return g;
}

Requests TickCues(int32_t soundLevel, const std::function<void(OwnBoat&, Game&)>& set) {
    auto g = BusyTick(soundLevel);
    set(g->ownBoat, *g);
    PlayTickSoundCues(*g);
    return g->soundRequests;
}

TEST(TickCues, OnlyTheFullLevelHearsSailsWaterAndEngine) {
    for (int32_t level : {0, 1, 2})
        EXPECT_TRUE(TickCues(level, [](OwnBoat&, Game&) {}).empty()) << level;
    EXPECT_EQ(TickCues(3, [](OwnBoat&, Game&) {}),
              (Requests{{145, kReplace}, {171, kNoInterrupt}, {146, kNoInterrupt}, {150, kNoInterrupt}}));
    // A tack through the wind flaps the sails; no change of tack or no sails up, no sail sounds.
    EXPECT_EQ(TickCues(3, [](OwnBoat& b, Game&) { b.trueWindAngle = 89, b.luffing = 0, b.speed = 20, b.throttle = 0; }),
              (Requests{{171, kReplace}}));
    EXPECT_TRUE(TickCues(3, [](OwnBoat& b, Game&) { b.prevTack = 1, b.luffing = 60, b.throttle = 0, b.speed = 30; })
                    .empty());
    EXPECT_TRUE(TickCues(3, [](OwnBoat& b, Game&) { b.sailsUp = 0, b.luffing = 99, b.throttle = 0; }).empty());
    // Between 90 and 120 degrees off the wind a change of tack neither flaps nor fills them.
    for (auto [angle, heard] : {std::pair{90, Requests{}}, {120, Requests{}}, {121, Requests{{145, kReplace}}}})
        EXPECT_EQ(TickCues(3, [&](OwnBoat& b, Game&) { b.trueWindAngle = angle, b.luffing = b.speed = b.throttle = 0; }),
                  heard)
            << angle;
}

TEST(TickCues, HullWaterBySpeedPointOfSailAndMinuteEngineByThrottle) {
    for (auto [speed, angle, waves, minute, id] :
         {std::tuple{31, 90, 2, 10, 168}, {31, 90, 2, 11, 170}, {84, 80, 3, 0, 168}, {85, 80, 3, 1, 146},
          {30, 90, 0, 0, 0},     // too slow
          {60, 79, 1, 0, 0},     // close-hauled in a sea: waves instead
          {60, 79, 0, 0, 168}}) {
        const Requests heard = TickCues(3, [&](OwnBoat& b, Game& g) {
            std::tie(b.prevTack, b.luffing, b.throttle, b.speed, b.trueWindAngle) = std::tuple(1, 0, 0, speed, angle);
            g.weather.waveState = waves;
            g.simClock.minute = minute;
        });
        EXPECT_EQ(heard, Only(id, kNoInterrupt)) << speed << " " << angle << " " << minute;
    }
    for (auto [throttle, id] : {std::pair{0, 0}, {1, 147}, {3, 148}, {7, 150}, {10, 150}}) {
        auto g = std::make_unique<Game>();
        g->cruiseOptions.soundLevel = 3;
        g->ownBoat.throttle = throttle;
        PlayTickSoundCues(*g);
        EXPECT_EQ(g->soundRequests, Only(id, kNoInterrupt)) << throttle;
    }
}

TEST(SoundCues, SlamAndWavesOnlyAtTheFullLevelWithTheWindForwardAtTheStartOfAPitch) {
    const auto cues = [](int32_t level, int32_t angle, int32_t waves, int32_t bounce, int32_t slammed = 1) {
        auto g = std::make_unique<Game>();
        std::tie(g->cruiseOptions.soundLevel, g->ownBoat.trueWindAngle, g->weather.waveState,
                 g->waveMotion.bouncecount, g->ownBoat.slammed) = std::tuple(level, angle, waves, bounce, slammed);
        PlayWaveCues(*g);
        return g->soundRequests;
    };
    EXPECT_EQ(cues(3, 79, 2, 1), (Requests{{172, kReplace}, {174, kNoInterrupt}}));
    EXPECT_EQ(cues(3, 79, 2, 1, 0), (Requests{{174, kNoInterrupt}}));
    EXPECT_TRUE(cues(2, 79, 2, 1).empty());
    EXPECT_TRUE(cues(3, 80, 2, 1).empty());
    for (const Requests& r : {cues(3, 40, 1, 2), cues(3, 40, 0, 1)})  // mid-pitch, or no sea: no wash
        EXPECT_EQ(r, (Requests{{172, kReplace}}));
}

TEST(SoundCues, DistantThunderDrawsItsChanceWhateverTheSoundLevel) {
    auto quiet = std::make_unique<Game>(), loud = std::make_unique<Game>();
    quiet->rng.srand(77);
    loud->rng.srand(77);
    quiet->cruiseOptions.soundLevel = 0;
    loud->cruiseOptions.soundLevel = 3;
    for (int i = 0; i < 2000; ++i) {
        CueDistantThunder(*quiet);
        CueDistantThunder(*loud);
    }
    EXPECT_EQ(quiet->rng.x, loud->rng.x);
    EXPECT_TRUE(quiet->soundRequests.empty());
    const auto heard = std::count(loud->soundRequests.begin(), loud->soundRequests.end(), R{138, kPlain});
    EXPECT_EQ(heard, std::ssize(loud->soundRequests));
    // random(100) < 3 is three chances in a hundred and some.
    EXPECT_TRUE(heard > 30 && heard < 110) << heard;
}

TEST(SoundCues, ThunderIsHeardInEvenMinutesOfARunningView) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.soundLevel = 2;
    for (auto [minute, paused, help] : {std::tuple{3, 0, 0}, {4, 1, 0}, {4, 0, 300}}) {
        std::tie(g->simClock.minute, g->screenState.paused, g->screenState.helpPage) = std::tuple(minute, paused, help);
        CueThunderClap(*g);
    }
    EXPECT_TRUE(g->soundRequests.empty());
    g->screenState.helpPage = 0;
    for (int i = 0; i < 200; ++i) CueThunderClap(*g);
    int first = 0, second = 0;
    for (const R& r : g->soundRequests) first += r == R{138, kPlain}, second += r == R{139, kPlain};
    EXPECT_EQ(first + second, 200);
    EXPECT_TRUE(first > 60 && second > 60) << first << " " << second;
}

// In fog at level 2, the boat at the origin, no ship about.
std::unique_ptr<Game> Foggy() {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.soundLevel = 2;
    g->weather.fog = 1;
    ResetObjectList(g->objectList);
    return g;
}

void PutShip(Game& g, int i, int32_t kind, double x, double y) {
    std::tie(g.objectList.kind[34 + i], g.objectList.fbx[34 + i], g.objectList.fby[34 + i]) = std::tuple(kind, x, y);
}

// A ship of kind 12 sounds on its own turn near (under 800) or far (under
// 1500), a tow of kind 16 near only; the distance is split over both axes.
// Without fog, or below some effects, nothing sounds.
TEST(FogSignals, ShipsByDistanceOnTheirOwnTurn) {
    for (auto [kind, distance, turn, id] : {std::tuple{12, 799, 2, 141}, {12, 800, 2, 140}, {12, 1499, 2, 140},
                                            {12, 1500, 2, 0}, {12, 500, 3, 0}, {16, 799, 5, 142}, {16, 800, 5, 0},
                                            {16, 500, 4, 0}}) {
        auto g = Foggy();
        PutShip(*g, kind == 16 ? 5 : 2, kind, distance / 2, -(distance - distance / 2));
        g->simClock.cycleC = turn;
        PlayFogSignals(*g);
        EXPECT_EQ(g->soundRequests, Only(id, kPlain)) << kind << " " << distance;
        g->soundRequests.clear();
        g->cruiseOptions.soundLevel = 1;
        PlayFogSignals(*g);
        std::tie(g->cruiseOptions.soundLevel, g->weather.fog) = std::tuple(3, 0);
        PlayFogSignals(*g);
        EXPECT_TRUE(g->soundRequests.empty());
    }
}

TEST(FogSignals, LighthousesSoundOnEveryThirdTurnByDistance) {
    auto g = Foggy();
    std::tie(g->lighthouse.x[2], g->lighthouse.y[2]) = std::tuple(999, 0);
    std::tie(g->lighthouse.x[3], g->lighthouse.y[3]) = std::tuple(1000, 0);
    std::tie(g->lighthouse.x[4], g->lighthouse.y[4]) = std::tuple(0, 2500);
    for (int turn : {6, 9, 12, 7}) {
        g->simClock.cycleB = turn;
        PlayFogSignals(*g);
    }
    EXPECT_EQ(g->soundRequests, (Requests{{144, kNoInterrupt}, {143, kPlain}}));
}

TEST(FogSignals, SoundMarksOfARealAreaTakeTheirTurnTogether) {
    auto g = Foggy();
    g->cruiseOptions.areaCode = 12;
    // Lights do not sound in the real areas.
    std::tie(g->lighthouse.x[1], g->lighthouse.y[1], g->simClock.cycleB) = std::tuple(0, 0, 3);
    MarkList& m = g->markList;
    m.count = 3;
    m.kind[0] = 31, m.x[0] = 1200, m.y[0] = 0;   // near
    m.kind[1] = 48, m.x[1] = 0, m.y[1] = -2399;  // far
    m.kind[2] = 30, m.x[2] = 10, m.y[2] = 10;    // not a sound signal
    PlayFogSignals(*g);
    EXPECT_TRUE(g->soundRequests.empty());
    g->simClock.cycleA = 2;
    PlayFogSignals(*g);
    EXPECT_EQ(g->soundRequests, (Requests{{144, kPlain}, {143, kPlain}}));
    // Inside Southern New England's race every mark sounds close: one bell.
    for (auto [dx, dy, heard] : {std::tuple{1200, -1200, Requests{{144, kPlain}}}, {-1201, 0, Requests{}},
                                 {0, 1201, Requests{}}}) {
        g->soundRequests.clear();
        std::tie(g->cruiseOptions.areaCode, g->ownBoat.cellX, g->ownBoat.cellY) = std::tuple(11, 10300 + dx, -3600 + dy);
        PlayFogSignals(*g);
        EXPECT_EQ(g->soundRequests, heard) << dx << " " << dy;
    }
}

// No-interrupt waits for silence; replace and plain cut in; a sound without
// samples neither starts nor cuts in; a wrap of the millisecond counter does no harm.
TEST(Voice, PlaysByItsModes) {
    Voice v;
    EXPECT_FALSE(v.playing(0));
    EXPECT_TRUE(v.request({147, kNoInterrupt}, 1000, 1500));
    EXPECT_FALSE(v.request({168, kNoInterrupt}, 2499, 2000));
    EXPECT_EQ(v.current(), 147);
    EXPECT_TRUE(v.request({168, kNoInterrupt}, 2500, 2000));  // the idle has just ended
    EXPECT_FALSE(v.request({149, kReplace}, 2510, 0));
    EXPECT_TRUE(v.playing(2510));
    EXPECT_EQ(v.current(), 168);
    EXPECT_TRUE(v.request({172, kReplace}, 2600, 1300));
    EXPECT_EQ(v.current(), 172);
    EXPECT_TRUE(v.request({141, kPlain}, 2700, 5000));
    EXPECT_EQ(v.current(), 141);
    EXPECT_TRUE(v.playing(7699));
    EXPECT_FALSE(v.playing(7700));
    EXPECT_TRUE(v.request({147, kNoInterrupt}, 0xFFFFFF00u, 1000));
    EXPECT_TRUE(v.playing(0x100u));  // 512 ms after the start
    EXPECT_FALSE(v.request({148, kNoInterrupt}, 0x100u, 1000));
    EXPECT_FALSE(v.playing(0x300u));  // 1024 ms after
    // Engine and rushing water in one tick: the second does not cut the first.
    auto g = BusyTick(3);
    g->ownBoat.prevTack = g->ownBoat.tack;
    g->ownBoat.luffing = 0;
    PlayTickSoundCues(*g);
    ASSERT_EQ(g->soundRequests, (Requests{{146, kNoInterrupt}, {150, kNoInterrupt}}));
    EXPECT_TRUE(v.request(g->soundRequests[0], 9000, 2500));
    EXPECT_FALSE(v.request(g->soundRequests[1], 9000, 1600));
    EXPECT_EQ(v.current(), 146);
}

}  // namespace
}  // namespace vel
