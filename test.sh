#!/usr/bin/env bash
# Installs whatever is missing, builds Velmara and runs every test.
#   --sanitize  also build with AddressSanitizer and UBSan (build-asan/) and run the tests there
#   --fuzz      also build the settings fuzz target with clang (build-fuzz/) and fuzz for a minute
set -euo pipefail
cd "$(dirname "$0")"

sanitize=0
fuzz=0
for arg in "$@"; do
    case "$arg" in
        --sanitize) sanitize=1 ;;
        --fuzz) fuzz=1 ;;
        *) echo "usage: $0 [--sanitize] [--fuzz]" >&2; exit 2 ;;
    esac
done

source tools/install-deps.sh
packages=("${velmara_test_packages[@]}")
if ((fuzz)); then packages+=("${velmara_fuzz_packages[@]}"); fi
velmara_install_missing "${packages[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
ctest --test-dir build --output-on-failure -j2

if ((sanitize)); then
    cmake -S . -B build-asan -G Ninja -DVELMARA_SANITIZE=ON -DVELMARA_BENCH=OFF
    cmake --build build-asan
    ctest --test-dir build-asan --output-on-failure -j2
fi

if ((fuzz)); then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELMARA_FUZZ=ON -DVELMARA_BENCH=OFF
    cmake --build build-fuzz --target velmara_settings_fuzz
    # New inputs go to a scratch corpus; the kept faulty inputs are read first.
    mkdir -p build-fuzz/corpus
    QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp" \
        build-fuzz/tests/velmara_settings_fuzz -max_total_time=60 -max_len=400 \
        -artifact_prefix=build-fuzz/ build-fuzz/corpus tests/fuzz/corpus
fi
