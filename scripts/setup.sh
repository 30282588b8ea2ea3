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
    # Through env, which sudo keeps: a debconf question must not block an unattended install.
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The windows are laid out for URW's Nimbus Sans and DejaVu Sans Condensed.
build_packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev fonts-urw-base35 fonts-dejavu-extra)
# The tests also validate the desktop files, build the Debian package (dpkg-shlibdeps and
# file, which CPack runs) and check it with lintian and hardening-check (devscripts), and
# run the windows as a native client of a headless weston.
test_packages=(desktop-file-utils appstream dpkg-dev file lintian devscripts weston qt6-wayland)
# The fuzzing run of the text conversions: clang with libFuzzer and the sanitizer runtimes.
fuzz_packages=(clang libclang-rt-dev)

# The browser program: Debian's emscripten with Debian's Qt for its host tools and source,
# GoogleTest's source and Node.js for the core suites, fonttools to subset the fonts the
# page carries, brotli and zip for the site, Chromium for the page checks.
web_packages=(cmake ninja-build dpkg-dev emscripten qt6-base-dev qt6-base-dev-tools googletest nodejs
              fonttools brotli zip chromium fonts-urw-base35 fonts-dejavu-extra)

# Starts Xvfb (package xvfb) on a display no one uses and exports DISPLAY once it accepts
# clients; its process id is in xvfb_pid. SIZE as WIDTHxHEIGHTxDEPTH.
start_xvfb() {
    local size=${1:-1024x768x24} number_file waited=0
    number_file=$(mktemp)
    # Xvfb picks a free display and writes its number when it is ready for clients.
    Xvfb -displayfd 3 -screen 0 "$size" 3>"$number_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    until [ -s "$number_file" ]; do
        if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $waited -ge 200 ]; then
            echo "Xvfb did not start" >&2
            rm -f "$number_file"
            return 1
        fi
        sleep 0.05
        waited=$((waited + 1))
    done
    export DISPLAY=":$(head -n 1 "$number_file")"
    rm -f "$number_file"
}

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
