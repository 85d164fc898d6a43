#include <cmath>

#include "common/helpers.h"
#include "world/passage_data.h"

namespace vel {

double LandmassBaseRadius(const LandmassRecipe& m, int32_t v) {
    double r = m.radius;
    if (m.deform > 0 && v >= 90) r -= m.deform * m.radius * 0.1 * std::sin((v - 90) * 2 * kDegToRad);
    if (m.deform < 0 && v < 90) r *= 1 - std::fabs(m.deform) * 0.1 * std::sin(v * 2 * kDegToRad);
    // A bulge swells five vertices: 1.02, 1.04, 1.06, 1.04, 1.02.
    static constexpr double kBulge[] = {1.02, 1.04, 1.06, 1.04, 1.02};
    const int32_t k = v - m.bulge;
    if (m.bulge >= 0 && k >= 0 && k < 5) r *= kBulge[k];
    return r;
}

Offset EllipsePoint(double r, double aspect, double rotationRad, double angleDeg) {
    const double t = angleDeg * kDegToRad;
    const double u = aspect * r * std::sin(t);
    const double v = -r * std::cos(t);
    return {u * std::cos(rotationRad) - v * std::sin(rotationRad), u * std::sin(rotationRad) + v * std::cos(rotationRad)};
}

}  // namespace vel
