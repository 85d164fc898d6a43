#include "views/radar.h"

namespace vel {

// The inset arrives with the radar.
void drawRadar(gfx::DC&, Game&, int32_t, int32_t, int32_t, int32_t) {}

}  // namespace vel
