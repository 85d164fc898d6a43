#include "shell/options.h"

namespace vel {

void ReconcileCourseSwitches(CruiseOptions& o) {
    if (o.introCourse == 0 && o.currentsOn == 0 && o.noFailElectronics == 1 && o.noFailEngine == 1) {
        o.noFailElectronics = 0;
        o.noFailEngine = 0;
        o.currentsOn = 1;
    } else if (o.introCourse == 1 && o.currentsOn == 1 && o.noFailElectronics == 0 && o.noFailEngine == 0) {
        o.currentsOn = 0;
        o.noFailElectronics = 1;
        o.noFailEngine = 1;
    }
}

}  // namespace vel
