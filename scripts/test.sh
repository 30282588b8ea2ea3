#!/usr/bin/env bash
# Installs what is missing, builds Velmora with its tests and runs every test, headless.
#   scripts/test.sh [CMake options]             the Release build in build/
#   scripts/test.sh --sanitize [CMake options]  the whole suite under AddressSanitizer and
#                                              UndefinedBehaviorSanitizer, in build-sanitize/
# Then, outside the sanitizer build, a short fixed-seed fuzzing run of the text conversions.
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/test.sh [--sanitize] [-DNAME=VALUE...]" --sanitize '-D*' -- "$@"
set -- "${operands[@]}"
for definition in "$@"; do
    [[ $definition == -D* ]] || usage_error "not a CMake definition: $definition"
done
sanitize=false
if [ -n "${option[--sanitize]:-}" ]; then
    sanitize=true
    velmora_build=${VELMORA_BUILD_DIR:-$(build_folder sanitize)}
fi

ensure_packages "${build_packages[@]}" "${test_packages[@]}"
if $sanitize; then
    flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    if [ ! -f "$velmora_build/CMakeCache.txt" ] || [ $# -gt 0 ]; then
        set -- -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BUILD_BENCHMARKS=OFF "-DCMAKE_CXX_FLAGS=$flags" "$@"
    fi
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
configure "$@"
build

# The widget tests need no display: Qt draws into memory.
export QT_QPA_PLATFORM=offscreen
(cd "$velmora_build" && ctest --output-on-failure)

if ! $sanitize; then
    ensure_packages "${fuzz_packages[@]}"
    "$velmora_root/scripts/fuzz.sh" 30
fi
