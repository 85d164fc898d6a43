#include "views/current_vectors.h"

namespace vel {

void drawCurrentVectors(gfx::DC&, const Game&, int32_t, int32_t, int32_t) {}

std::optional<int32_t> ChartCurrentTenths(const Game&, int32_t, int32_t) { return std::nullopt; }

}  // namespace vel
