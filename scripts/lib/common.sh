# shellcheck shell=bash
# shellcheck disable=SC2034 # option and the *_packages are read by the scripts that source this file
# The floor every script stands on, sourced first, not run:
#     source "$(dirname "$0")/lib/common.sh"
# It turns on -euo pipefail and gives
#   velmora_root, velmora_build    the project's root and this script's build folder
#                                  ($VELMORA_BUILD_DIR, else build/)
#   build_folder KIND              a build folder: linux, sanitize, fuzz, windows or web
#   log, die, die_with_log         messages under the script's name, on standard error
#   parse_options                  the script's arguments, checked against its usage line
#   wait_until                     a poll with a time limit, where a sleep would guess
#   on_exit                        what to end or undo when the script exits, however it does
#   start_xvfb                     a private X server, ended on exit
#   ensure_packages, *_packages    the Debian packages each kind of work needs
#   configure, build               the CMake steps in velmora_build
#   build_benchmarks, bench_table_header, use_wine_prefix, write_layout_table
#                                  for the benchmarks, the Windows program and the
#                                  outside checks
set -euo pipefail

velmora_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
script_name=$(basename "$0" .sh)

build_folder() {
    case "$1" in
    linux) echo "$velmora_root/build" ;;
    sanitize | fuzz | windows | web) echo "$velmora_root/build-$1" ;;
    *) die "no build folder of kind $1" ;;
    esac
}
velmora_build=${VELMORA_BUILD_DIR:-$(build_folder linux)}

log() { echo "$script_name: $*" >&2; }
die() {
    log "$*"
    exit 1
}
# Stops with a message that names the step that failed and the log to read.
die_with_log() {
    log "$1 failed; see $2"
    tail -n 15 "$2" | cut -c1-300 >&2 || true
    exit 1
}

