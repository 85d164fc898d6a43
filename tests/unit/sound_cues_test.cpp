#include <gtest/gtest.h>

#include <memory>

#include "common/helpers.h"
#include "shell/sound_cues.h"
#include "shell/voice.h"

namespace vel {
namespace {

using R = SoundRequest;
constexpr PlayMode kReplace = PlayMode::Replace, kNoInterrupt = PlayMode::NoInterrupt, kPlain = PlayMode::Plain;

// Sails up just after a gybe, flogging and fast, with the engine at full.
std::unique_ptr<Game> BusyTick(int32_t soundLevel) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.soundLevel = soundLevel;
    OwnBoat& b = g->ownBoat;
    b.sailsUp = 1;
    b.tack = 1;
    b.prevTack = -1;
    b.trueWindAngle = 130;
    b.luffing = 70;
    b.speed = 90;
    b.throttle = 7;
    return g;
}

class TickCuesBySoundLevel : public ::testing::TestWithParam<int32_t> {};

TEST_P(TickCuesBySoundLevel, OnlyTheFullLevelHearsSailsWaterAndEngine) {
    auto g = BusyTick(GetParam());
    PlayTickSoundCues(*g);
    if (GetParam() == 3)
        EXPECT_EQ(g->soundRequests,
                  (std::vector<R>{{145, kReplace}, {171, kNoInterrupt}, {146, kNoInterrupt}, {150, kNoInterrupt}}));
    else
        EXPECT_TRUE(g->soundRequests.empty());
}

INSTANTIATE_TEST_SUITE_P(SoundCues, TickCuesBySoundLevel, ::testing::Values(0, 1, 2, 3));

TEST(SoundCues, ATackThroughTheWindFlapsTheSails) {
    auto g = BusyTick(3);
    g->ownBoat.trueWindAngle = 89;
    g->ownBoat.luffing = 0;
    g->ownBoat.speed = 20;
    g->ownBoat.throttle = 0;
    PlayTickSoundCues(*g);
    EXPECT_EQ(g->soundRequests, (std::vector<R>{{171, kReplace}}));
}

TEST(SoundCues, NoChangeOfTackAndNoSailsUpNoSailSounds) {
    auto g = BusyTick(3);
    g->ownBoat.prevTack = g->ownBoat.tack;
    g->ownBoat.luffing = 60;
    g->ownBoat.throttle = 0;
    g->ownBoat.speed = 30;
    PlayTickSoundCues(*g);
    EXPECT_TRUE(g->soundRequests.empty());
    g->ownBoat.sailsUp = 0;
    g->ownBoat.luffing = 99;
    g->ownBoat.speed = 90;
    PlayTickSoundCues(*g);
    EXPECT_TRUE(g->soundRequests.empty());
}

struct WaterCase {
    int32_t speed, trueWindAngle, waveState, minute, expectedId;
};

class HullWater : public ::testing::TestWithParam<WaterCase> {};

TEST_P(HullWater, BySpeedPointOfSailAndMinute) {
    const WaterCase c = GetParam();
    auto g = BusyTick(3);
    OwnBoat& b = g->ownBoat;
    b.prevTack = b.tack;
    b.luffing = 0;
    b.throttle = 0;
    b.speed = c.speed;
    b.trueWindAngle = c.trueWindAngle;
    g->weather.waveState = c.waveState;
    g->simClock.minute = c.minute;
    PlayTickSoundCues(*g);
    if (c.expectedId == 0)
        EXPECT_TRUE(g->soundRequests.empty());
    else
        EXPECT_EQ(g->soundRequests, (std::vector<R>{{c.expectedId, kNoInterrupt}}));
}

INSTANTIATE_TEST_SUITE_P(SoundCues, HullWater,
                         ::testing::Values(WaterCase{31, 90, 2, 10, 168}, WaterCase{31, 90, 2, 11, 170},
                                           WaterCase{84, 80, 3, 0, 168}, WaterCase{85, 80, 3, 1, 146},
                                           WaterCase{30, 90, 0, 0, 0},  // too slow
                                           WaterCase{60, 79, 1, 0, 0},  // close-hauled in a sea: waves instead
                                           WaterCase{60, 79, 0, 0, 168}));

struct EngineCase {
    int32_t throttle, id;
};

class EngineNoise : public ::testing::TestWithParam<EngineCase> {};

TEST_P(EngineNoise, FollowsTheThrottleWhateverTheSails) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.soundLevel = 3;
    g->ownBoat.throttle = GetParam().throttle;
    PlayTickSoundCues(*g);
    if (GetParam().id == 0)
        EXPECT_TRUE(g->soundRequests.empty());
    else
        EXPECT_EQ(g->soundRequests, (std::vector<R>{{GetParam().id, kNoInterrupt}}));
}

INSTANTIATE_TEST_SUITE_P(SoundCues, EngineNoise,
                         ::testing::Values(EngineCase{0, 0}, EngineCase{1, 147}, EngineCase{3, 148},
                                           EngineCase{7, 150}, EngineCase{10, 150}));

