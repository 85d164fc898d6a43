#include "world/tides.h"

namespace vel {

// Tides arrive with the world's tide model.
void SetDayTide(Game&, int32_t) {}

}  // namespace vel
