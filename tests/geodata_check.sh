#!/usr/bin/env bash
# The geography tool: refuses bad input with a clear word and no table, and
# regenerates a committed true-shoreline table byte for byte. Skipped (77)
# where the tool, GMT or the full-resolution shorelines are not installed.
set -u
tool=$1
src=$2
[[ -x $tool ]] || { echo "velmara-geodata not built (needs libgeos-dev)"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# An area without a projection: usage error, nothing written.
if "$tool" shore 99 > "$scratch/out" 2> "$scratch/err"; then echo "area 99 accepted"; exit 1; fi
[[ -s $scratch/out ]] && { echo "area 99 wrote a table"; exit 1; }

# GMT that fails (as with the data set missing): an error naming it, nothing written.
mkdir "$scratch/bin"
printf '#!/bin/sh\necho "gmt: no such data" >&2\nexit 1\n' > "$scratch/bin/gmt"
chmod +x "$scratch/bin/gmt"
if PATH="$scratch/bin:$PATH" "$tool" shore 12 > "$scratch/out" 2> "$scratch/err"; then echo "a failing gmt passed"; exit 1; fi
[[ -s $scratch/out ]] && { echo "a failing gmt wrote a table"; exit 1; }
grep -q "gmt-gshhg-full" "$scratch/err" || { echo "no clear message:"; cat "$scratch/err"; exit 1; }

command -v gmt > /dev/null && [[ -f /usr/share/gmt-gshhg/binned_GSHHS_f.nc ]] || { echo "gmt or gmt-gshhg-full missing"; exit 77; }
"$tool" shore 12 > "$scratch/shore_12.cpp" 2> /dev/null || { echo "regeneration failed"; exit 1; }
cmp "$scratch/shore_12.cpp" "$src/src/world/data/shore_12.cpp" || { echo "shore_12.cpp differs from its regeneration"; exit 1; }
echo "geodata: refusals and regeneration as committed"
