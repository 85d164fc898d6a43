#include "world/aids.h"

#include <cstdlib>

namespace vel {
namespace {

// North of the divide the buoys flash slowly, further south quickly; the
// placement step puts kinds 3 and 4 in the north region and 5 and 6 elsewhere.
// Kind 7, the lighthouse, is drawn from the lighthouse table alone.
constexpr AidKind kAids[] = {
    {3, "Fl R", AidShape::Buoy, AidColour::Red, 1},
    {4, "Fl G", AidShape::Buoy, AidColour::Green, 1},
    {5, "Qk Fl R", AidShape::Buoy, AidColour::Red, 1},
    {6, "Qk Fl G", AidShape::Buoy, AidColour::Green, 1},
    {8, "Fl ﾀﾜｰ", AidShape::Tower, AidColour::Black, 1},
    {9, "立標", AidShape::Beacon, AidColour::Black, 0},
    {10, "係留ﾌﾞｲ", AidShape::MooringBuoy, AidColour::Yellow, 0},
    // The real areas' mark lists. Kinds 31..45 and 48 carry a fog signal.
    {26, "Fl R", AidShape::Buoy, AidColour::Red, 1},
    {27, "Fl G", AidShape::Buoy, AidColour::Green, 1},
    {28, "浮標", AidShape::Buoy, AidColour::Red, 0},
    {29, "浮標", AidShape::Buoy, AidColour::Green, 0},
    {30, "立標", AidShape::Beacon, AidColour::Black, 0},
    {31, "ﾍﾞﾙ", AidShape::Buoy, AidColour::Red, 1},
    {32, "ﾍﾞﾙ", AidShape::Buoy, AidColour::Green, 1},
    {33, "ｺﾞﾝｸﾞ", AidShape::Buoy, AidColour::Red, 0},
    {34, "ｺﾞﾝｸﾞ", AidShape::Buoy, AidColour::Green, 0},
    {35, "Mo (A)", AidShape::Buoy, AidColour::RedWhite, 1},
    {36, "ﾍﾞﾙ", AidShape::Buoy, AidColour::RedWhite, 0},
    {37, "Fl ﾀﾜｰ", AidShape::Tower, AidColour::Black, 1},
    {46, "Fl ﾀﾜｰ", AidShape::Tower, AidColour::Black, 1},
    {47, "Fl R ﾀﾜｰ", AidShape::Tower, AidColour::Red, 1},
    {48, "Fl 灯台", AidShape::Tower, AidColour::Black, 1},
    {49, "Fl 灯台", AidShape::Tower, AidColour::Black, 1},
    {50, "ﾀﾜｰ", AidShape::Tower, AidColour::Black, 0},
    {51, "ﾀﾝｸ", AidShape::Tower, AidColour::Black, 0},
    {52, "煙突", AidShape::Tower, AidColour::Black, 0},
    {53, "ﾄﾞｰﾑ", AidShape::Tower, AidColour::Black, 0},
    {54, "Monument", AidShape::Tower, AidColour::Black, 0},
    {55, "Qk Fl R", AidShape::Buoy, AidColour::Red, 1},
    {56, "Qk Fl G", AidShape::Buoy, AidColour::Green, 1},
    {57, "ﾚﾝｼﾞ", AidShape::Beacon, AidColour::Black, 1},
};

constexpr int32_t kNearAid = 1000;  // nearer than this
constexpr int32_t kFarAid = 2499;   // up to and including this

bool FogSignalsHeard(const Game& g) { return g.weather.fog == 1 && g.cruiseOptions.soundLevel > 1; }

int32_t ManhattanFromBoat(const Game& g, int32_t x, int32_t y) {
    return std::abs(g.ownBoat.cellX - x) + std::abs(g.ownBoat.cellY - y);
}

}  // namespace

std::span<const AidKind> AidKinds() { return kAids; }

const AidKind* FindAidKind(int32_t kind) {
    for (const AidKind& a : kAids)
        if (a.kind == kind) return &a;
    return nullptr;
}

void SoundLighthouseFogSignals(Game& g) {
    if (!FogSignalsHeard(g) || g.areaGrid.isRealArea != 0) return;
    const Lighthouse& l = g.lighthouse;
    for (int32_t i = 1; i <= kLighthouseSlots; ++i) {
        if (l.x[i] == kNoLighthouse || l.y[i] == kNoLighthouse) continue;
        if (g.simClock.cycleB != 3 * i) continue;
        const int32_t d = ManhattanFromBoat(g, l.x[i], l.y[i]);
        if (d < kNearAid)
            g.soundRequests.push_back({kNearAidSignal, PlayMode::NoInterrupt});
        else if (d <= kFarAid)
            g.soundRequests.push_back({kFarAidSignal, PlayMode::Plain});
    }
}

}  // namespace vel
