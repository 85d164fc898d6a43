#pragma once
// A real area laid out by hand for the views' tests: a mainland shore
// profile, islands and shoals with their 73-point outlines, as the area
// loader leaves them.
#include <cmath>

#include "common/game.h"

namespace vel::test {

struct Ellipse {
    int32_t x, y, R;
    double aspect, rotationDeg;
};

// Outline points at 5-degree steps, the long axis along the rotation bearing.
inline void FillOutline(Arr2<int32_t, 73, 2>& o, const Ellipse& e) {
    const double rot = e.rotationDeg * 3.14159265358979 / 180.0;
    for (int32_t k = 0; k < 73; ++k) {
        const double t = (k % 72) * 5.0 * 3.14159265358979 / 180.0;
        const double along = e.R * std::cos(t), across = e.aspect * e.R * std::sin(t);
        // Along the bearing: east sin, south -cos.
        o[k][0] = e.x + static_cast<int32_t>(along * std::sin(rot) + across * std::cos(rot));
        o[k][1] = e.y + static_cast<int32_t>(-along * std::cos(rot) + across * std::sin(rot));
    }
}

inline void AddIsland(AreaGrid& a, int32_t i, const Ellipse& e) {
    a.realIslandX[i] = e.x;
    a.realIslandY[i] = e.y;
    a.R[i] = e.R;
    a.aspect[i] = e.aspect;
    a.rotation[i] = e.rotationDeg * 0.017453529976437735;
    FillOutline(a.islandOutline[i], e);
}

inline void AddShoal(AreaGrid& a, int32_t i, const Ellipse& e) {
    a.shoalX[i] = e.x;
    a.shoalY[i] = e.y;
    a.shoalR[i] = e.R;
    a.shoalAspect[i] = e.aspect;
    a.shoalRotation[i] = e.rotationDeg * 0.017453529976437735;
    FillOutline(a.shoalOutline[i], e);
}

// A gently waving profile: `base` plus a 600-unit swell, 300 equal steps
// from -20000 to 20000 along its running axis.
inline void FillProfile(Arr<int32_t, 301>& run, Arr<int32_t, 301>& across, double& step, int32_t base) {
    step = 40000.0 / 299.0;
    for (int32_t i = 1; i <= 300; ++i) {
        run[i] = -20000 + static_cast<int32_t>((i - 1) * step);
        across[i] = base + static_cast<int32_t>(600.0 * std::sin(run[i] / 2500.0));
    }
    run[0] = run[1];
    across[0] = across[1];
}

// Southern New England or Maine: the mainland north of y = -5000; Chesapeake
// Bay: a west shore near x = -6000 and an east shore near x = 6000; the
// Exumas: islands and shoals alone.
inline void LayOutRealArea(Game& g, int32_t areaCode, int32_t unitsPerMile) {
    AreaGrid& a = g.areaGrid;
    a.areaCode = areaCode;
    a.isRealArea = 1;
    a.region = areaCode == 12 ? 2 : areaCode == 30 ? 3 : 1;
    a.unitsPerMile = unitsPerMile;
    if (areaCode == 12) {
        FillProfile(a.westShoreY, a.westShoreX, a.westStep, -6000);
        FillProfile(a.eastShoreY, a.eastShoreX, a.eastStep, 6000);
        a.westYMin = a.eastYMin = -20000;
        a.westYMax = a.eastYMax = a.westShoreY[300];
    } else if (areaCode != 30) {
        FillProfile(a.shoreX, a.shoreY, a.shoreStep, -5000);
        a.shoreXMin = -20000;
        a.shoreXMax = a.shoreX[300];
    }
    a.islandCountA = 1;
    a.islandCountB = 1;
    AddIsland(a, 1, {2000, 1000, 1500, 0.5, 30});
    AddIsland(a, 2, {-4000, 2500, 600, 0.8, 80});
    a.shoalCount = 1;
    AddShoal(a, 1, {5000, 3000, 900, 0.3, 100});
}

}  // namespace vel::test
