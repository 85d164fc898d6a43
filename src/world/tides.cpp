#include "world/tides.h"

namespace vel {

// Tides arrive with the world's tide model.
void SetDayTide(Game&, int32_t) {}
void DrawTideParameters(Game&) {}

// Slack water everywhere until the tide model arrives.
void UpdateTideAndCurrent(Game&) {}

}  // namespace vel
