#pragma once
// The shell's two set-ups: the title screen with the first run's settings,
// and a cruise under way on the sailing view of a 1024 x 768 display, sails
// up on the default monohull, the chart at its first zoom.
#include <memory>

#include "shell/settings.h"

namespace vel::testing {

inline std::unique_ptr<Game> TitleGame() {
    auto g = std::make_unique<Game>();
    ApplyMissingSettings(*g);
    return g;
}

inline std::unique_ptr<Game> CruisingGame() {
    auto g = TitleGame();
    ScreenState& s = g->screenState;
    s.phase = 2;
    s.startPlaced = 1;
    s.chartShown = s.forecastShown = 0;
    s.width = 1024;
    s.height = 729;
    g->viewState.horizonY = 72;
    g->ownBoat.sailsUp = 1;
    g->ownBoat.headsail = 2;
    g->chartView.fullScale = 75;
    g->chartView.scale = 32;
    return g;
}

}  // namespace vel::testing
