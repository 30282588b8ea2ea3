#!/usr/bin/env bash
# Builds Velmora for the browser on Debian 12 or 13, with nothing from outside Debian's
# archive but playwright-core for the page checks, tests it, and leaves in build-web/:
#   site/                        a static folder any web server can serve as it is
#   Velmora-VERSION-web.zip      that folder, zipped
#   SHA256SUMS                   for the zip and every file of the site
# Installs the Debian packages it needs; builds Qt for WebAssembly once into
# ${XDG_CACHE_HOME:-$HOME/.cache}/velmora/ (about 30 minutes on 2 cores), which every
# later run and every other clone reuses. Each step that fails stops the script with the
# log to read; the next run starts that step again.
#   scripts/build-web.sh [--qt-only | --if-qt-cached]
#     --qt-only       only make sure Qt for WebAssembly is cached
#     --if-qt-cached  build and test only where Qt for WebAssembly is cached already; else
#                     say so and succeed (CI has no time for Qt's first build)
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/build-web.sh [--qt-only | --if-qt-cached]" --qt-only --if-qt-cached -- "$@"
at_most_operands 0
[ $# -le 1 ] || usage_error "--qt-only and --if-qt-cached exclude each other"
mode=${1:-}
velmora_build=$(build_folder web)
source "$velmora_root/scripts/web/qt.sh"

if [ "$mode" = --if-qt-cached ] && ! qt_for_web_cached; then
    echo "skipped: no Qt for WebAssembly cached; run scripts/build-web.sh"
    exit 0
fi
ensure_packages "${web_packages[@]}"
for tool in emcc em++ node pyftsubset brotli zip; do
    command -v "$tool" >/dev/null || die "$tool is missing after installing packages"
done
ensure_qt_for_web
[ "$mode" = --qt-only ] && exit 0
ensure_googletest wasm -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -Dgtest_disable_pthreads=ON

# Velmora, with the toolchain file of the Qt just found, optimised for size: every byte of
# the program is loaded before its first frame. Debian's Qt turns off the inclusion of
# the static plugins, without which the page finds no platform plugin.
log_dir=$velmora_build/logs
mkdir -p "$log_dir"
if [ ! -f "$velmora_build/CMakeCache.txt" ]; then
    "$qt_prefix/bin/qt-cmake" -S "$velmora_root" -B "$velmora_build" -G Ninja \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
        -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF -DCMAKE_BUILD_TYPE=MinSizeRel -DVELMORA_BUILD_BENCHMARKS=OFF \
        -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" >"$log_dir/configure.log" 2>&1 ||
        { rm -f "$velmora_build/CMakeCache.txt"; die_with_log "configuring Velmora for the browser" "$log_dir/configure.log"; }
fi
cmake --build "$velmora_build" >"$log_dir/build.log" 2>&1 || die_with_log "building Velmora for the browser" "$log_dir/build.log"
echo "Velmora for the browser: built in $velmora_build"

"$velmora_root/scripts/test-web.sh"
# The page check finds its way by the program's own layout table.
export VELMORA_LAYOUT_TABLE=$velmora_build/layout-table.txt
write_layout_table "$VELMORA_LAYOUT_TABLE"
node "$velmora_root/scripts/web/check-page.js" "$velmora_build/site" "$velmora_build/look" ||
    die "the page check failed; its screenshots are in $velmora_build/look"

# The zip and the sums, made afresh: a failed run leaves none that looks whole.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$velmora_build/CMakeCache.txt")
zip_name=Velmora-$version-web.zip
rm -f "$velmora_build"/Velmora-*-web.zip "$velmora_build/SHA256SUMS"
(cd "$velmora_build/site" && zip -q -r -X "../$zip_name.part" .) && mv "$velmora_build/$zip_name.part" "$velmora_build/$zip_name"
(cd "$velmora_build" && sha256sum "$zip_name" >SHA256SUMS && (cd site && find . -type f | sort | xargs sha256sum | sed 's#  \./#  site/#') >>SHA256SUMS)
"$velmora_root/scripts/web/site-sizes.sh" "$velmora_build/site"
echo "Velmora for the browser:"
(cd "$velmora_build" && ls -l --block-size=K "$zip_name" SHA256SUMS)
