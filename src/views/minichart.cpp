#include "views/minichart.h"

namespace vel {

// The inset arrives with the chart views.
void drawMiniChart(gfx::DC&, Game&, int32_t, int32_t, int32_t, int32_t) {}

}  // namespace vel
