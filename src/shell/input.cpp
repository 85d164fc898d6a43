#include "shell/input.h"

#include "cruise/help_layout.h"

namespace vel {
namespace {

void SpaceBar(Game& g) {
    ScreenState& s = g.screenState;
    if (s.helpPage > 0) {
        s.helpPage = 0;
        s.frozen = 0;
    } else if (s.paused > 0) {
        s.paused = 0;
        s.frozen = 0;
    } else if (s.phase == 0) {
        s.phase = 1;
        s.chartShown = 1;
        s.frozen = 0;
    } else if (s.forecastShown) {
        s.forecastShown = 0;
        g.inputState.clickY = 0;
        if (s.startPlaced == 0) s.chartShown = 1;
    } else if (s.startPlaced == 1 && s.chartShown) {
        s.chartShown = 0;
        g.inputState.clickY = 0;
    } else if (s.phase == 2 && s.resultsState == 0 && s.chartShown == 0) {
        CruiseOptions& o = g.cruiseOptions;
        if (o.simSpeed != 1) {
            o.savedSpeed = o.simSpeed;
            o.savedStepDivisor = o.stepDivisor;
            o.simSpeed = 1;
            o.stepDivisor = 2919;
        } else {
            o.simSpeed = o.savedSpeed;
            o.stepDivisor = o.savedStepDivisor;
        }
    }
}

}  // namespace

void NextCruiseStep(Game& g) {
    ScreenState& s = g.screenState;
    if (s.phase == 0) return;
    s.resultsStep += 1;
    if (s.resultsStep > 2) s.resultsStep = 0;
    s.helpPage = 0;
    s.paused = 0;
    if (s.resultsStep > 0) {
        s.forecastShown = 0;
        s.chartShown = 0;
    }
    if (s.resultsStep == 2) {
        s.phase = 0;
        g.simClock.day = 1;
        g.score.endReason = 0;
        s.chartShown = 1;
        s.startPlaced = 0;
        s.forecastShown = 0;
        s.resultsState = 0;
        s.resultsStep = 0;
        g.chartView.centreOnBoat = 0;
    }
    s.frozen = 0;
}

void OnKeyDown(Game& g, int32_t key) {
    g.inputState.lastKey = key;
    if (key == vk::Letter('N') && g.screenState.phase > 0) {
        NextCruiseStep(g);
        g.inputState.lastKey = -1;
        return;
    }
    if (key == vk::Space) {
        SpaceBar(g);
        g.inputState.lastKey = -1;
    }
}

void OnLButtonDown(Game& g, int32_t x, int32_t y) {
    ScreenState& s = g.screenState;
    InputState& in = g.inputState;
    s.frozen = 0;
    in.prevClickX = in.clickX;
    in.prevClickY = in.clickY;
    in.clickX = x;
    in.clickY = y;
    if (s.helpPage > 0) HelpPageClick(g, x, y);
    in.leftClicked = 1;
    if (s.phase > 0 && s.startPlaced == 0 && s.forecastShown == 0 && s.helpPage == 0) s.startPlaced = 1;
    if (s.helpPage > 0 && in.clickX > 0) s.helpPage = 0;
    if (s.paused && s.helpPage == 0) s.paused = 0;
}

void OnRButtonDown(Game& g, int32_t x, int32_t y) {
    g.screenState.frozen = 0;
    g.inputState.rightClickX = x;
    g.inputState.rightClickY = y;
}

void OnLButtonDblClk(Game& g, int32_t x, int32_t y) {
    g.screenState.frozen = 0;
    if (g.screenState.radarOn) {
        g.inputState.clickX = x;
        g.inputState.clickY = y;
    }
    g.inputState.rightClickX = x;
    g.inputState.rightClickY = y;
}

void OnMouseMove(Game& g, int32_t x, int32_t y) {
    g.screenState.steerMouseX = x;
    g.screenState.steerMouseY = y;
}

void OnMouseWheel(Game&, int32_t) {}

}  // namespace vel
