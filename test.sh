#!/usr/bin/env bash
# Installs whatever is missing, builds Velmara and runs every test.
#   --sanitize  also build with AddressSanitizer and UBSan (build-asan/) and run the tests there
set -euo pipefail
cd "$(dirname "$0")"

sanitize=0
for arg in "$@"; do
    case "$arg" in
        --sanitize) sanitize=1 ;;
        *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
    esac
done

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
            echo "test.sh: missing packages (${missing[*]}); run as root or install sudo" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

install_missing
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
ctest --test-dir build --output-on-failure -j2

if ((sanitize)); then
    cmake -S . -B build-asan -G Ninja -DVELMARA_SANITIZE=ON -DVELMARA_BENCH=OFF
    cmake --build build-asan
    ctest --test-dir build-asan --output-on-failure -j2
fi
