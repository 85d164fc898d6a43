#include "geodata/emit.h"

#include <algorithm>

namespace vel::geodata {

void WriteGeneratedHeader(std::ostream& out, const std::string& what, const std::string& command) {
    out << "// GENERATED FILE - do not edit by hand.\n"
        << "// " << what << "\n"
        << "// Source: " << DataSourceLine() << ",\n"
        << "// projected with the area's projection of src/world/geo.cpp.\n"
        << "// GSHHG (Wessel and Smith) is distributed under the GNU LGPL-3.0-or-later;\n"
        << "// these derived tables are under the same licence.\n"
        << "// Regenerate: " << command << "\n\n";
}

GeoBox AreaBox(const GeoProjection& p, double half) {
    const LatLon nw = LatLonFromArea(p, {-half, -half});
    const LatLon se = LatLonFromArea(p, {half, half});
    return {std::min(nw.lon, se.lon), std::max(nw.lon, se.lon), std::min(nw.lat, se.lat), std::max(nw.lat, se.lat)};
}

}  // namespace vel::geodata
