#pragma once
// Writing generated tables as C++ source.
#include <ostream>
#include <string>

#include "geodata/shoreline.h"

namespace vel::geodata {

// The comment every generated file starts with: generated, from what, by
// which command, under which licence.
void WriteGeneratedHeader(std::ostream& out, const std::string& what, const std::string& command);

// The latitude/longitude box that holds the square of half-side `half` area
// units around the area's origin.
GeoBox AreaBox(const GeoProjection& p, double half);

}  // namespace vel::geodata
