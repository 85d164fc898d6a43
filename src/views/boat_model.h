#pragma once
// The shared geometry of every vessel drawer: a pose (what the boat is
// doing), a frame that places model points around a screen reference point
// with heading, heel and pitch, and the hull lines by stations.
#include <array>
#include <cmath>
#include <cstdint>

#include "common/game.h"
#include "gfx/color.h"

namespace vel {

// Boat types of the drawer.
inline constexpr int32_t kBoatAtRest = 0;       // anchored or moored, head to wind
inline constexpr int32_t kBoatMonohull = 1;
inline constexpr int32_t kBoatCatamaran = 2;
inline constexpr int32_t kBoatTrawler = 3;
inline constexpr int32_t kBoatTwinTrawler = 4;

struct BoatPose {
    int32_t heading = 0;      // true
    int32_t heel = 0;         // degrees, toward leeward
    int32_t tack = 1;         // +1 wind from starboard (heels to port), -1 from port
    int32_t hullColour = 2;   // 1 red, 2 white, 3 blue, 4 yellow
    int32_t sailsUp = 0;
    int32_t headsail = 1;     // 1 genoa, 2 working jib, 3 storm jib
    int32_t spinnaker = 0;
    int32_t cruisingSpinnaker = 0;
    int32_t reefed = 0;
    int32_t wingAndWing = 0;
    int32_t sheetAngle = 0;   // degrees off the centreline
    int32_t luffing = 0;      // 0..99
    int32_t pitch = 0;        // bow up when positive
    int32_t speed = 0;        // tenths of a knot
    int32_t throttle = 0;
    int32_t gear = 0;
    int32_t screws = 1;
    int32_t rig = 100;        // forestay height in percent of the mast
    bool underWay = true;     // sidelights at night and in fog
    bool atAnchor = false;    // anchor light at night
    double size = 1.0;        // model scale of other boats
};

// Places model points: dx to starboard, p forward, z up, all in pixels at the
// boat's own scale, around the reference point (x, y) on the screen.
class BoatFrame {
public:
    BoatFrame(double x, double y, int32_t rel, int32_t heel, int32_t tack, int32_t pitch);
    gfx::Point Place(double dx, double p, double z) const;
    // How far a plan point lies into the picture: larger is farther away.
    double Depth(double dx, double p) const { return p * cosRel_ - dx * sinRel_; }
    // The side that lies to leeward: +1 starboard, -1 port.
    int32_t Leeward() const { return leeward_; }
    double CosRel() const { return cosRel_; }
    double SinRel() const { return sinRel_; }

private:
    double x_, y_;
    double cosRel_, sinRel_;
    double cosHeel_, sinHeel_;
    int32_t leeward_;
    double pitch_;
};

// Hull lines by six stations from the stem (0) to the transom (5).
struct HullLines {
    std::array<double, 6> station{};  // p of the station
    std::array<double, 6> half{};     // half-breadth at the sheer
    std::array<double, 6> sheer{};    // height of the sheer
    std::array<double, 6> wlStation{};
    std::array<double, 6> wlHalf{};
    double maxHalf = 0.0;
    double unit = 0.0;                // station spacing
};

// u: the size unit (station spacing); beam: the beam scale; transom keeps
// the aft stations at full breadth; freeboard in parts of the half-beam.
HullLines BuildHull(const TrigTables& t, double u, double beam, bool transom, double freeboard);

// Fill colour of a hull colour code, as a palette brush (0 = stock white).
int32_t HullBrush(int32_t colourCode);

}  // namespace vel
