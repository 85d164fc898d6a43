#pragma once
// Shapes fitted to shorelines in area units.
#include <vector>

#include "world/geo.h"

namespace vel::geodata {

// An ellipse with the area and second moments of a closed outline: centre,
// half-length along its long axis (R), width over length (aspect) and the
// compass bearing of the long axis (0..179 degrees).
struct EllipseFit {
    double cx = 0, cy = 0;
    double R = 0;
    double aspect = 1;
    double bearingDeg = 0;
    double area = 0;  // square area units, of the outline itself
};

// Throws std::invalid_argument for an outline of no area (fewer than three
// distinct points): a zero radius or aspect must never reach the tables.
EllipseFit FitEllipse(const std::vector<AreaPoint>& outline);

// Signed area (positive when the outline runs clockwise on the map, that is
// counter-clockwise in x east / y south).
double SignedArea(const std::vector<AreaPoint>& outline);

// `n` points at equal steps of length along a polyline, first and last kept.
std::vector<AreaPoint> Resample(const std::vector<AreaPoint>& line, int n);

// Where a ray from `origin` at compass bearing `bearingDeg` first crosses the
// polyline, as a distance; negative when it does not.
double RayHit(const std::vector<AreaPoint>& line, AreaPoint origin, double bearingDeg);

}  // namespace vel::geodata
