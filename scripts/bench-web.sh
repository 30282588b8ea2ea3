#!/usr/bin/env bash
# Benchmarks of the browser program, in one run: from navigation to the first frame drawn,
# for Velmora and for a bare Qt main window of the same size built with the same Qt and
# served in the same page (RUNS loads of each, default 9, medians), the time of a
# calculate click in the page, and what a first visit transfers (raw, gzip, brotli).
# Benchmarks, not tests: nothing here passes or fails on a time. Needs Qt for
# WebAssembly in the cache (scripts/build-web.sh makes it).
#   scripts/bench-web.sh
set -euo pipefail
[ $# -eq 0 ] || { echo "usage: RUNS=N scripts/bench-web.sh" >&2; exit 2; }
step_name=bench-web
export VELMORA_BUILD_DIR=$(cd "$(dirname "$0")/.." && pwd)/build-web
source "$(dirname "$0")/setup.sh"
source "$(dirname "$0")/web/qt.sh"
qt_for_web_cached || { echo "bench-web: no Qt for WebAssembly cached; run scripts/build-web.sh" >&2; exit 1; }
[ -f "$velmora_build/CMakeCache.txt" ] || { echo "bench-web: no browser build; run scripts/build-web.sh" >&2; exit 1; }
ensure_packages "${web_packages[@]}"
ensure_emsdk_folder

# The bare window is built beside the program only for this run.
trap 'cmake -S "$velmora_root" -B "$velmora_build" -DVELMORA_BUILD_BENCHMARKS=OFF >/dev/null' EXIT
cmake -S "$velmora_root" -B "$velmora_build" -DVELMORA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$velmora_build" --target velmora_site bare_window_site >"$velmora_build/logs/bench-build.log" 2>&1 ||
    die_with_log "building the sites to compare" "$velmora_build/logs/bench-build.log"

echo "| benchmark | Velmora | bare Qt window | ratio |"
echo "|---|---|---|---|"
node "$velmora_root/scripts/web/bench-page.js" "$velmora_build/site" "$velmora_build/bare-site" "${RUNS:-9}"
"$velmora_root/scripts/web/site-sizes.sh" "$velmora_build/site" | awk '$1 == "first" {
    printf "| page: first visit, raw / gzip / brotli | %.2f / %.2f / %.2f MB | | |\n", $3 / 1e6, $4 / 1e6, $5 / 1e6}'
