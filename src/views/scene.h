#pragma once
// Small questions every pass of the sailing view asks of the game.
#include "common/game.h"

namespace vel {

inline bool Monochrome(const Game& g) { return g.viewState.monochrome == 1; }
inline bool Night(const Game& g) { return g.viewState.night == 1; }
inline bool DarkNight(const Game& g) { return Night(g) && g.weather.moonlight == 0; }
// Displays of 8 bits per pixel or fewer get the palette-safe colours.
inline bool FewColours(const Game& g) { return g.screenState.bitsPerPixel < 9; }
inline bool Overcast(const Game& g) { return g.weather.cloudCover > 2; }
inline bool Thunderstorm(const Game& g) { return g.weather.storm == 2; }
inline bool Fog(const Game& g) { return g.weather.fog == 1; }
// Full daylight: no night, no thunderstorm, no twilight and no glare.
inline bool ByDay(const Game& g) {
    const ViewState& v = g.viewState;
    return v.night == 0 && g.weather.storm < 2 && v.twilight == 0 && v.sunGlare == 0;
}

inline bool RealArea(const Game& g) { return g.areaGrid.isRealArea == 1; }
inline bool Passage(const Game& g) { return g.areaGrid.isPassage == 1; }
inline bool GeneratedArea(const Game& g) { return !RealArea(g) && !Passage(g); }
inline bool IslandsArea(const Game& g) { return g.areaGrid.areaCode == 2; }
// The generated areas with a mainland shore: coast, inland waterway, river.
inline bool ShoreArea(const Game& g) { return GeneratedArea(g) && !IslandsArea(g); }
inline bool NorthRegion(const Game& g) { return g.areaGrid.region == 1; }
inline bool BahamasRegion(const Game& g) { return g.areaGrid.region == 3; }

// The ocean-current band of the Florida-Bahamas passages: between the
// stream's edges.
inline bool InOceanCurrentBand(const Game& g) {
    const int32_t x = static_cast<int32_t>(g.ownBoat.x);
    return g.areaGrid.region == 5 && x > g.areaGrid.gulfWestX && x < g.areaGrid.gulfEastX;
}

// The rectangle of the sailing view; drawers that clip for a moment return
// to it.
struct ViewRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The own boat's reference point in the view rectangle.
inline int32_t OwnBoatRow(int32_t top, int32_t bottom) { return bottom - (bottom - top) / 10; }

}  // namespace vel
