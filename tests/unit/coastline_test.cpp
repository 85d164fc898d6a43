#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "world/terrain.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::StartedCruise;

struct Layout {
    int32_t area, mirrored, mainland, bend;
};

// Cove start indices by area and layout, as the coastline rules give them.
struct CoveRow {
    Layout when;  // -9: any
    int32_t c1, c2, c3;
};
constexpr CoveRow kCoves[] = {
    {{1, 0, -9, -9}, 30, 120, 217}, {{1, 1, -9, -9}, 30, 150, 245},
    {{3, 0, -9, -9}, 30, 110, 217}, {{3, 1, -9, -9}, 30, 110, 217},
    {{4, 0, 1, 1}, 30, 225, 95},    {{4, 0, 3, -1}, 30, 225, 95},
    {{4, 0, 1, -1}, 32, 225, 95},   {{4, 0, 3, 1}, 32, 225, 95},
    {{4, 1, 1, -9}, 42, 204, 100},  {{4, 1, 3, -9}, 42, 206, 105},
};

bool Matches(const Layout& w, const AreaGrid& a) {
    const auto eq = [](int32_t want, int32_t v) { return want == -9 || want == v; };
    return w.area == a.areaCode && eq(w.mirrored, a.mirrored) && eq(w.mainland, a.mainlandSide) &&
           eq(w.bend, a.riverBend);
}

TEST(Coastline, CovesStartWhereTheLayoutPutsThemAndSpanTheirShapes) {
    int seen[std::size(kCoves)] = {};
    for (int32_t area : {1, 3, 4})
        for (uint32_t seed = 1; seed <= 60; ++seed) {
            auto g = StartedCruise({area, 1 + static_cast<int32_t>(seed % 2)}, seed);
            const AreaGrid& a = g->areaGrid;
            for (std::size_t r = 0; r < std::size(kCoves); ++r) {
                if (!Matches(kCoves[r].when, a)) continue;
                ++seen[r];
                EXPECT_EQ(a.coveStart[0], kCoves[r].c1) << "row " << r;
                EXPECT_EQ(a.coveStart[1], kCoves[r].c2) << "row " << r;
                EXPECT_EQ(a.coveStart[2], kCoves[r].c3) << "row " << r;
            }
            EXPECT_EQ(a.coveEnd[0] - a.coveStart[0], 8);
            EXPECT_EQ(a.coveEnd[1] - a.coveStart[1], area == 4 ? 6 : 9);
            EXPECT_EQ(a.coveEnd[2] - a.coveStart[2], 6);
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(a.coveStartX[k], a.coastX[a.coveStart[k]]);
                EXPECT_EQ(a.coveEndX[k], a.coastX[a.coveEnd[k]]);
            }
        }
    for (std::size_t r = 0; r < std::size(kCoves); ++r) EXPECT_GT(seen[r], 0) << "layout row " << r << " never drawn";
}

TEST(Coastline, UndisturbedCoastLiesByAreaAndMainlandSide) {
    struct Case {
        int32_t area, mainland, baseY;
    };
    for (const Case c : {Case{1, 1, -3500}, Case{1, 3, 3700}, Case{3, 1, -3080}, Case{3, 3, 3256}, Case{4, 1, -1820},
                         Case{4, 3, 1924}, Case{2, 1, -3500}, Case{2, 3, 3700}}) {
        bool found = false;
        for (uint32_t seed = 1; seed <= 40 && !found; ++seed) {
            auto g = StartedCruise({c.area, 1}, seed);
            if (g->areaGrid.mainlandSide != c.mainland) continue;
            found = true;
            EXPECT_EQ(g->areaGrid.coastBaseY, c.baseY) << c.area;
            EXPECT_EQ(g->areaGrid.seaSign, c.mainland == 1 ? 1 : -1);
        }
        EXPECT_TRUE(found) << c.area << " " << c.mainland;
    }
}

