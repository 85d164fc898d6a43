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
