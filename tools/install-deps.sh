# Sourced by run.sh and test.sh: installs the Debian packages Velmara needs
# that are not installed yet (as root, or through sudo).
velmara_packages=(build-essential cmake ninja-build qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
                  libgtest-dev libbenchmark-dev fonts-ipafont-gothic desktop-file-utils appstream)
# Only the tests need these: a GPS daemon that decodes the NMEA output.
velmara_test_packages=(gpsd gpsd-clients)

# The settings fuzz target needs clang and its libFuzzer runtime (test.sh --fuzz).
velmara_fuzz_packages=(clang libclang-rt-14-dev)

# Installs the packages above and any named as arguments.
velmara_install_missing() {
    local missing=() p
    for p in "${velmara_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]} == 0)) && return 0
    local sudo=()
    if ((EUID != 0)); then
        if ! command -v sudo >/dev/null; then
            echo "$(basename "$0"): missing packages (${missing[*]}); run as root or install sudo" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}
