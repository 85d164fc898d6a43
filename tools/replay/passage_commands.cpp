#include "replay/passage_commands.h"

#include <cstdlib>
#include <ostream>

#include "common/helpers.h"
#include "cruise/scoring.h"
#include "shell/chart_nav.h"
#include "shell/input.h"

namespace vel::replay {
namespace {

int Compare(Session& s, const char* what, double actual, const std::string& op, const std::string& value) {
    char* end = nullptr;
    const double want = std::strtod(value.c_str(), &end);
    if (end == value.c_str() || *end != '\0') return Bad(s, std::string(what) + " compares with a number");
    bool known = false;
    const bool held = CompareNumbers(actual, op, want, known);
    if (!known) return Bad(s, "unknown comparison " + op);
    if (held) return kOk;
    *s.err << "expectation failed: " << what << " " << op << " " << value << " (actual " << actual << ")\n";
    return kExpectationFailed;
}

}  // namespace

int ClickWorld(Session& s, Args a) {
    int32_t x = 0, y = 0;
    if (!ParseInts(a, {&x, &y})) return Bad(s, "click-world takes X Y in area units");
    const ChartPoint p = worldToChart(*s.game, x, y);
    s.host.cursorX = p.x;
    s.host.cursorY = p.y;
    OnLButtonDown(*s.game, p.x, p.y);
    s.afterInput();
    return kOk;
}

// Between the course over the ground and the course through the water
// (heading less leeway): what the current turns the boat's track by.
int Drift(Session& s, Args a) {
    const Game& g = *s.game;
    const OwnBoat& b = g.ownBoat;
    const int32_t throughWater = b.heading - b.leeway * b.tack + g.navState.variation;
    const int32_t d = std::abs(((b.courseOverGround - throughWater) % 360 + 540) % 360 - 180);
    return Compare(s, "drift", d, a[0], a[1]);
}

int PassageBonusIs(Session& s, Args a) {
    return Compare(s, "passage-bonus", ScoreCruise(*s.game).passageBonus, a[0], a[1]);
}

}  // namespace vel::replay
