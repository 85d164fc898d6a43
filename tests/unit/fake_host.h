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

// A game driven frame by frame on the fake host, at a display of 1024 x 768
// unless a frame says otherwise.
struct DrivenGame {
    std::unique_ptr<Game> game = NewGame();
    Game& g = *game;
    FakeHost host;
    FrameDriver driver;
    explicit DrivenGame(int32_t startupHeight = 768) : driver(startupHeight) {}
    FrameResult frame(const Display& d = Display{}) { return driver.run(g, host, d); }
};

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
