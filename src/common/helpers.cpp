#include "common/helpers.h"

#include <algorithm>
#include <cstdlib>

namespace vel {

int32_t random(Rng& rng, int32_t n) {
    // Widened before the magnitude is taken: |INT32_MIN| has no 32-bit value.
    const int64_t m = std::max<int64_t>(std::llabs(static_cast<int64_t>(n)), 2);
    // Beyond 32000 the quotient would be 0; the draw then spans rand()'s whole range.
    const int64_t step = std::max<int64_t>(32000 / m, 1);
    return static_cast<int32_t>(rng.rand() / step);
}

int32_t BearingOf(double dx, double dy) {
    return NormaliseAngle(Trunc(std::atan2(dx, dy) * kRadToDeg + 0.5));
}

double DistanceTenths(double x1, double y1, double x2, double y2, int32_t unitsPerMile) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double d2 = dx * dx + dy * dy;
    if (d2 <= 0.0) return 0.0;
    if (d2 >= 2.5e9) return static_cast<double>(Trunc(50000.0 / unitsPerMile)) * 10.0;
    return std::sqrt(d2) / unitsPerMile * 10.0;
}

void BuildTrigTables(TrigTables& t) {
    for (int a = 0; a < 362; ++a) {
        t.sin100[a] = Trunc(std::sin(a * kDegToRad) * 100.0);
        t.cos100[a] = Trunc(std::cos(a * kDegToRad) * 100.0);
    }
}

void FillRandomTable(RandomTable& t, Rng& rng) {
    for (auto& v : t.r100) v = random(rng, 100);
}

void ResetObjectList(ObjectList& list) {
    list.fbx.fill(kEmptyObjectPos);
    list.fby.fill(kEmptyObjectPos);
    list.kind.fill(kEmptyObjectKind);
    list.count = kObjectsInUse;
}

}  // namespace vel
