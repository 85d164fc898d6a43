#include "shell/radar_controls.h"

#include <algorithm>

#include "common/helpers.h"

namespace vel {
namespace {
constexpr int32_t kEblStep = 5;
constexpr int32_t kVrmStep = 5;
}  // namespace

void RadarRangeUp(Game& g) {
    int32_t& r = g.radarState.range;
    r = std::clamp(r * 2, kRadarRangeMin, kRadarRangeMax);
}

void RadarRangeDown(Game& g) {
    int32_t& r = g.radarState.range;
    r = std::clamp(r / 2, kRadarRangeMin, kRadarRangeMax);
}

void RadarEblRight(Game& g) { g.radarState.ebl = NormaliseAngle(NormaliseAngle(g.radarState.ebl) + kEblStep); }
void RadarEblLeft(Game& g) { g.radarState.ebl = NormaliseAngle(NormaliseAngle(g.radarState.ebl) - kEblStep); }

void RadarVrmUp(Game& g) { g.radarState.vrm += kVrmStep; }
void RadarVrmDown(Game& g) { g.radarState.vrm = std::max(g.radarState.vrm - kVrmStep, 0); }

void RadarSaveVrm(Game& g) {
    RadarState& r = g.radarState;
    r.savedVrmPrev = r.savedVrm;
    r.savedVrm = r.vrmDistance;
}

void RadarSaveEbl(Game& g) {
    RadarState& r = g.radarState;
    r.savedEblPrev = r.savedEbl;
    r.savedEbl = r.eblBearing;
}

int32_t RadarVrmDistance(int32_t vrm, int32_t unitsPerMile) {
    return (Trunc(vrm * 0.985) * 300) / std::max(unitsPerMile, 1);
}

}  // namespace vel
