#include "world/real_currents.h"

#include "common/helpers.h"
#include "world/real_terrain.h"

namespace vel {
namespace {

// Zone tables of the real areas: boxes drawn round each sound, passage and
// river (their latitude and longitude in the comments), each setting the
// flood's comes-from direction, the local tide timing in hours, the strength
// factor and whether shallows and land upstream leave it full strength.
// Compiled from the tidal current tables and tidal current charts the NOAA
// publishes for these waters, as generally known to local sailors.
constexpr int32_t kFar = 100000;

// Southern New England: the strong gates of the Race, Plum Gut, Woods Hole
// and Muskeget, and the floods that run up the bays.
constexpr ZoneRow kSouthernNewEngland[] = {
    {ZoneShape::Box, {-9903, -8227, 1119, 2419, 0, 0}, 100, -1, 2.0, 1},  // The Race
    {ZoneShape::Box, {-11579, -10880, 2605, 3254, 0, 0}, 120, -1, 1.8, 1},  // Plum Gut
    {ZoneShape::Box, {-8925, -6132, 4, 1491, 0, 0}, 80, kZoneKeep, 0.8, kZoneKeep},  // Fishers Island Sound
    {ZoneShape::Box, {-7528, -1941, 1491, 5201, 0, 0}, 70, kZoneKeep, kZoneKeep, kZoneKeep},  // Block Island Sound
    {ZoneShape::Box, {-6830, -5433, 4274, 5571, 0, 0}, 50, kZoneKeep, 1.3, kZoneKeep},  // Montauk Point
    {ZoneShape::Box, {-545, 433, -6150, -2044, 0, 0}, 185, kZoneKeep, 0.5, kZoneKeep},  // West Passage
    {ZoneShape::Box, {433, 1550, -6150, -2044, 0, 0}, 190, kZoneKeep, 0.6, kZoneKeep},  // East Passage
    {ZoneShape::Box, {2109, 3226, -6150, -2044, 0, 0}, 170, kZoneKeep, 0.7, kZoneKeep},  // Sakonnet River
    {ZoneShape::Box, {5740, 11048, -7834, -2230, 0, 0}, 225, kZoneKeep, 0.8, kZoneKeep},  // Buzzards Bay
    {ZoneShape::Box, {6439, 11327, -3535, -554, 0, 0}, 245, -1, 1.2, kZoneKeep},  // Vineyard Sound
    {ZoneShape::Box, {7556, 7975, -2417, -1858, 0, 0}, 320, kZoneKeep, 1.5, 1},  // Quicks Hole
    {ZoneShape::Box, {9931, 10419, -3722, -3349, 0, 0}, 320, -2, 2.0, 1},  // Woods Hole
    {ZoneShape::Box, {13422, 20406, -5963, -368, 0, 0}, 270, kZoneKeep, 0.8, kZoneKeep},  // Nantucket Sound
    {ZoneShape::Box, {14121, 15936, -1299, 562, 0, 0}, 170, -1, 2.0, 1},  // Muskeget Channel
    {ZoneShape::Box, {19009, 21104, -5029, -3162, 0, 0}, 200, kZoneKeep, 1.5, 1},  // Pollock Rip
    {ZoneShape::Box, {10629, 19707, -14404, -6898, 0, 0}, 10, kZoneKeep, 0.3, kZoneKeep},  // Cape Cod Bay
    {ZoneShape::Box, {8534, 21104, 1491, 7975, 0, 0}, 280, kZoneKeep, 0.6, kZoneKeep},  // south of the islands
};

// Chesapeake Bay: the flood's set along the bay by bands of y, then up the
// rivers and sounds.
constexpr ZoneRow kChesapeake[] = {
    {ZoneShape::Box, {-kFar, kFar, 7999, kFar, 0, 0}, 145},
    {ZoneShape::Box, {-kFar, kFar, 6999, 8000, 0, 0}, 165},
    {ZoneShape::Box, {-kFar, kFar, 999, 7000, 0, 0}, 185},
    {ZoneShape::Box, {-kFar, kFar, -4501, 1000, 0, 0}, 165},
    {ZoneShape::Box, {-kFar, kFar, -9351, -4500, 0, 0}, 170},
    {ZoneShape::Box, {-832, 1151, 8374, 10029, 0, 0}, 120, kZoneKeep, kZoneKeep, kZoneKeep},  // James River
    {ZoneShape::Box, {-1162, 821, 6714, 7545, 0, 0}, 120, kZoneKeep, kZoneKeep, kZoneKeep},  // York River
    {ZoneShape::Box, {-1493, 1019, 2964, 4634, 0, 0}, 110, kZoneKeep, kZoneKeep, kZoneKeep},  // Rappahannock
    {ZoneShape::Box, {-3145, 1019, -1230, 1290, 0, 0}, 135, kZoneKeep, kZoneKeep, kZoneKeep},  // Potomac
    {ZoneShape::Box, {-1493, 358, -3760, -1651, 0, 0}, 160, kZoneKeep, kZoneKeep, kZoneKeep},  // Patuxent
    {ZoneShape::Box, {1019, 3134, -5453, -3760, 0, 0}, 260, kZoneKeep, kZoneKeep, kZoneKeep},  // Choptank
    {ZoneShape::Box, {821, 2143, -6726, -5877, 0, 0}, 250, kZoneKeep, kZoneKeep, kZoneKeep},  // Eastern Bay
    {ZoneShape::Box, {1482, 2804, -9706, -7576, 0, 0}, 220, kZoneKeep, kZoneKeep, kZoneKeep},  // Chester River
    {ZoneShape::Box, {3134, 4456, -809, 2546, 0, 0}, 200, kZoneKeep, kZoneKeep, kZoneKeep},  // Tangier Sound
};

// Maine: floods up the bays and through the thorofares, stronger and later
// Down East toward the Bay of Fundy.
constexpr ZoneRow kMaine[] = {
    {ZoneShape::Box, {-11688, -8671, 2619, 5228, 0, 0}, 200, kZoneKeep, 0.6, kZoneKeep},  // Casco Bay
    {ZoneShape::Box, {-8445, -7917, 3142, 4186, 0, 0}, 180, kZoneKeep, 1.8, 1},  // Kennebec mouth
    {ZoneShape::Box, {-7691, -6409, 2096, 3664, 0, 0}, 190, kZoneKeep, 0.8, kZoneKeep},  // Sheepscot and Boothbay
    {ZoneShape::Box, {-5655, -4147, 525, 2619, 0, 0}, 200, kZoneKeep, 0.5, kZoneKeep},  // Muscongus Bay
    {ZoneShape::Box, {-3016, -1131, -3686, 1573, 0, 0}, 190, kZoneKeep, 0.7, kZoneKeep},  // West Penobscot Bay
    {ZoneShape::Box, {-1131, 0, -3686, 525, 0, 0}, 200, kZoneKeep, 0.7, kZoneKeep},  // East Penobscot Bay
    {ZoneShape::Box, {-1659, -754, -420, 0, 0, 0}, 270, kZoneKeep, 1.3, kZoneKeep},  // Fox Islands Thorofare
    {ZoneShape::Box, {-151, 754, -630, -210, 0, 0}, 260, kZoneKeep, 1.2, kZoneKeep},  // Deer Island Thorofare
    {ZoneShape::Box, {-603, 1508, -2631, -1682, 0, 0}, 250, kZoneKeep, 1.0, kZoneKeep},  // Eggemoggin Reach
    {ZoneShape::Box, {1131, 2639, -3686, -525, 0, 0}, 190, kZoneKeep, 0.6, kZoneKeep},  // Blue Hill Bay
    {ZoneShape::Box, {3393, 4901, -4214, -2104, 0, 0}, 180, kZoneKeep, 0.7, kZoneKeep},  // Frenchman Bay
    {ZoneShape::Box, {2790, 3092, -2736, -1893, 0, 0}, 190, kZoneKeep, 0.8, kZoneKeep},  // Somes Sound
    {ZoneShape::Box, {6032, 10556, -7394, -1051, 0, 0}, 220, kZoneKeep, 1.3, kZoneKeep},  // Down East
    {ZoneShape::Box, {10556, 12819, -7394, -3158, 0, 0}, 220, 1, 1.6, kZoneKeep},  // Machias and Cutler
    {ZoneShape::Box, {12819, 14704, -7926, -4214, 0, 0}, 200, 1, 1.8, 1},  // Grand Manan Channel
    {ZoneShape::Box, {12442, 13573, -8990, -7394, 0, 0}, 150, 1, 2.0, 1},  // Lubec Narrows
};

// The Exumas: the cuts between the cays, where the sound pours onto the bank.
constexpr ZoneRow kExumaCuts[] = {
    {ZoneShape::Box, {-10862, -10179, -10025, -9574, 0, 0}, 60, kZoneKeep, 2.5, 1},  // Wax Cay Cut
    {ZoneShape::Box, {-6308, -5511, -5446, -5021, 0, 0}, 70, kZoneKeep, 2.5, 1},  // Conch Cut
    {ZoneShape::Box, {-5055, -4486, -3771, -3321, 0, 0}, 60, kZoneKeep, 2.5, 1},  // Bell Island cut
    {ZoneShape::Box, {-1753, -1230, 1722, 2121, 0, 0}, 60, kZoneKeep, 2.5, 1},  // Dotham Cut
    {ZoneShape::Box, {-273, 296, 4789, 5212, 0, 0}, 50, kZoneKeep, 2.5, 1},  // Farmers Cay Cut
    {ZoneShape::Box, {524, 1093, 5910, 6358, 0, 0}, 50, kZoneKeep, 2.5, 1},  // Galliot Cut
    {ZoneShape::Box, {4053, 4623, 8450, 8849, 0, 0}, 40, kZoneKeep, 2.5, 1},  // Rudder Cut
    {ZoneShape::Box, {4737, 5306, 9446, 9894, 0, 0}, 40, kZoneKeep, 2.5, 1},  // Adderley Cut
    {ZoneShape::Box, {11455, 12138, 14966, 15413, 0, 0}, 20, kZoneKeep, 2.5, 1},  // Conch Cay Cut
};

// The bay's tide turns an hour later for every 15 miles from its mouth.
constexpr int32_t kBayMouthX = 2936, kBayMouthY = 9202;

}  // namespace

int32_t ChesapeakePhaseShift(int32_t x, int32_t y, int32_t unitsPerMile) {
    return Trunc(DistanceTenths(x, y, kBayMouthX, kBayMouthY, unitsPerMile) / 150);
}

void LookUpRealZone(const Game& g, int32_t x, int32_t y, CurrentZone& z) {
    const int32_t upm = g.areaGrid.unitsPerMile;
    switch (g.areaGrid.areaCode) {
        case 11:
            z.from = x > 2800 ? 245 : x > -9201 ? 90 : 76;
            ApplyZoneTable(kSouthernNewEngland, x, y, upm, z);
            break;
        case 12:
            z.phaseShift = ChesapeakePhaseShift(x, y, upm);
            z.from = 165;
            ApplyZoneTable(kChesapeake, x, y, upm, z);
            break;
        case 20:
            z.from = 180;
            ApplyZoneTable(kMaine, x, y, upm, z);
            break;
        case 30:
            z.from = 50;
            z.factor = 0.5;
            if (OnWestBank(x, y)) z.factor = 1.0;
            if (InDeepSound(x, y) || y < -14000) z.factor = 0.1;
            ApplyZoneTable(kExumaCuts, x, y, upm, z);
            break;
        default: break;
    }
}

}  // namespace vel
