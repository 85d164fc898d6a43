#include "geodata/shoreline.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace vel::geodata {

std::string RunCommand(const std::string& cmd) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(cmd.c_str(), "r"), pclose);
    if (!pipe) throw std::runtime_error("cannot run: " + cmd);
    std::string out;
    char buf[65536];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe.get())) > 0) out.append(buf, n);
    if (pclose(pipe.release()) != 0) throw std::runtime_error("failed (is gmt with gmt-gshhg-full installed?): " + cmd);
    return out;
}

namespace {

std::string Box(const GeoBox& b) {
    char s[128];
    std::snprintf(s, sizeof s, "-R%.4f/%.4f/%.4f/%.4f", b.west, b.east, b.south, b.north);
    return s;
}

}  // namespace

std::vector<Shoreline> ReadShorelines(const GeoBox& box, const GeoProjection& p, bool allLevels) {
    // -A0/1/1: every area, level 1 only (the sea's own shore, no lakes);
    // -A0/1/4 every level.
    // gmt connect joins the pieces that the data set cuts at its bins.
    const std::string text =
        // GMT leaves a history file in its working folder: not in the tree.
        RunCommand("cd \"${TMPDIR:-/tmp}\" && gmt coast " + Box(box) + " -Df " + (allLevels ? "-A0/1/4" : "-A0/1/1") + " -W -M | gmt connect -T0.00001 2>/dev/null");
    std::vector<Shoreline> lines;
    std::istringstream in(text);
    std::string row;
    while (std::getline(in, row)) {
        if (row.empty()) continue;
        if (row[0] == '>') {
            lines.emplace_back();
            continue;
        }
        if (lines.empty()) lines.emplace_back();
        LatLon g{};
        if (std::sscanf(row.c_str(), "%lf %lf", &g.lon, &g.lat) != 2) continue;
        lines.back().geo.push_back(g);
        lines.back().pts.push_back(AreaFromLatLon(p, g));
    }
    std::erase_if(lines, [](const Shoreline& s) { return s.geo.size() < 2; });
    for (Shoreline& s : lines)
        s.closed = s.geo.front().lat == s.geo.back().lat && s.geo.front().lon == s.geo.back().lon;
    return lines;
}

std::vector<Shoreline> Longest(std::vector<Shoreline> lines, std::size_t minPoints) {
    std::erase_if(lines, [&](const Shoreline& s) { return s.pts.size() < minPoints; });
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Shoreline& a, const Shoreline& b) { return a.pts.size() > b.pts.size(); });
    return lines;
}

std::string DataSourceLine() {
    std::string v = RunCommand("gmt --version");
    while (!v.empty() && (v.back() == '\n' || v.back() == '\r')) v.pop_back();
    return "GSHHG 2.3.7 full resolution (binned_GSHHS_f.nc, Debian gmt-gshhg-full) read with GMT " + v;
}

}  // namespace vel::geodata
