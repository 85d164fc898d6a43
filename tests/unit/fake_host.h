#pragma once
// A platform stand-in for frame tests: the tick counter only moves when a
// test moves it, the cursor is wherever the test puts it.
#include <cstdint>
#include <memory>
#include <vector>

#include "app/frame.h"
#include "common/game.h"

namespace vel::testing {

class FakeHost : public FrameHost {
public:
    uint32_t ticks = 10000;
    uint32_t seed = 777;
    bool hasCursor = false;
    int32_t cursorX = 0, cursorY = 0;
    std::vector<std::vector<SoundRequest>> played;

    uint32_t tickCount() override { return ticks; }
    uint32_t wallClockSeed() override { return seed; }
    bool cursor(int32_t& x, int32_t& y) override {
        x = cursorX;
        y = cursorY;
        return hasCursor;
    }
    void playSounds(const std::vector<SoundRequest>& requests) override { played.push_back(requests); }
};

inline std::unique_ptr<Game> NewGame() {
    auto g = std::make_unique<Game>();
    g->forcedSeed = 1;
    return g;
}

// The flags of a cruise whose start has been placed and whose sailing view is up.
inline void EnterRunningCruise(Game& g) {
    ScreenState& s = g.screenState;
    s.phase = 2;
    s.forecastShown = 0;
    s.chartShown = 0;
    s.startPlaced = 1;
    s.resultsState = 0;
    s.resultsStep = 0;
}

}  // namespace vel::testing
