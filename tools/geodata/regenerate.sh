#!/usr/bin/env bash
# Regenerates the committed area tables (src/world/data/) from the GSHHG
# shorelines. Needs Debian's gmt and gmt-gshhg-full and a build of the tool
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
gen real_area_11.cpp real 11  # Southern New England
gen real_area_12.cpp real 12  # Chesapeake Bay
gen real_area_20.cpp real 20  # Maine
gen real_area_30.cpp real 30  # the Exumas
