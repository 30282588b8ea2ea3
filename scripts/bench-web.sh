#!/usr/bin/env bash
# Benchmarks of the browser program, in one run: from navigation to the first frame drawn,
# for Velmora and for a bare Qt main window of the same size built with the same Qt and
# served in the same page (RUNS loads of each, default 9, medians), the time of a
# calculate click in the page, and what a first visit transfers (raw, gzip, brotli).
# Benchmarks, not tests: nothing here passes or fails on a time. Needs Qt for
# WebAssembly in the cache (scripts/build-web.sh makes it).
#   scripts/bench-web.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "RUNS=N scripts/bench-web.sh" -- "$@"
at_most_operands 0
velmora_build=$(build_folder web)
source "$velmora_root/scripts/web/qt.sh"
qt_for_web_cached || die "no Qt for WebAssembly cached; run scripts/build-web.sh"
[ -f "$velmora_build/CMakeCache.txt" ] || die "no browser build; run scripts/build-web.sh"
ensure_packages "${web_packages[@]}"
ensure_emsdk_folder

# The bare window is built beside the program only for this run.
on_exit 'cmake -S "$velmora_root" -B "$velmora_build" -DVELMORA_BUILD_BENCHMARKS=OFF >/dev/null'
cmake -S "$velmora_root" -B "$velmora_build" -DVELMORA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$velmora_build" --target velmora_site bare_window_site >"$velmora_build/logs/bench-build.log" 2>&1 ||
    die_with_log "building the sites to compare" "$velmora_build/logs/bench-build.log"

bench_table_header
export VELMORA_LAYOUT_TABLE=$velmora_build/layout-table.txt
write_layout_table "$VELMORA_LAYOUT_TABLE"
node "$velmora_root/scripts/web/bench-page.js" "$velmora_build/site" "$velmora_build/bare-site" "${RUNS:-9}"
"$velmora_root/scripts/web/site-sizes.sh" "$velmora_build/site" | awk '$1 == "first" {
    printf "| page: first visit, raw / gzip / brotli | %.2f / %.2f / %.2f MB | | |\n", $3 / 1e6, $4 / 1e6, $5 / 1e6}'
