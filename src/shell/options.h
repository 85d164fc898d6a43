#pragma once
// The options chosen on the title screen and the rules that keep them
// consistent with one another.
#include <cstdint>

#include "common/game.h"

namespace vel {

// The introductory course and the ordinary cruise each keep their own
// currents and no-failure switches; a title frame puts them back in step.
void ReconcileCourseSwitches(CruiseOptions& o);

struct AreaChoice {
    int32_t areaCode;
    int32_t region;
    int32_t isPassage;
    int32_t isRealArea;  // -1: left as it is
};
void ChooseArea(CruiseOptions& o, const AreaChoice& a);
void ChooseIntroCourse(CruiseOptions& o);

void ToggleNoFailElectronics(CruiseOptions& o);
void ToggleNoFailEngine(CruiseOptions& o);
void ToggleTroubleFog(CruiseOptions& o);
void ToggleNoFog(CruiseOptions& o);
// The trouble acts through the night sky, which follows the switch at once.
void ToggleNoMoonlight(Game& g);
void ChooseBoatType(CruiseOptions& o, int32_t type);

}  // namespace vel