TEST(Coastline, RunsEastwardOrMirroredWestwardBetweenItsClosingPoints) {
    for (int32_t area : {1, 3, 4})
        for (uint32_t seed = 1; seed <= 12; ++seed) {
            auto g = StartedCruise({area, 2}, seed);
            const AreaGrid& a = g->areaGrid;
            const int32_t dir = a.mirrored ? -1 : 1;
            const int32_t step = (area == 1 ? 65 : 125) * dir;
            EXPECT_EQ(a.coastStep, step);
            EXPECT_EQ(a.coastX[1], -10000 * dir);
            EXPECT_EQ(a.coastY[1], a.coastBaseY);
            EXPECT_EQ(a.coastX[284], 10000 * dir);
            EXPECT_EQ(a.coastX[50], 50 * step - 9000 * dir);
            if (a.mirrored) {
                EXPECT_EQ(a.coastY[2], a.coastY[3]);
            }
            if (area == 1) {
                EXPECT_EQ(a.coastY[284], a.coastBaseY);
                EXPECT_EQ(a.coastX[200], 200 * step - 9000 * dir);
                continue;
            }
            EXPECT_EQ(a.coastY[284], -a.coastBaseY);
            EXPECT_EQ(a.coastX[142], 10000 * dir);
            EXPECT_EQ(a.coastY[142], a.coastBaseY);
            EXPECT_EQ(a.coastX[143], -10000 * dir);
            EXPECT_EQ(a.coastY[143], -a.coastBaseY);
            EXPECT_EQ(a.coastX[200], (200 - 143) * step - 9000 * dir);  // the far bank starts again
            // Each bank keeps to its own side of the undisturbed coast line.
            EXPECT_GT(a.coastY[70] * a.coastBaseY, 0);
            if (area == 3) {
                EXPECT_LT(a.coastY[250] * a.coastBaseY, 0);
            }
        }
}

TEST(Coastline, RiversSecondCoveIsADeepBayScaledFromTheShoreFiveBefore) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        auto g = StartedCruise({4, 1}, seed);
        const AreaGrid& a = g->areaGrid;
        const int32_t c = a.coveStart[1];
        const int32_t base = a.coastY[c - 5];
        EXPECT_EQ(a.coastY[c], static_cast<int32_t>(2.0 * base));
        EXPECT_EQ(a.coastY[c + 1], static_cast<int32_t>(2.3 * base));
        EXPECT_EQ(a.coastY[c + 2], static_cast<int32_t>(2.5 * base));
    }
}

TEST(Coastline, CoveHeadRocksStandOnTheInnerLimits) {
    for (int32_t area : {1, 3, 4})
        for (uint32_t seed = 1; seed <= 12; ++seed) {
            auto g = StartedCruise({area, 1}, seed);
            const AreaGrid& a = g->areaGrid;
            const int32_t from[3] = {a.coastY[a.coveEnd[0]], a.coastY[a.coveStart[1]], a.coastY[a.coveStart[2]]};
            for (int k = 0; k < 3; ++k) {
                const int32_t push = (k == 2 && area == 4) ? 360 : 260;
                EXPECT_EQ(std::abs(a.coveInnerY[k]), std::abs(from[k]) + push) << area << " cove " << k;
                EXPECT_GT(a.coveInnerY[k] * from[k], 0);
                EXPECT_EQ(g->rockList.y[16 + k], a.coveInnerY[k]);
                EXPECT_EQ(g->rockList.x[16 + k], (a.coveStartX[k] + a.coveEndX[k]) / 2);
            }
        }
}

// Sum of the bends of the first bank between the coves.
int64_t Roughness(const AreaGrid& a) {
    int64_t sum = 0;
    for (int32_t i = 45; i < 105; ++i) sum += std::abs(a.coastY[i + 1] - 2 * a.coastY[i] + a.coastY[i - 1]);
    return sum;
}

TEST(Coastline, TallerWindowGivesARougherShore) {
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        auto low = std::make_unique<Game>();
        auto tall = std::make_unique<Game>();
        for (Game* g : {low.get(), tall.get()}) {
            g->cruiseOptions.areaCode = 1;
            g->cruiseOptions.region = 1;
            g->rng.srand(seed);
            BuildTrigTables(g->trigTables);
        }
        low->screenState.height = 30;
        tall->screenState.height = 3000;
        StartCruise(*low);
        StartCruise(*tall);
        EXPECT_GT(Roughness(tall->areaGrid), 2 * Roughness(low->areaGrid)) << seed;
    }
}