# parse_options USAGE ALLOWED... -- ARGUMENTS...
# Each argument that is one of ALLOWED sets option[ARGUMENT]=1; an ALLOWED pattern with a
# * (such as -D*, CMake's definitions) passes what it matches on among the operands,
# with every argument not starting with a dash and everything after a "--". Any other
# option is refused with the usage line, exit status 2.
declare -A option=()
operands=()
usage_line=""
parse_options() {
    usage_line=$1
    shift
    local allowed=() argument pattern
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        allowed+=("$1")
        shift
    done
    [ $# -eq 0 ] || shift
    local rest=false
    for argument in "$@"; do
        if ! $rest && [ "$argument" = -- ]; then
            rest=true
            continue
        fi
        if ! $rest && [[ $argument == -* ]]; then
            for pattern in "${allowed[@]}"; do
                # shellcheck disable=SC2053 # the pattern is a glob on purpose
                if [[ $pattern == *'*'* && $argument == $pattern ]]; then
                    operands+=("$argument")
                    continue 2
                elif [ "$argument" = "$pattern" ]; then
                    option[$argument]=1
                    continue 2
                fi
            done
            usage_error "unknown option $argument"
        fi
        operands+=("$argument")
    done
}
usage_error() {
    log "$1"
    echo "usage: $usage_line" >&2
    exit 2
}
# at_most_operands N: refuses more than N operands.
at_most_operands() { [ ${#operands[@]} -le "$1" ] || usage_error "too many arguments: ${operands[*]}"; }

# wait_until SECONDS WHAT COMMAND...: runs COMMAND until it succeeds, and returns 1 with a
# message naming WHAT it waited for once SECONDS have passed.
wait_until() {
    local limit=$1 what=$2
    shift 2
    local deadline=$(($(date +%s%N) + limit * 1000000000))
    until "$@"; do
        if [ "$(date +%s%N)" -ge $deadline ]; then
            log "waited ${limit} s for $what, in vain"
            return 1
        fi
        sleep 0.05 # the period of the poll
    done
}

# on_exit COMMAND: runs COMMAND (as eval) when the script exits, on an error or a signal
# too; the last one registered runs first.
exit_actions=()
on_exit() {
    exit_actions=("$*" "${exit_actions[@]}")
    trap run_exit_actions EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}
run_exit_actions() {
    local action
    for action in "${exit_actions[@]}"; do
        eval "$action" || true
    done
}

# Two scripts may install at once (a check beside the test suite): the second waits for
# the first to let go of dpkg's lock rather than failing half-way.
apt_waits_for_lock=(-o DPkg::Lock::Timeout=600)

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
            log "Velmora needs these packages; please install them as root:"
            die "  apt-get install ${missing[*]}"
        fi
    fi
    echo "Installing ${missing[*]}"
    # Through env, which sudo keeps: a debconf question must not block an unattended install.
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_waits_for_lock[@]}" update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_waits_for_lock[@]}" install -y -qq \
        --no-install-recommends "${missing[@]}"
}

# The packages of the fonts the windows are laid out with, from their list.
mapfile -t layout_font_packages < <(grep -v '^#' "$velmora_root/data/layout-fonts.txt" | cut -d'|' -f3 | sort -u)
build_packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev "${layout_font_packages[@]}")
# The tests also validate the desktop files, build the Debian package (dpkg-shlibdeps and
# file, which CPack runs) and check it with lintian and hardening-check (devscripts), and
# run the windows as a native client of a headless weston, through Qt's Wayland plugin
# (which the Debian package recommends, checked by check-deb.sh).
wayland_plugin_package=qt6-wayland
test_packages=(desktop-file-utils appstream dpkg-dev file lintian devscripts weston "$wayland_plugin_package")
# The fuzzing run of the text conversions: clang with libFuzzer and the sanitizer runtimes.
fuzz_packages=(clang libclang-rt-dev)
# The Windows program: the cross compilers (posix threads, as Qt 6 needs), Debian's Qt for
# its host tools and its source's unpacking, GoogleTest's source, makensis, Wine to run the
# tests, icoutils for the program's icon, and the fonts the windows are laid out for.
windows_packages=(cmake ninja-build perl dpkg-dev qt6-base-dev g++-mingw-w64-x86-64-posix
                  mingw-w64-x86-64-dev googletest nsis wine wine64 icoutils
                  "${layout_font_packages[@]}")
# The outside checks: the accessibility check reads the window in Xvfb over a session D-Bus
# and the AT-SPI bus, from Python; the look at the installed Windows program drives it in
# Xvfb with xdotool, reads it through the clipboard (xclip) and screenshots (ImageMagick),
# unpacks the portable zip, makes a German locale and runs Wine.
accessibility_packages=(xvfb xauth dbus at-spi2-core python3-pyatspi)
windows_check_packages=(xvfb xauth xdotool xclip imagemagick unzip locales wine wine64)

# The browser program: Debian's emscripten and Node.js, GoogleTest's source for the core
# suites, fonttools with brotli to subset the page's fonts to WOFF2, brotli and zip for the
# site, Chromium, Firefox and WebKitGTK's driver (under Xvfb) for the page tests, with the
# sources of the locales WebKit's language is made from; and npm for the page tests'
# packages, where the Node.js installed has none of its own (a Node.js from elsewhere may
# bring npm and conflict with Debian's).
web_packages=(cmake ninja-build emscripten googletest nodejs fonttools python3-brotli brotli zip chromium
              firefox-esr webkit2gtk-driver xvfb locales
              "${layout_font_packages[@]}")
npm_package=npm

# Starts Xvfb (package xvfb) on a display no one uses, exports DISPLAY once it accepts
# clients, and ends it when the script exits; its process id is in xvfb_pid. SIZE as
# WIDTHxHEIGHTxDEPTH.
start_xvfb() {
    local size=${1:-1024x768x24} number_file
    number_file=$(mktemp)
    # Xvfb picks a free display and writes its number when it is ready for clients.
    Xvfb -displayfd 3 -screen 0 "$size" 3>"$number_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    on_exit "kill $xvfb_pid 2>/dev/null; rm -f '$number_file'"
    wait_until 10 "Xvfb to accept clients" xvfb_ready "$number_file" "$xvfb_pid" || die "Xvfb did not start"
    DISPLAY=":$(head -n 1 "$number_file")"
    export DISPLAY
}
# Whether the Xvfb of PID has written its display's number to NUMBER_FILE; stops the
# script if that Xvfb has ended instead.
xvfb_ready() { # NUMBER_FILE PID
    [ -s "$1" ] && return 0
    kill -0 "$2" 2>/dev/null || die "Xvfb ended at start"
    return 1
}

# Configures once; extra arguments go to CMake (e.g. -DCMAKE_BUILD_TYPE=Debug) and make it
# configure again.
configure() {
    if [ ! -f "$velmora_build/CMakeCache.txt" ] || [ $# -gt 0 ]; then
        cmake -S "$velmora_root" -B "$velmora_build" -G Ninja "$@"
    fi
}

# Builds the named targets, or everything; a second run rebuilds only what changed.
# shellcheck disable=SC2120 # the scripts that source this file name targets
build() {
    cmake --build "$velmora_build" ${1:+--target "$@"}
}

# use_wine_prefix FOLDER: Wine's settings for running Velmora's Windows program quietly in
# a prefix of its own, with neither Mono nor Gecko (no .NET, no browser engine needed).
use_wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# The benchmarks, built in velmora_build with what they need (Google Benchmark, the X
# libraries of the first-frame timer, Xvfb and GNU time); configured again, so that
# packages installed just now are found. bench_table_header starts their Markdown table.
build_benchmarks() {
    ensure_packages "${build_packages[@]}" libbenchmark-dev xvfb xauth time libx11-dev libxdamage-dev
    configure -DVELMORA_BUILD_BENCHMARKS=ON >/dev/null
    build >/dev/null
}
bench_table_header() {
    echo "| benchmark | Velmora | bare Qt window | ratio |"
    echo "|---|---|---|---|"
}

# write_layout_table FILE: the windows' layout tables and the chart's facts, as the
# program's own build prints them (app/layouttable.cpp), into FILE for the outside checks;
# builds the printer in the Linux build folder first.
write_layout_table() {
    local linux_build log
    linux_build=$(build_folder linux)
    ensure_packages "${build_packages[@]}"
    log=$(mktemp)
    {
        [ -f "$linux_build/CMakeCache.txt" ] || cmake -S "$velmora_root" -B "$linux_build" -G Ninja
        cmake --build "$linux_build" --target velmora_layout_table
    } >"$log" 2>&1 || die_with_log "building velmora-layout-table" "$log"
    "$linux_build/app/velmora-layout-table" >"$1" 2>"$log" || die_with_log "velmora-layout-table" "$log"
    rm -f "$log"
}
