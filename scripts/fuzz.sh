#!/usr/bin/env bash
# Fuzzes the leading-number rule and the result text with libFuzzer for a fixed time
# (seconds, default 30) from a fixed seed, starting from the examples in tests/fuzz/seeds.
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DVELMORA_FUZZ=ON -DVELMORA_BUILD_TESTS=OFF \
        "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
fi
cmake --build "$build" --target numbertext_fuzz

# The corpus grows in a scratch folder; the committed seeds stay as they are.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$root"/tests/fuzz/seeds/* "$corpus"/
"$build/tests/fuzz/numbertext_fuzz" -seed=1 -max_total_time="$seconds" -print_final_stats=1 \
    "$corpus" 2>&1 | tail -n 12
