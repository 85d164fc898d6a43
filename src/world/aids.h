#pragma once
// Navigation aids of the generated areas: what each object kind stands for
// and what the chart writes beside it, and the lighthouses' fog signals.
#include <cstdint>
#include <span>

#include "common/game.h"

namespace vel {

enum class AidShape { Buoy, Tower, Beacon, MooringBuoy };
enum class AidColour { Red, Green, RedWhite, Black, Yellow };

struct AidKind {
    int32_t kind;       // object-list kind code
    const char* label;  // written beside the symbol when names are shown
    AidShape shape;
    AidColour colour;
    int32_t lit;        // 1: the chart draws a light flare
};

// The marks of the generated areas (kinds 3..10 of the object list, but for
// the lighthouses of kind 7, which the lighthouse table stands for) and of
// the real areas' mark lists (26..57; 31..45 and 48 sound in fog: bells,
// gongs, whistles, horns).
std::span<const AidKind> AidKinds();
// nullptr for kinds that are not aids.
const AidKind* FindAidKind(int32_t kind);

inline constexpr const char* kLighthouseLabel = "Fl 灯台";
inline constexpr const char* kTowerLabel = "ﾀﾜｰ";
inline constexpr const char* kTankLabel = "ﾀﾝｸ";
inline constexpr const char* kPierLabel = "桟橋";
inline constexpr int32_t kNoLighthouse = 30000;
inline constexpr int32_t kLighthouseSlots = 7;

// Sound ids of the aids' fog signals.
inline constexpr int kFarAidSignal = 143;
inline constexpr int kNearAidSignal = 144;

// Lighthouse horns in fog: lighthouse i sounds on the tick whose fog-signal
// cycle counter is 3 i, near (below 1000 units) or far (1000 up to 2499).
void SoundLighthouseFogSignals(Game& g);

}  // namespace vel
