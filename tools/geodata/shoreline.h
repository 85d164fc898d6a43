#pragma once
// Shorelines of the GSHHG data set, read through GMT and projected into area
// units of one area.
#include <string>
#include <vector>

#include "world/geo.h"

namespace vel::geodata {

struct GeoBox {
    double west, east, south, north;  // degrees, west negative
};

// One shoreline piece in order; closed when its last point equals its first.
struct Shoreline {
    std::vector<LatLon> geo;
    std::vector<AreaPoint> pts;  // the same points in area units
    bool closed = false;
};

// The land/sea shorelines (GSHHG level 1, full resolution; with `allLevels`
// also lakes, islands in lakes and ponds in those) that cross `box`, pieces
// cut at the data set's bins joined again. Throws std::runtime_error when GMT
// or its full-resolution shorelines are missing.
std::vector<Shoreline> ReadShorelines(const GeoBox& box, const GeoProjection& p, bool allLevels = false);

// Shorelines of at least `minPoints` points, longest first.
std::vector<Shoreline> Longest(std::vector<Shoreline> lines, std::size_t minPoints);

// The standard output of a shell command; throws std::runtime_error, naming
// GMT's data set, when it fails.
std::string RunCommand(const std::string& cmd);

// The GMT version and GSHHG file the data came from, for generated headers.
std::string DataSourceLine();

}  // namespace vel::geodata
