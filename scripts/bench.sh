#!/usr/bin/env bash
# Runs every benchmark and prints one Markdown table: the core (Google Benchmark), one
# calculate click per mode on the real window (QBENCHMARK), and start-up against a bare
# Qt window (scripts/bench-startup.sh). Timings come from the Release build in build/.
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/bench.sh" -- "$@"
at_most_operands 0

build_benchmarks
bench=$velmora_build/benchmarks

bench_table_header
"$bench/core_bench" --benchmark_format=json --benchmark_min_time=0.2 2>/dev/null |
    /usr/bin/python3 "$velmora_root/scripts/benchtable.py"
QT_QPA_PLATFORM=offscreen "$bench/calculate_bench" -median 5 2>/dev/null |
    awk '/^RESULT/ {name = $3; sub(/^CalculateBench::/, "", name); sub(/\(\):$/, "", name)}
         /msecs per iteration/ {printf "| calculate click, %s, painting included | %.3f ms | | |\n", name, $1}'
ROWS_ONLY=1 "$velmora_root/scripts/bench-startup.sh"
