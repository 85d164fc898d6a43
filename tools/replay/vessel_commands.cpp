#include "replay/vessel_commands.h"

#include <cmath>
#include <ostream>

#include "common/helpers.h"
#include "sim/mooring_actions.h"
#include "sim/ships.h"

namespace vel::replay {
namespace {

struct Feature {
    const char* name;
    double (*x)(const Game&);
    double (*y)(const Game&);
};

constexpr Feature kFeatures[] = {
    {"berth", [](const Game& g) { return double(g.areaGrid.pierBerthX); },
     [](const Game& g) { return double(g.areaGrid.pierBerthY); }},
    {"buoy1", [](const Game& g) { return double(g.moorings.buoyX[0]); },
     [](const Game& g) { return double(g.moorings.buoy1Y); }},
    {"buoy2", [](const Game& g) { return double(g.moorings.buoyX[1]); },
     [](const Game& g) { return double(g.moorings.buoy2Y); }},
    {"harbour", [](const Game& g) { return double(g.areaGrid.harbourX); },
     [](const Game& g) { return double(g.areaGrid.harbourY); }},
    {"dock", [](const Game& g) { return double(g.areaGrid.realDockX); },
     [](const Game& g) { return double(g.areaGrid.realDockY); }},
    {"anchor1", [](const Game& g) { return g.anchors.xanch[1][1]; },
     [](const Game& g) { return g.anchors.yanch[1][1]; }},
    {"anchor2", [](const Game& g) { return g.anchors.xanch[1][2]; },
     [](const Game& g) { return g.anchors.yanch[1][2]; }},
    {"ship1", [](const Game& g) { return g.objectList.fbx[ShipEntry(1)]; },
     [](const Game& g) { return g.objectList.fby[ShipEntry(1)]; }},
    {"ship2", [](const Game& g) { return g.objectList.fbx[ShipEntry(2)]; },
     [](const Game& g) { return g.objectList.fby[ShipEntry(2)]; }},
};

const Feature* FindFeature(const std::string& name) {
    for (const Feature& f : kFeatures)
        if (name == f.name) return &f;
    return nullptr;
}

}  // namespace

int BoatAt(Session& s, Args a) {
    int32_t dx = 0, dy = 0;
    const Feature* f = FindFeature(a[0]);
    if (!f) return Bad(s, "no feature " + a[0]);
    if (!ParseInts(a.subspan(1), {&dx, &dy})) return Bad(s, "boat-at takes FEATURE DX DY");
    OwnBoat& b = s.game->ownBoat;
    b.x = f->x(*s.game) + dx;
    b.y = f->y(*s.game) + dy;
    b.cellX = Trunc(b.x);
    b.cellY = Trunc(b.y);
    return kOk;
}

int BoatNear(Session& s, Args a) {
    int32_t dx = 0, dy = 0, tolerance = 0;
    const Feature* f = FindFeature(a[0]);
    if (!f) return Bad(s, "no feature " + a[0]);
    if (!ParseInts(a.subspan(1), {&dx, &dy, &tolerance}) || tolerance < 0)
        return Bad(s, "boat-near takes FEATURE DX DY TOLERANCE");
    const OwnBoat& b = s.game->ownBoat;
    const double wantX = f->x(*s.game) + dx, wantY = f->y(*s.game) + dy;
    if (std::abs(b.x - wantX) <= tolerance && std::abs(b.y - wantY) <= tolerance) return kOk;
    *s.err << "expectation failed: boat at (" << b.x << ", " << b.y << "), wanted (" << wantX << ", " << wantY
           << ") within " << tolerance << "\n";
    return kExpectationFailed;
}

int BoatOff(Session& s, Args a) {
    int32_t distance = 0, tolerance = 0;
    const Feature* f = FindFeature(a[0]);
    if (!f) return Bad(s, "no feature " + a[0]);
    if (!ParseInts(a.subspan(1), {&distance, &tolerance}) || distance < 0 || tolerance < 0)
        return Bad(s, "boat-off takes FEATURE DISTANCE TOLERANCE");
    const OwnBoat& b = s.game->ownBoat;
    const double d = std::hypot(b.x - f->x(*s.game), b.y - f->y(*s.game));
    if (std::abs(d - distance) <= tolerance) return kOk;
    *s.err << "expectation failed: boat " << d << " units off " << a[0] << ", wanted " << distance << " within "
           << tolerance << "\n";
    return kExpectationFailed;
}

int Course(Session& s, Args a) {
    int32_t heading = 0;
    if (!ParseInts(a, {&heading}) || heading < 0 || heading > 359) return Bad(s, "course takes DEG from 0 to 359");
    s.game->ownBoat.heading = heading;
    s.game->ownBoat.headingExact = heading;
    return kOk;
}

int Moor(Session& s, Args a) {
    Game& g = *s.game;
    const std::string& action = a[0];
    int32_t arg = 0;
    const bool hasArg = a.size() > 1 && ParseInts(a.subspan(1), {&arg});
    if (action == "letgo" && hasArg && (arg == 1 || arg == 2)) {
        LetGoAnchor(g, arg);
    } else if (action == "tender" && hasArg && arg % 90 == 0 && arg >= 0 && arg < 360) {
        LayAnchorByTender(g, arg);
    } else if (action == "weigh" && !hasArg) {
        WeighAnchors(g);
    } else if (action == "castoff" && !hasArg) {
        CastOffFromPier(g);
    } else if (action == "release" && !hasArg) {
        LetGoMooring(g);
    } else {
        return Bad(s, "moor takes letgo 1|2, tender 0|90|180|270, weigh, castoff or release");
    }
    s.afterInput();
    return kOk;
}

}  // namespace vel::replay
