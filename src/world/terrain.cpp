#include "world/terrain.h"

namespace vel {

// Provisional open water until the area generator lands: the depth field,
// the shoal probes and the strip tests are filled in with it.
int32_t DepthAt(const Game& g, int32_t x, int32_t y, int32_t kind) { return VirtualDepth(g, x, y, kind); }
int32_t VirtualDepth(const Game&, int32_t, int32_t, int32_t) { return 99; }
int32_t ShoalAheadVirtual(const Game&, int32_t, int32_t, int32_t) { return 900; }
int32_t ShoalAheadReal(const Game&, int32_t, int32_t, int32_t) { return 900; }
int32_t InStripNS(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t InStripEW(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }

}  // namespace vel
