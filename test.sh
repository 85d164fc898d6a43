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

source tools/install-deps.sh
velmara_install_missing "${velmara_test_packages[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
ctest --test-dir build --output-on-failure -j2

if ((sanitize)); then
    cmake -S . -B build-asan -G Ninja -DVELMARA_SANITIZE=ON -DVELMARA_BENCH=OFF
    cmake --build build-asan
    ctest --test-dir build-asan --output-on-failure -j2
fi
