#!/usr/bin/env bash
# Builds Velmora for 64-bit Windows on Debian 12 or 13, with nothing from outside Debian's
# archive, tests it under Wine, and packages it:
#   build-windows/Velmora-VERSION-win64-setup.exe   NSIS installer (silent with /S)
#   build-windows/Velmora-VERSION-win64.zip         the same program folder, portable
#   build-windows/SHA256SUMS                        for both
# Installs the Debian packages it needs; builds Qt for Windows once into
# ${XDG_CACHE_HOME:-$HOME/.cache}/velmora/ (about 50 minutes on 2 cores), which every
# later run and every other clone reuses. Each step that fails stops the script with the
# log to read; the next run starts that step again.
#   scripts/build-windows.sh [--qt-only | --if-qt-cached]
#     --qt-only       only make sure Qt for Windows is cached
#     --if-qt-cached  build and test only where Qt for Windows is cached already; else
#                     say so and succeed (CI has no time for Qt's first build)
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/build-windows.sh [--qt-only | --if-qt-cached]" --qt-only --if-qt-cached -- "$@"
at_most_operands 0
[ $# -le 1 ] || usage_error "--qt-only and --if-qt-cached exclude each other"
mode=${1:-}
velmora_build=$(build_folder windows)
# shellcheck source=windows/qt.sh
source "$velmora_root/scripts/windows/qt.sh"

if [ "$mode" = --if-qt-cached ] && ! qt_for_windows_cached; then
    echo "skipped: no Qt for Windows cached; run scripts/build-windows.sh"
    exit 0
fi
ensure_packages "${windows_packages[@]}"
for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres makensis wine icotool; do
    command -v "$tool" >/dev/null || die "$tool is missing after installing packages"
done

ensure_qt_for_windows
[ "$mode" = --qt-only ] && exit 0
ensure_googletest_for_windows

# Velmora, with the toolchain file of the Qt just found; the tests run under Wine.
log_dir=$velmora_build/logs
mkdir -p "$log_dir"
if [ ! -f "$velmora_build/CMakeCache.txt" ]; then
    cmake -S "$velmora_root" -B "$velmora_build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_BENCHMARKS=OFF \
        -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" >"$log_dir/configure.log" 2>&1 ||
        { rm -f "$velmora_build/CMakeCache.txt"; die_with_log "configuring Velmora for Windows" "$log_dir/configure.log"; }
fi
cmake --build "$velmora_build" >"$log_dir/build.log" 2>&1 || die_with_log "building Velmora for Windows" "$log_dir/build.log"
echo "Velmora for Windows: built in $velmora_build"

"$velmora_root/scripts/test-windows.sh"

# The packages, made afresh: a failed run leaves none that looks whole.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$velmora_build/CMakeCache.txt")
rm -f "$velmora_build"/Velmora-*-win64* "$velmora_build/SHA256SUMS"
(cd "$velmora_build" && cpack) >"$log_dir/package.log" 2>&1 ||
    die_with_log "packaging Velmora for Windows" "$log_dir/package.log"
folder=$velmora_build/_CPack_Packages/win64/ZIP/Velmora-$version-win64
"$velmora_root/scripts/windows/check-dlls.sh" "$folder"
(cd "$velmora_build" && sha256sum "Velmora-$version-win64-setup.exe" "Velmora-$version-win64.zip" >SHA256SUMS)
echo "Velmora for Windows:"
(cd "$velmora_build" && ls -l --block-size=K "Velmora-$version-win64-setup.exe" "Velmora-$version-win64.zip" SHA256SUMS)
