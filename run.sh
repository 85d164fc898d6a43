#!/usr/bin/env bash
# Installs whatever is missing, builds Velmara and starts it.
set -euo pipefail
cd "$(dirname "$0")"

source tools/install-deps.sh
velmara_install_missing
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target velmara
exec build/velmara
