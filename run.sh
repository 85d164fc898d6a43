#!/usr/bin/env bash
# Installs whatever is missing, builds Velmara and starts it.
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build qt6-base-dev qt6-multimedia-dev libgl-dev
          libgtest-dev libbenchmark-dev fonts-ipafont-gothic)

install_missing() {
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]} == 0)) && return 0
    local sudo=()
    if ((EUID != 0)); then
        if ! command -v sudo >/dev/null; then
            echo "run.sh: missing packages (${missing[*]}); run as root or install sudo" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

install_missing
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target velmara
exec build/velmara
