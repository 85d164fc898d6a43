#!/usr/bin/env bash
# Regenerates the committed area tables (src/world/data/) from the GSHHG
# shorelines. Needs Debian's gmt, gmt-gshhg-full and libgeos-dev and a build of the tool
# (cmake --build build --target velmara-geodata). The game never runs this.
set -euo pipefail
cd "$(dirname "$0")/../.."
tool=${VELMARA_GEODATA:-build/velmara-geodata}
out=src/world/data

gen() {  # gen FILE ARGS...: one table file from one tool command
    local file=$1
    shift
    "$tool" "$@" > "$out/$file.tmp"
    mv "$out/$file.tmp" "$out/$file"
}

# One line per generated table:
gen passage_florida_bahamas.cpp passage 5
gen passage_maine_nova_scotia.cpp passage 6
gen real_area_11.cpp real 11  # Southern New England
gen real_area_12.cpp real 12  # Chesapeake Bay
gen real_area_20.cpp real 20  # Maine
gen real_area_30.cpp real 30  # the Exumas
# The true shoreline (needs libgeos-dev to build the tool); the passages'
# two directions share one table.
gen shore_florida_bahamas.cpp shore 5
gen shore_gulf_of_maine.cpp shore 7
gen shore_11.cpp shore 11
gen shore_12.cpp shore 12
gen shore_20.cpp shore 20
gen shore_30.cpp shore 30
