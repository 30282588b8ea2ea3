#!/usr/bin/env bash
# Installs what is missing, builds Velmora with its tests and runs every test, headless.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

ensure_packages "${build_packages[@]}" "${test_packages[@]}"
configure_and_build "$@"

# The widget tests need no display: Qt draws into memory.
export QT_QPA_PLATFORM=offscreen
cd "$velmora_build"
ctest --output-on-failure
