# Qt for WebAssembly, built with Debian's emscripten from the source of Debian's own
# qt6-base, the same version as Debian's host tools (moc, rcc, uic), which the build uses.
# Sourced by build-web.sh, after lib/common.sh. Nothing here touches the machine outside the
# cache folder, ${XDG_CACHE_HOME:-$HOME/.cache}/velmora/:
#   qt-VERSION-wasm-emscripten-EMVERSION/  Qt, installed, whole once it holds .complete
#   emsdk-EMVERSION/   the emscripten "SDK" folder Qt insists on: links to Debian's emcc
#   work-web/          source and objects while a build runs; removed afterwards
#   logs/              one log per step

source "$(dirname "${BASH_SOURCE[0]}")/../lib/cross-build.sh"

emscripten_version() { dpkg-query -W -f='${Version}' emscripten; }

# Where a whole Qt for WebAssembly of these versions is, whether or not it is there.
qt_for_web_prefix() { echo "$velmora_cache/qt-$(qt_debian_version)-wasm-emscripten-$(emscripten_version)"; }

# Whether a whole Qt for WebAssembly is in the cache. Before the packages are installed,
# any whole one counts.
qt_for_web_cached() {
    if dpkg-query -W emscripten qt6-base-dev >/dev/null 2>&1; then
        [ -f "$(qt_for_web_prefix)/.complete" ]
    else
        compgen -G "$velmora_cache/qt-*-wasm-emscripten-*/.complete" >/dev/null
    fi
}

# Qt's build looks for emcc below $EMSDK, at the path its .emscripten file names; this
# folder points there at Debian's own emscripten. Exports EMSDK, which the program's build
# needs as well.
ensure_emsdk_folder() {
    export EMSDK=$velmora_cache/emsdk-$(emscripten_version)
    if [ ! -x "$EMSDK/emscripten/emcc" ]; then
        mkdir -p "$EMSDK/emscripten"
        echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$EMSDK/.emscripten"
        local tool
        for tool in emcc em++ emar emranlib emcmake emmake; do
            ln -sfn "/usr/bin/$tool" "$EMSDK/emscripten/$tool"
        done
        ln -sfn /usr/share/emscripten/cmake "$EMSDK/emscripten/cmake"
    fi
    # Emscripten's optimiser loads acorn from Debian's node modules, which a node from
    # elsewhere does not search.
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
}

# Replaces Qt's own fallback fonts, which the page loads before anything else, with the
# characters the windows can show: Latin, Greek and the common signs. The program carries
# its own fonts for the layout; these only fill in what those lack. The fonts keep their
# names, which name neither Bitstream nor Vera, as their licence asks of a changed font.
subset_qt_fallback_fonts() {
    local source=$1 font
    for font in DejaVuSans DejaVuSansMono; do
        pyftsubset "$source/src/3rdparty/wasm/$font.ttf" --output-file="$source/src/3rdparty/wasm/$font.sub.ttf" \
            --unicodes-file="$velmora_root/app/web/font-characters.txt" --layout-features='*' --no-hinting
        mv "$source/src/3rdparty/wasm/$font.sub.ttf" "$source/src/3rdparty/wasm/$font.ttf"
    done
}

# Builds Qt into the cache unless a whole build of these versions is there already; sets
# qt_prefix. An interrupted build never counts: it lacks .complete and is built again.
ensure_qt_for_web() {
    ensure_emsdk_folder
    local version
    version=$(qt_debian_version)
    qt_prefix=$(qt_for_web_prefix)
    if [ -f "$qt_prefix/.complete" ]; then
        echo "Qt $version for WebAssembly: cached in $qt_prefix"
        return 0
    fi
    local work=$velmora_cache/work-web logs=$velmora_cache/logs
    rm -rf "$qt_prefix" "$work/stage"
    mkdir -p "$work" "$logs"

    echo "Qt $version for WebAssembly: not cached; building it (about 30 minutes on 2 cores)"
    # An interrupted build goes on from the objects it made, from the same source.
    if [ ! -f "$work/source-$version.ready" ]; then
        rm -rf "$work"
        mkdir -p "$work"
        fetch_qt_source "$version" "$work" "$logs/qt-web-source.log"
        subset_qt_fallback_fonts "$work/qtbase" >"$logs/qt-web-fonts.log" 2>&1 ||
            die_with_log "subsetting Qt's fallback fonts" "$logs/qt-web-fonts.log"
        touch "$work/source-$version.ready"
    fi

    # A static, single-threaded Qt (the only kind the page runs) with what Velmora uses:
    # Core, Gui, Widgets and Test, optimised for size, without the modules, widgets,
    # dialogs and formats that nothing here reaches: every feature left out is bytes that
    # a first visit no longer loads.
    local off=(thread network sql dbus printsupport concurrent xml qmake androiddeployqt zstd icu pkg_config
               mimetype_database sharedmemory systemsemaphore
               jalalicalendar hijricalendar islamiccivilcalendar
               textodfwriter textmarkdownreader textmarkdownwriter pdf movie sessionmanager systemtrayicon
               imageformat_bmp imageformat_ppm imageformat_xbm undocommand undostack undogroup
               style_stylesheet calendarwidget datetimeedit dial lcdnumber mdiarea toolbox splashscreen
               syntaxhighlighter textbrowser undoview columnview treewidget tablewidget listwidget fontcombobox
               keysequenceedit commandlinkbutton colordialog filedialog fontdialog
               inputdialog errormessage progressdialog wizard fscompleter datawidgetmapper)
    # An interrupted build goes on with the objects it made. Its features are worked out
    # afresh: Qt keeps in its cache every feature it once found off.
    local args=(-U 'FEATURE_*')
    for feature in "${off[@]}"; do args+=("-DFEATURE_$feature=OFF"); done
    cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
        "${args[@]}" -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten -DCMAKE_BUILD_TYPE=Release \
        -DFEATURE_optimize_size=ON -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DFEATURE_testlib=ON >"$logs/qt-web-configure.log" 2>&1 ||
        die_with_log "configuring Qt for WebAssembly" "$logs/qt-web-configure.log"
    # Every step that can be made is, so that one run shows every failure.
    cmake --build "$work/build" -- -k 0 >"$logs/qt-web-build.log" 2>&1 ||
        die_with_log "building Qt for WebAssembly" "$logs/qt-web-build.log"

    # Installed beside its place and moved there whole.
    DESTDIR=$work/stage cmake --install "$work/build" >"$logs/qt-web-install.log" 2>&1 ||
        die_with_log "installing Qt for WebAssembly" "$logs/qt-web-install.log"
    copy_qt_licences "$work/qtbase" "$work/stage$qt_prefix" "$version" \
        "built for WebAssembly with Debian's emscripten $(emscripten_version); its fallback fonts subset to Latin and Greek"
    # For whoever rebuilds this Qt to relink the program against it.
    printf '%s\n' "${off[@]}" >"$work/stage$qt_prefix/FEATURES-OFF"
    publish_staged_qt "$work/stage" "$qt_prefix"
    rm -rf "$work"
}
