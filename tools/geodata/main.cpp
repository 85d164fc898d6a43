// velmara-geodata: turns GSHHG shorelines into the game's area tables.
// Needs GMT and its full-resolution shorelines (Debian: gmt, gmt-gshhg-full)
// at run time; the game itself never does. tools/geodata/regenerate.sh runs
// every area.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "geodata/emit.h"
#include "geodata/passages.h"
#include "geodata/real_areas.h"
#include "geodata/shoreline.h"
#include "geodata/true_shore.h"

namespace vel::geodata {
namespace {

// lines AREA [HALF]: every shoreline within HALF area units of the area's
// origin, in area units, one "x y" per line, pieces parted by ">": for looking
// at the data before fitting it.
int LinesCommand(int argc, char** argv) {
    if (argc < 1) return 2;
    const GeoProjection* p = ProjectionForArea(std::atoi(argv[0]));
    if (!p) {
        std::cerr << "no projection for area " << argv[0] << "\n";
        return 2;
    }
    const double half = argc > 1 ? std::atof(argv[1]) : 21000.0;
    for (const Shoreline& s : ReadShorelines(AreaBox(*p, half), *p)) {
        std::printf("> %zu points%s\n", s.pts.size(), s.closed ? " closed" : "");
        for (const AreaPoint& a : s.pts) std::printf("%.1f %.1f\n", a.x, a.y);
    }
    return 0;
}

struct Command {
    std::string_view name;
    int (*run)(int, char**);
    std::string_view usage;
};

constexpr Command kCommands[] = {
    {"lines", LinesCommand, "lines AREA [HALF_UNITS]"},
    {"passage", PassageCommand, "passage REGION (5 or 6)"},
    {"real", RealCommand, "real AREA (11, 12, 20 or 30)"},
    {"shore", ShoreCommand, "shore AREA (5, 7, 11, 12, 20 or 30)"},
};

}  // namespace
}  // namespace vel::geodata

int main(int argc, char** argv) {
    using namespace vel::geodata;
    if (argc >= 2) {
        for (const Command& c : kCommands) {
            if (c.name != argv[1]) continue;
            try {
                return c.run(argc - 2, argv + 2);
            } catch (const std::exception& e) {
                std::cerr << "velmara-geodata: " << e.what() << "\n";
                return 1;
            }
        }
    }
    std::cerr << "usage:\n";
    for (const Command& c : kCommands) std::cerr << "  velmara-geodata " << c.usage << "\n";
    return 2;
}
