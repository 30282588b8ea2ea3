#!/usr/bin/env bash
# Start-up against the toolkit's floor: from process start to the first painted frame of
# the main window under Xvfb, for Velmora and for a bare Qt main window of the same size
# with the same menu bar, built in the same tree with the same flags (hardening and its
# immediate binding included, as the package has them), over RUNS runs each (default
# 15), taken in turn. Prints both
# medians, their ratio, and each one's median peak memory as /usr/bin/time -v reports it,
# as a Markdown table (only its rows with ROWS_ONLY=1, for scripts/bench.sh); then each
# one's median peak memory one second after its window maps, once what the program does
# after its first frame (the icon, the fonts the opening window does not show) is done.
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "RUNS=N scripts/bench-startup.sh" -- "$@"
at_most_operands 0
runs=${RUNS:-15}

build_benchmarks
ensure_packages xdotool

bench=$velmora_build/benchmarks
# The floor is fair only when both bind their symbols at start, as the package does.
for program in "$velmora_build/app/velmora" "$bench/bare_window"; do
    readelf -d "$program" | grep -q BIND_NOW || die "$program is not built with immediate binding"
done
start_xvfb 1024x768x24

# One run: "milliseconds KiB".
measure() {
    local title=$1 program=$2 log
    log=$(mktemp)
    local ms
    ms=$(/usr/bin/time -v -o "$log" "$bench/firstframe" "$title" -- "$program" 2>/dev/null | cut -d' ' -f1)
    echo "$ms $(awk -F': ' '/Maximum resident set size/ {print $2}' "$log")"
    rm -f "$log"
}

window_mapped() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# One run: the peak resident memory in KiB, one second after the window maps.
settled_memory() {
    local title=$1 program=$2 pid kb
    "$program" >/dev/null 2>&1 &
    pid=$!
    wait_until 30 "the $title window" window_mapped "$title" || die "$title showed no window"
    sleep 1 # the moment measured: one second after the window maps
    kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$kb"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# A first run of each warms the file cache and fontconfig's cache; it is not counted.
measure Velmora "$velmora_build/app/velmora" >/dev/null
measure Bare "$bench/bare_window" >/dev/null
velmora_runs=$(mktemp)
bare_runs=$(mktemp)
for _ in $(seq "$runs"); do
    measure Velmora "$velmora_build/app/velmora" >>"$velmora_runs"
    measure Bare "$bench/bare_window" >>"$bare_runs"
done

v_ms=$(cut -d' ' -f1 "$velmora_runs" | median)
b_ms=$(cut -d' ' -f1 "$bare_runs" | median)
v_kb=$(cut -d' ' -f2 "$velmora_runs" | median)
b_kb=$(cut -d' ' -f2 "$bare_runs" | median)
rm -f "$velmora_runs" "$bare_runs"

[ -n "${ROWS_ONLY:-}" ] || bench_table_header
awk -v v="$v_ms" -v b="$b_ms" -v n="$runs" \
    'BEGIN {printf "| start-up to first frame (median of %d) | %.1f ms | %.1f ms | %.2f |\n", n, v, b, v / b}'
awk -v v="$v_kb" -v b="$b_kb" -v n="$runs" \
    'BEGIN {printf "| peak memory at first frame (median of %d) | %.1f MiB | %.1f MiB | %.2f |\n", n, v / 1024, b / 1024, v / b}'

velmora_settled=$(mktemp)
bare_settled=$(mktemp)
for _ in $(seq "$runs"); do
    settled_memory Velmora "$velmora_build/app/velmora" >>"$velmora_settled"
    settled_memory Bare "$bench/bare_window" >>"$bare_settled"
done
v_kb=$(median <"$velmora_settled")
b_kb=$(median <"$bare_settled")
rm -f "$velmora_settled" "$bare_settled"
awk -v v="$v_kb" -v b="$b_kb" -v n="$runs" \
    'BEGIN {printf "| peak memory 1 s after the window maps (median of %d) | %.1f MiB | %.1f MiB | %.2f |\n", n, v / 1024, b / 1024, v / b}'
