# shellcheck shell=bash
# Qt for Windows, cross-built with MinGW-w64 from the source of Debian's own qt6-base,
# the same version as Debian's host tools (moc, rcc, uic), which the cross build uses.
# Sourced by build-windows.sh, after lib/common.sh. Nothing here touches the machine outside
# the cache folder, ${XDG_CACHE_HOME:-$HOME/.cache}/velmora/:
#   qt-VERSION-mingw64/  Qt, installed; holds .complete once whole, and is used only then
#   toolchain/           the compiler settings that Qt's own toolchain file refers to
#   work/                source and objects while a build runs; removed afterwards
#   logs/                one log per step

# shellcheck source=lib/cross-build.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib/cross-build.sh"

# Whether a whole Qt for Windows of the version of Debian's Qt here is in the cache. Before
# any package is installed, any whole one counts.
qt_for_windows_cached() {
    local version
    version=$(qt_debian_version 2>/dev/null || true)
    if [ -n "$version" ]; then
        [ -f "$velmora_cache/qt-$version-mingw64/.complete" ]
    else
        compgen -G "$velmora_cache/qt-*-mingw64/.complete" >/dev/null
    fi
}

# Builds Qt into the cache unless a whole build of this version is there already; sets
# qt_prefix. An interrupted build never counts: it lacks .complete and is built again.
ensure_qt_for_windows() {
    local version
    version=$(qt_debian_version)
    qt_prefix=$velmora_cache/qt-$version-mingw64
    if [ -f "$qt_prefix/.complete" ]; then
        echo "Qt $version for Windows: cached in $qt_prefix"
        return 0
    fi
    rm -rf "$qt_prefix" "$velmora_cache/work"
    local work=$velmora_cache/work logs=$velmora_cache/logs toolchain=$velmora_cache/toolchain
    mkdir -p "$work" "$logs" "$toolchain"
    # Qt's toolchain file loads this one; it lives as long as the cache does.
    # shellcheck disable=SC2154 # velmora_root is common.sh's, which build-windows.sh sources first
    cp "$velmora_root/cmake/mingw-w64-x86_64.cmake" "$toolchain/"

    echo "Qt $version for Windows: not cached; building it (about 50 minutes on 2 cores)"
    fetch_qt_source "$version" "$work" "$logs/qt-source.log"

    # A shared Qt with what Velmora uses: Core, Gui, Widgets and Test, the windows,
    # offscreen and minimal platform plugins and the Windows style, with its own copies
    # of zlib, pcre2, harfbuzz, libpng and freetype.
    # - INPUT_opengl=no as configure -no-opengl: FEATURE_opengl=OFF leaves dynamic GL on,
    #   which the windows plugin cannot build without.
    # - direct2d stays (qwindows links against it); direct2d1_1 and the tablet support
    #   need sources that Debian's tarball leaves out.
    # - androiddeployqt is off: Debian's patches turn it on when cross compiling.
    local off=(network sql dbus printsupport concurrent xml vulkan zstd icu jpeg gif ico qmake windeployqt
               androiddeployqt pkg_config direct2d1_1 tabletevent system_zlib system_pcre2 system_harfbuzz
               system_png system_freetype system_jpeg system_doubleconversion)
    local args=()
    for feature in "${off[@]}"; do args+=("-DFEATURE_$feature=OFF"); done
    cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DINPUT_opengl=no "${args[@]}" >"$logs/qt-configure.log" 2>&1 ||
        die_with_log "configuring Qt for Windows" "$logs/qt-configure.log"
    cmake --build "$work/build" >"$logs/qt-build.log" 2>&1 ||
        die_with_log "building Qt for Windows" "$logs/qt-build.log"

    # Installed beside its place and moved there whole.
    DESTDIR=$work/stage cmake --install "$work/build" >"$logs/qt-install.log" 2>&1 ||
        die_with_log "installing Qt for Windows" "$logs/qt-install.log"
    copy_qt_licences "$work/qtbase" "$work/stage$qt_prefix" "$version" "cross-built with MinGW-w64"
    publish_staged_qt "$work/stage" "$qt_prefix"
    rm -rf "$work"
}

# GoogleTest for the core suites, cached beside Qt; sets gtest_prefix.
ensure_googletest_for_windows() {
    ensure_googletest mingw64 -DCMAKE_TOOLCHAIN_FILE="$velmora_cache/toolchain/mingw-w64-x86_64.cmake"
}
