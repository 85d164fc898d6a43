#include "cruise/help.h"

namespace vel {

// The pages arrive with the manual.
void DrawHelp(gfx::DC&, Game&) {}

}  // namespace vel
