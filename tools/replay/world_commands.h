#pragma once
// Harness commands that look into the world of the current area.
#include "replay/script.h"

namespace vel::replay {

// depthmap PATH [UNITS_PER_PIXEL]: the area's depth field as a picture.
int DepthMapCommand(Session& s, Args a);
// tide: height, low-water hour and the current at the boat.
int TideCommand(Session& s, Args a);
// depth X Y KIND [OP VALUE]: the depth query at a point (X and Y may name
// fields); with OP VALUE an expectation, else printed.
int DepthCommand(Session& s, Args a);

// geo X Y: latitude and longitude of an area point (passages, real areas).
int GeoCommand(Session& s, Args a);
// world LAT LON: the area point of a latitude and longitude.
int WorldCommand(Session& s, Args a);
int SailTo(Session& s, Args a);

}  // namespace vel::replay
