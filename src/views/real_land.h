#pragma once
// The shapes of a real area's land as the old outline tables give them: the
// mainland behind each shore profile, the island outlines and the charted
// shoals. The chart, radar and sailing view fall back to them when no
// shoreline table is loaded.
#include <cstdint>

#include "common/game.h"

namespace vel {


// One shore profile: the shore's position `across` as a function of the
// position `run` along it, on the table's equal steps. Areas 11 and 20 run
// along x with the land north; area 12 runs along y with land west of the
// west shore and east of the east shore.
struct ShoreProfile {
    const int32_t* run;      // 301 entries, 1..300 in use
    const int32_t* across;
    double step;
    int32_t runMin, runMax;  // valid strictly between
    bool alongX;             // run is x (land north), else run is y
    int32_t landSign;        // land where (across - shore) * landSign > 0
};

// The area's usable profiles (0 to 2); a profile whose guard limit is unset
// is left out.
int32_t ShoreProfiles(const AreaGrid& a, ShoreProfile out[2]);
// The shore's `across` position at `run`, interpolated as the depth query
// does; only meaningful for runMin < run < runMax.
int32_t ShoreAcrossAt(const ShoreProfile& p, int32_t run);
bool BehindShore(const ShoreProfile& p, int32_t x, int32_t y);

// Islands and shoals the chart draws: groups A and B of the islands, the
// charted shoals (not the extra ones), each with a usable outline.
int32_t ChartedIslandCount(const AreaGrid& a);
int32_t ChartedShoalCount(const AreaGrid& a);
bool IslandDrawn(const AreaGrid& a, int32_t i);
bool ShoalDrawn(const AreaGrid& a, int32_t i);

inline constexpr int32_t kRealOutlinePoints = 73;  // the last repeats the first

}  // namespace vel
