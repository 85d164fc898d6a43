#include "sim/wave_motion.h"

#include <algorithm>
#include <cmath>

#include "common/helpers.h"
#include "sim/sea_items.h"
#include "sim/vessels.h"

namespace vel {
namespace {

// Beating into a sea, the bow slams when a crest closes within 9 units.
void CheckSlam(Game& g, int32_t divisor) {
    WaveMotion& m = g.waveMotion;
    m.crestDistancePrev = m.crestDistance;
    m.crestDistance = NearestCrestDistance(g, g.ownBoat.x, g.ownBoat.y, -1);
    m.slamCooldown = std::max(0, m.slamCooldown - 1);
    if (m.crestDistance < 9.0 && m.crestDistance < m.crestDistancePrev && m.slamCooldown == 0) {
        m.slamCooldown = 20;
        m.bouncecount = divisor / 5;
        g.ownBoat.slammed = 1;
    }
}

}  // namespace

void AdvanceWaveMotion(Game& g) {
    WaveMotion& m = g.waveMotion;
    const int32_t divisor = std::max(1, g.cruiseOptions.stepDivisor);
    const int32_t waves = g.weather.waveState;
    const bool headSea = g.ownBoat.trueWindAngle < 80;
    g.ownBoat.slammed = 0;
    if (++m.bouncecount > divisor / 3) m.bouncecount = 0;
    if (headSea && waves > 1) CheckSlam(g, divisor);
    int32_t amplitude = waves + 1;
    if (headSea && waves > 1) amplitude = m.slamCooldown > 0 ? 9 : 2 * waves + 1;
    m.pitch = Trunc(amplitude * std::sin(m.bouncecount * 18.84 / divisor));
}

}  // namespace vel
