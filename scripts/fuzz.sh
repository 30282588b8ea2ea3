#!/usr/bin/env bash
# Fuzzes the leading-number rule and the result text with libFuzzer for a fixed time
# (seconds, default 30) from a fixed seed, starting from the examples in tests/fuzz/seeds.
# Installs what is missing (clang among it) and builds in build-fuzz/.
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/fuzz.sh [SECONDS]" -- "$@"
at_most_operands 1
seconds=${operands[0]:-30}
[[ $seconds =~ ^[0-9]+$ ]] || usage_error "not a number of seconds: $seconds"
velmora_build=$(build_folder fuzz)

ensure_packages "${build_packages[@]}" "${fuzz_packages[@]}"
# A folder configured for another compiler cannot be switched to clang: start it afresh.
if [ -f "$velmora_build/CMakeCache.txt" ] &&
    ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' "$velmora_build/CMakeCache.txt"; then
    rm -rf "$velmora_build"
fi
configure -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON \
    -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCHMARKS=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
build numbertext_fuzz

# The corpus grows in a scratch folder; the committed seeds stay as they are.
corpus=$(mktemp -d)
on_exit "rm -rf '$corpus'"
cp "$velmora_root"/tests/fuzz/seeds/* "$corpus"/
"$velmora_build/tests/fuzz/numbertext_fuzz" -seed=1 -max_total_time="$seconds" -print_final_stats=1 \
    "$corpus" 2>&1 | tail -n 12
