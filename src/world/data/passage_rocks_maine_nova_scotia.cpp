// The Maine - Nova Scotia passages (areas 7 and 8): charted rocks and
// ledges in the sea, from Mount Desert to Lubec and Grand Manan and from
// Brier Island round Cape Sable to Shelburne.
// Sources (public): NOAA charts 13260, 13312, 13318, 13324 and 13325;
// Canadian Hydrographic Service charts 4011, 4230, 4240 and 4241; placed to
// about a quarter mile and each checked to lie in water on the GSHHG
// full-resolution shoreline. 1: shows at all tides. Not for navigation.
#include "world/passage_data.h"

namespace vel {
namespace {

constexpr RealRockFact kRocks[] = {
    {{44.2477, -68.3476}, 0},  // Long Ledge off Bass Harbor
    {{44.2700, -68.2100}, 0},  // Bunker Ledge
    {{44.3079, -68.1938}, 1},  // Thrumcap ledge
    {{44.3500, -68.1420}, 0},  // Egg Rock ledge
    {{44.3300, -68.0500}, 0},  // Schoodic Island ledges
    {{44.1380, -68.2550}, 0},  // Great Duck Island ledges
    {{44.1700, -68.2450}, 0},  // Little Duck Island ledge
    {{43.9650, -68.1300}, 1},  // Mount Desert Rock ledges
    {{44.3600, -67.8700}, 0},  // Petit Manan Bar
    {{44.3550, -67.8750}, 0},  // Southwest Breaker off Petit Manan
    {{44.4650, -67.7420}, 0},  // Nash Island ledges
    {{44.4975, -67.6072}, 0},  // Moose Peak Ledge
    {{44.4650, -67.5350}, 0},  // ledge off Mistake Island
    {{44.4860, -67.6210}, 0},  // Crumple Island ledges
    {{44.5600, -67.3700}, 0},  // Libby Islands ledges
    {{44.6000, -67.2800}, 0},  // Cross Island ledges
    {{44.6600, -67.1700}, 1},  // Little River Head rocks off Cutler
    {{44.4950, -67.1000}, 1},  // Machias Seal Island ledges
    {{44.5100, -67.0850}, 1},  // North Rock
    {{44.8110, -66.9370}, 1},  // Sail Rock off West Quoddy Head
    {{44.5950, -66.9100}, 0},  // ledges off Southwest Head
    {{44.5082, -66.7801}, 1},  // Gannet Rock ledges
    {{44.6300, -66.7300}, 0},  // Murr Ledges
    {{44.7641, -66.7582}, 1},  // The Old Proprietor
    {{44.8034, -66.7800}, 0},  // rocks off Long Eddy Point
    {{44.2800, -66.4000}, 0},  // Northwest Ledge off Brier Island
    {{44.2350, -66.4000}, 0},  // ledges off Brier Island's south-west point
    {{44.0000, -66.3100}, 0},  // Trinity Ledge
    {{43.8000, -66.5200}, 0},  // Lurcher Shoal, its south-west rock
    {{43.7850, -66.1650}, 0},  // ledges off Cape Forchu
    {{43.8000, -66.1400}, 0},  // Bunker Island ledges off Yarmouth
    {{43.6850, -66.1500}, 0},  // Green Island ledges
    {{43.3400, -66.0400}, 0},  // Blonde Rock
    {{43.4000, -66.0300}, 0},  // ledges off Seal Island
    {{43.4909, -65.9918}, 0},  // Mud Island ledges
    {{43.4450, -65.7600}, 0},  // ledges off Bon Portage Island
    {{43.3700, -65.4300}, 1},  // Brazil Rock
    {{43.3750, -65.6200}, 0},  // The Horseshoe off Cape Sable
    {{43.4709, -65.3818}, 1},  // The Salvages
    {{43.4450, -65.4700}, 0},  // ledges off Baccaro Point
    {{43.5100, -65.3600}, 0},  // ledges off Cape Negro
    {{43.6000, -65.2800}, 0},  // ledges off the Roseway shore
    {{43.6150, -65.2800}, 0},  // McNutts Island ledges
    {{43.6800, -65.1000}, 1},  // Gull Rock off Lockeport
    {{44.5400, -67.4700}, 0},  // Freeman Rock off Roque Island
};

}  // namespace

extern const std::span<const RealRockFact> kMaineNovaScotiaRocks = kRocks;

}  // namespace vel
