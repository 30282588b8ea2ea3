# Shared by run.sh and test.sh: installs the Debian packages that are missing, then
# configures and builds. Sourced, not run.

velmora_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
velmora_build=${VELMORA_BUILD_DIR:-$velmora_root/build}

# Installs only the packages that dpkg does not already know as installed.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            as_root=(sudo)
        else
            echo "Velmora needs these packages; please install them as root:" >&2
            echo "  apt-get install ${missing[*]}" >&2
            exit 1
        fi
    fi
    echo "Installing ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The windows are laid out for URW's Nimbus Sans and DejaVu Sans Condensed.
build_packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev fonts-urw-base35 fonts-dejavu-extra)
# The tests also validate the desktop files, build the Debian package (dpkg-shlibdeps and
# file, which CPack runs) and run the windows as a native client of a headless weston.
test_packages=(desktop-file-utils appstream dpkg-dev file weston qt6-wayland)
# The fuzzing run of the text conversions: clang with libFuzzer and the sanitizer runtimes.
fuzz_packages=(clang libclang-rt-dev)

# Configures once; extra arguments go to CMake (e.g. -DCMAKE_BUILD_TYPE=Debug) and make it
# configure again.
configure() {
    if [ ! -f "$velmora_build/CMakeCache.txt" ] || [ $# -gt 0 ]; then
        cmake -S "$velmora_root" -B "$velmora_build" -G Ninja "$@"
    fi
}

# Builds the named targets, or everything; a second run rebuilds only what changed.
build() {
    cmake --build "$velmora_build" ${1:+--target "$@"}
}
