#!/usr/bin/env bash
# Runs every test of the Windows build (build-windows/, made by build-windows.sh) under
# Wine through CTest: the core suites and the widget suites offscreen. The checks of the
# Linux desktop and of the Debian package are listed as skipped, with their reason.
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/test-windows.sh [-- CTEST-OPTIONS...]" -- "$@"
build=$(build_folder windows)
[ -f "$build/CMakeCache.txt" ] || die "no Windows build in $build; run scripts/build-windows.sh"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure "${operands[@]}"
