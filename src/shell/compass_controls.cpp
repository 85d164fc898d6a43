#include "shell/compass_controls.h"

#include "common/helpers.h"

namespace vel {

// Switching the compass on and keeping a bearing are with the other actions.
void CompassOff(Game& g) { g.viewState.compassMode = 0; }

void ToggleBinoculars(Game& g) {
    ViewState& v = g.viewState;
    v.binoculars = v.binoculars + 1 > 1 ? 0 : 1;
}

int32_t CompassReading(const Game& g) {
    return NormaliseAngle(Trunc(g.viewState.compassBearingExact) + g.navState.variation);
}

}  // namespace vel
