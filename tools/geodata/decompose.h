#pragma once
// Land as ellipses: each land component of the raster is described by one
// or more ellipses with its area and second moments; the components that
// an ellipse fits worst are cut across their long axis, as long as the
// count allows, so a long island with two forks becomes several ellipses.
#include <cstdint>
#include <vector>

#include "geodata/fit.h"
#include "geodata/raster.h"

namespace vel::geodata {

struct LandPiece {
    std::vector<Cell> cells;
    int32_t label = 0;  // the raster component it was cut from
    EllipseFit fit;
    double mismatch = 0;  // area of the shape and ellipse that the other lacks
    // Outline shape beyond the ellipse: the lopsided half (skew sector, 0 =
    // none) and the point that stands out (bulge sector, 0 = none).
    int32_t skew = 0, bulge = 0;
    int32_t radarFirst = 0, radarLast = 72;
};

// Ellipse with the area and second moments of a set of raster cells.
EllipseFit FitCells(const LandRaster& r, const std::vector<Cell>& cells);

// At most `budget` pieces from `components`, cutting the worst-fitting ones
// while a cut gains more than dropping the smallest piece would lose.
// Pieces smaller than `minArea` square units are never kept. The rest of
// the components are returned through `left`.
std::vector<LandPiece> Decompose(const LandRaster& r, std::vector<LandPiece> components, std::size_t budget,
                                 double minArea, std::vector<LandPiece>& left);

// Skew and bulge sectors of a piece from where its cells reach beyond or
// fall short of the fitted ellipse.
void ShapeSectors(const LandRaster& r, LandPiece& p);

// The outline points whose outward side faces open water: land of another
// component within `reach` units shadows a point.
void RadarRange(const LandRaster& r, LandPiece& p, double reach);

}  // namespace vel::geodata
