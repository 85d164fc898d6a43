#include "shell/options.h"

#include "shell/actions.h"

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

void ChooseArea(CruiseOptions& o, const AreaChoice& a) {
    o.areaCode = a.areaCode;
    o.region = a.region;
    o.isPassage = a.isPassage;
    if (a.isRealArea >= 0) o.isRealArea = a.isRealArea;
    o.introCourse = 0;
}

void ChooseIntroCourse(CruiseOptions& o) {
    ChooseArea(o, {1, 2, 0, 0});
    o.introCourse = 1;
    o.noFailElectronics = 1;
    o.noFailEngine = 1;
    for (int32_t* trouble : {&o.troubleNoGps, &o.troubleNoRadar, &o.troubleNoDepthAlarm, &o.troubleNoEngine,
                             &o.troubleStrongWind, &o.troubleFog, &o.currentsOn})
        *trouble = 0;
    o.difficulty = 1;
}

void ToggleNoFailElectronics(CruiseOptions& o) {
    Toggle(o.noFailElectronics);
    if (o.noFailElectronics == 1) o.troubleNoGps = o.troubleNoRadar = o.troubleNoDepthAlarm = 0;
}

void ToggleNoFailEngine(CruiseOptions& o) {
    Toggle(o.noFailEngine);
    if (o.noFailEngine == 1) o.troubleNoEngine = 0;
}

void ToggleTroubleFog(CruiseOptions& o) {
    Toggle(o.troubleFog);
    o.noFog = 0;
}

void ToggleNoFog(CruiseOptions& o) {
    Toggle(o.noFog);
    o.troubleFog = 0;
}

void ToggleNoMoonlight(Game& g) {
    Toggle(g.cruiseOptions.troubleNoMoonlight);
    g.weather.moonlight = g.cruiseOptions.troubleNoMoonlight == 1 ? 0 : 1;
}

void ChooseBoatType(CruiseOptions& o, int32_t type) {
    o.boatType = type;
    if (type >= 3) {
        o.helm = 1;
        o.noFailEngine = 1;
    } else if (o.introCourse != 1) {
        o.noFailEngine = 0;
    }
}

}  // namespace vel
