#include "views/boat_model.h"

#include "common/helpers.h"
#include "views/palette_names.h"

namespace vel {

BoatFrame::BoatFrame(double x, double y, int32_t rel, int32_t heel, int32_t tack, int32_t pitch)
    : x_(x),
      y_(y),
      cosRel_(std::cos(rel * kDegToRad)),
      sinRel_(std::sin(rel * kDegToRad)),
      cosHeel_(std::cos(heel * kDegToRad)),
      sinHeel_(std::sin(heel * kDegToRad)),
      leeward_(tack >= 0 ? -1 : 1),
      pitch_(pitch) {}

gfx::Point BoatFrame::Place(double dx, double p, double z) const {
    // Heel rolls the boat about its centreline: the leeward deck edge goes
    // down and the masthead swings to leeward.
    const double rolledX = dx * cosHeel_ + leeward_ * z * sinHeel_;
    const double rolledZ = z * cosHeel_ - leeward_ * dx * sinHeel_ + 0.01 * p * pitch_;
    // The plan is turned by the relative heading and flattened to 0.3 of its
    // depth: a low viewing angle.
    const double across = rolledX * cosRel_ + p * sinRel_;
    const double depth = p * cosRel_ - rolledX * sinRel_;
    return {Trunc(x_ + across), Trunc(y_ - (0.3 * depth + rolledZ))};
}

HullLines BuildHull(const TrigTables& t, double u, double beam, bool transom, double freeboard) {
    HullLines h;
    h.unit = u;
    const double full = beam * 0.00085 * 100;
    for (int i = 0; i < 6; ++i) {
        h.station[i] = (2.5 - i) * u;
        h.half[i] = i == 0 ? 0.0 : beam * 0.00085 * t.sin100[29 * i];
        if (transom && i >= 3) h.half[i] = full;
    }
    h.maxHalf = full;
    const double fb = freeboard * full;
    for (int i = 0; i < 6; ++i) {
        // A sheer that rises toward the bow.
        h.sheer[i] = fb * (1.3 - 0.075 * i);
        // The waterline is shorter than the deck (overhangs) and finer.
        h.wlStation[i] = h.station[i] * 0.86 - 0.05 * u;
        h.wlHalf[i] = h.half[i] * (i == 5 && !transom ? 0.6 : 0.88);
    }
    return h;
}

int32_t HullBrush(int32_t colourCode) {
    switch (colourCode) {
        case 1: return pal::kRed;
        case 3: return pal::kBlue;
        case 4: return pal::kYellow;
        case 5: return pal::kDarkRed;
        default: return 0;
    }
}

}  // namespace vel
