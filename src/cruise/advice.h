#pragma once
// The old sailor's advice: tips chosen by the situation of the moment.
#include <vector>

#include "common/game.h"
#include "cruise/help_text.h"

namespace vel {

// The advice page, title first and the way out last, with every tip whose
// situation holds now, in a fixed order.
std::vector<HelpLine> AdviceLines(const Game& g);

}  // namespace vel