TEST(SoundCues, EngineAndRushingWaterInOneTickTheSecondDoesNotCutTheFirst) {
    auto g = BusyTick(3);
    g->ownBoat.prevTack = g->ownBoat.tack;
    g->ownBoat.luffing = 0;
    PlayTickSoundCues(*g);
    ASSERT_EQ(g->soundRequests, (std::vector<R>{{146, kNoInterrupt}, {150, kNoInterrupt}}));
    Voice v;
    EXPECT_TRUE(v.request(g->soundRequests[0], 5000, 2500));
    EXPECT_FALSE(v.request(g->soundRequests[1], 5000, 1600));
    EXPECT_EQ(v.current(), 146);
}

// ---- wave motion and thunder -------------------------------------------------------

TEST(SoundCues, SlamAndWavesOnlyAtTheFullLevelWithTheWindForward) {
    auto g = std::make_unique<Game>();
    g->weather.waveState = 2;
    g->waveMotion.bouncecount = 1;
    g->ownBoat.trueWindAngle = 79;
    g->cruiseOptions.soundLevel = 2;
    CueSlam(*g);
    CueWaves(*g);
    EXPECT_TRUE(g->soundRequests.empty());
    g->cruiseOptions.soundLevel = 3;
    CueSlam(*g);
    CueWaves(*g);
    EXPECT_EQ(g->soundRequests, (std::vector<R>{{172, kReplace}, {174, kNoInterrupt}}));
    g->soundRequests.clear();
    g->ownBoat.trueWindAngle = 80;
    CueSlam(*g);
    CueWaves(*g);
    EXPECT_TRUE(g->soundRequests.empty());
}

TEST(SoundCues, WavesWashOnlyAtTheStartOfAPitchAndInSomeSea) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.soundLevel = 3;
    g->ownBoat.trueWindAngle = 40;
    g->weather.waveState = 1;
    g->waveMotion.bouncecount = 2;
    CueWaves(*g);
    g->waveMotion.bouncecount = 1;
    g->weather.waveState = 0;
    CueWaves(*g);
    EXPECT_TRUE(g->soundRequests.empty());
}

TEST(SoundCues, DistantThunderDrawsItsChanceWhateverTheSoundLevel) {
    auto quiet = std::make_unique<Game>();
    auto loud = std::make_unique<Game>();
    quiet->cruiseOptions.soundLevel = 0;
    loud->cruiseOptions.soundLevel = 3;
    quiet->rng.srand(77);
    loud->rng.srand(77);
    int heard = 0;
    for (int i = 0; i < 2000; ++i) {
        CueDistantThunder(*quiet);
        CueDistantThunder(*loud);
    }
    for (const R& r : loud->soundRequests) heard += (r == R{138, kPlain});
    EXPECT_EQ(quiet->rng.x, loud->rng.x);
    EXPECT_TRUE(quiet->soundRequests.empty());
    EXPECT_EQ(heard, static_cast<int>(loud->soundRequests.size()));
    // random(100) < 3 is three chances in a hundred and some.
    EXPECT_GT(heard, 30);
    EXPECT_LT(heard, 110);
}

TEST(SoundCues, ThunderIsHeardOnlyInEvenMinutesOfARunningView) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.soundLevel = 2;
    g->simClock.minute = 3;
    CueThunderClap(*g);
    g->simClock.minute = 4;
    g->screenState.paused = 1;
    CueThunderClap(*g);
    g->screenState.paused = 0;
    g->screenState.helpPage = 300;
    CueThunderClap(*g);
    EXPECT_TRUE(g->soundRequests.empty());
    g->screenState.helpPage = 0;
    for (int i = 0; i < 200; ++i) CueThunderClap(*g);
    int first = 0, second = 0;
    for (const R& r : g->soundRequests) {
        first += r == R{138, kPlain};
        second += r == R{139, kPlain};
    }
    EXPECT_EQ(first + second, 200);
    EXPECT_GT(first, 60);
    EXPECT_GT(second, 60);
}

// ---- fog signals ---------------------------------------------------------------------

// In fog at level 2, the boat at the origin, no ship about.
std::unique_ptr<Game> Foggy() {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.soundLevel = 2;
    g->weather.fog = 1;
    ResetObjectList(g->objectList);
    return g;
}

void PutShip(Game& g, int i, int32_t kind, double x, double y) {
    g.objectList.kind[34 + i] = kind;
    g.objectList.fbx[34 + i] = x;
    g.objectList.fby[34 + i] = y;
}

struct ShipCase {
    int32_t kind, distance, turn, id;
};

class ShipFogSignal : public ::testing::TestWithParam<ShipCase> {};

TEST_P(ShipFogSignal, ByDistanceOnTheShipsOwnTurn) {
    const ShipCase c = GetParam();
    auto g = Foggy();
    // Ship 2 (ship 5 for the second kind), the distance split over both axes.
    const int i = c.kind == 16 ? 5 : 2;
    PutShip(*g, i, c.kind, c.distance / 2, -(c.distance - c.distance / 2));
    g->simClock.cycleC = c.turn;
    PlayFogSignals(*g);
    if (c.id == 0)
        EXPECT_TRUE(g->soundRequests.empty());
    else
        EXPECT_EQ(g->soundRequests, (std::vector<R>{{c.id, kPlain}}));
}