// The shore point a hill stands behind: its x is a shore point's x within
// the range, its y that point's y moved `back` units.
bool BehindShore(const AreaGrid& a, int32_t x, int32_t y, int32_t first, int32_t last, int32_t back) {
    for (int32_t i = first; i <= last; ++i)
        if (a.coastX[i] == x && a.coastY[i] + back == y) return true;
    return false;
}

TEST(Coastline, HillsAndLandmarksStandBehindTheShorePointsTheyAreTiedTo) {
    for (int32_t area : {1, 3})
        for (uint32_t seed = 1; seed <= 12; ++seed) {
            auto g = StartedCruise({area, 1}, seed);
            const AreaGrid& a = g->areaGrid;
            const int32_t s = a.seaSign;
            ASSERT_EQ(a.hillCount, 10);
            for (int32_t k = 0; k < 5; ++k) {
                EXPECT_TRUE(BehindShore(a, a.hillX[k], a.hillY[k], 20, 143, -s * (19 - k) * 500)) << k;
                const int32_t back = area == 1 ? -s * (19 - k) * 500 : s * (21 + k) * 500;
                EXPECT_TRUE(BehindShore(a, a.hillX[5 + k], a.hillY[5 + k], 160, 272, back)) << 5 + k;
                EXPECT_GE(a.hillSize[k], 50);
                EXPECT_LE(a.hillSize[k], 153);
            }
            const bool v1 = a.landmarkVariant == 1;
            const int32_t b = v1 ? 80 : 60, c = v1 ? 120 : 135;
            EXPECT_EQ(a.landmarkX[2], a.coastX[b]);
            EXPECT_EQ(a.landmarkY[2], a.coastY[b] - 900 * s);
            EXPECT_EQ(a.landmarkX[3], a.coastX[c]);
            EXPECT_EQ(a.landmarkY[3], a.coastY[c] - 900 * s);
            const int32_t e = (area == 1 || v1) ? 10 : 150;
            EXPECT_EQ(a.landmarkX[5], a.coastX[e]);
            EXPECT_EQ(a.landmarkY[5], a.coastY[e] + ((area == 1 || v1) ? -300 : 300) * s);
            if (area == 1 && v1) {
                EXPECT_EQ(a.landmarkX[0], a.coastX[a.coveStart[0] + 3] - 150);
                EXPECT_EQ(a.landmarkY[1], a.coastY[a.coveStart[0] + 4] - 800 * s);
            } else {
                EXPECT_EQ(a.landmarkX[1], a.landmarkX[0] + 50);
                EXPECT_EQ(a.landmarkY[0], a.coastY[a.coveEnd[0] + 50] - 800 * s);
            }
        }
}

TEST(Coastline, MarinaPierLiesInTheFirstCoveAlongItsShore) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        constexpr int32_t kAreas[] = {1, 3, 4};
        auto g = StartedCruise({kAreas[seed % 3], 2}, seed);
        const AreaGrid& a = g->areaGrid;
        const int32_t base = a.mirrored ? a.coveEnd[0] : a.coveStart[0];
        const int32_t x0 = a.coastX[base], y0 = a.coastY[base], s = a.seaSign;
        EXPECT_EQ(a.pierCornerX[0], x0 + 80);
        EXPECT_EQ(a.pierCornerY[2], y0 + 10 * s);
        EXPECT_EQ(a.pierCornerX[4], x0 - 10);
        EXPECT_EQ(a.pierBerthX, x0 + 95);
        EXPECT_EQ(a.pierBerthY, y0 + 5 * s);
        EXPECT_EQ(a.pierCorner1X, x0 + 80);
        EXPECT_EQ(a.pierCorner2X, x0 + 110);
        EXPECT_EQ(a.pierCorner2Y, y0);
        EXPECT_EQ(a.pierCorner3Y, y0 + 10 * s);
    }
}

}  // namespace
}  // namespace vel