INSTANTIATE_TEST_SUITE_P(SoundCues, ShipFogSignal,
                         ::testing::Values(ShipCase{12, 799, 2, 141}, ShipCase{12, 800, 2, 140},
                                           ShipCase{12, 1499, 2, 140}, ShipCase{12, 1500, 2, 0},
                                           ShipCase{12, 500, 3, 0},  // not its turn
                                           ShipCase{16, 799, 5, 142}, ShipCase{16, 800, 5, 0},
                                           ShipCase{16, 500, 4, 0}));

TEST(SoundCues, LighthousesSoundOnEveryThirdTurnByDistance) {
    auto g = Foggy();
    g->lighthouse.x[2] = 999;
    g->lighthouse.y[2] = 0;
    g->lighthouse.x[3] = 1000;
    g->lighthouse.y[3] = 0;
    g->lighthouse.x[4] = 0;
    g->lighthouse.y[4] = 2500;
    for (int turn : {6, 9, 12, 7}) {
        g->simClock.cycleB = turn;
        PlayFogSignals(*g);
    }
    EXPECT_EQ(g->soundRequests, (std::vector<R>{{144, kNoInterrupt}, {143, kPlain}}));
}

TEST(SoundCues, FogSignalsNeedFogAndSomeEffects) {
    for (auto [fog, level] : {std::pair{0, 3}, std::pair{1, 1}, std::pair{1, 0}}) {
        auto g = Foggy();
        g->weather.fog = fog;
        g->cruiseOptions.soundLevel = level;
        PutShip(*g, 1, 11, 100, 0);
        g->simClock.cycleC = 1;
        g->lighthouse.x[1] = 0;
        g->lighthouse.y[1] = 0;
        g->simClock.cycleB = 3;
        PlayFogSignals(*g);
        EXPECT_TRUE(g->soundRequests.empty()) << "fog " << fog << " level " << level;
    }
}

TEST(SoundCues, SoundMarksOfARealAreaTakeTheirTurnTogether) {
    auto g = Foggy();
    g->cruiseOptions.areaCode = 12;
    g->lighthouse.x[1] = 0;  // lights do not sound in the real areas
    g->lighthouse.y[1] = 0;
    g->simClock.cycleB = 3;
    MarkList& m = g->markList;
    m.count = 3;
    m.kind[0] = 31, m.x[0] = 1200, m.y[0] = 0;   // near
    m.kind[1] = 48, m.x[1] = 0, m.y[1] = -2399;  // far
    m.kind[2] = 30, m.x[2] = 10, m.y[2] = 10;    // not a sound signal
    PlayFogSignals(*g);
    EXPECT_TRUE(g->soundRequests.empty());
    g->simClock.cycleA = 2;
    PlayFogSignals(*g);
    EXPECT_EQ(g->soundRequests, (std::vector<R>{{144, kPlain}, {143, kPlain}}));
}

// ---- the voice -----------------------------------------------------------------------

TEST(Voice, NoInterruptWaitsForSilenceWhileReplaceAndPlainCutIn) {
    Voice v;
    EXPECT_FALSE(v.playing(0));
    EXPECT_TRUE(v.request({147, kNoInterrupt}, 1000, 1500));
    EXPECT_FALSE(v.request({168, kNoInterrupt}, 2499, 2000));
    EXPECT_EQ(v.current(), 147);
    EXPECT_TRUE(v.request({168, kNoInterrupt}, 2500, 2000));  // the idle has just ended
    EXPECT_TRUE(v.request({172, kReplace}, 2600, 1300));
    EXPECT_EQ(v.current(), 172);
    EXPECT_TRUE(v.request({141, kPlain}, 2700, 5000));
    EXPECT_EQ(v.current(), 141);
    EXPECT_TRUE(v.playing(7699));
    EXPECT_FALSE(v.playing(7700));
}

TEST(Voice, ASoundWithoutSamplesNeitherStartsNorCutsIn) {
    Voice v;
    EXPECT_TRUE(v.request({150, kNoInterrupt}, 0, 1600));
    EXPECT_FALSE(v.request({149, kReplace}, 10, 0));
    EXPECT_EQ(v.current(), 150);
    EXPECT_TRUE(v.playing(10));
}

TEST(Voice, AWrapOfTheMillisecondCounterDoesNoHarm) {
    Voice v;
    EXPECT_TRUE(v.request({147, kNoInterrupt}, 0xFFFFFF00u, 1000));
    EXPECT_TRUE(v.playing(0x100u));  // 512 ms after the start
    EXPECT_FALSE(v.request({148, kNoInterrupt}, 0x100u, 1000));
    EXPECT_FALSE(v.playing(0x300u));  // 1024 ms after
}

}  // namespace
}  // namespace vel
