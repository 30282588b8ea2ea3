#!/usr/bin/env bash
# Runs every test of the Windows build (build-windows/, made by build-windows.sh) under
# Wine through CTest: the core suites and the widget suites offscreen. The checks of the
# Linux desktop and of the Debian package are listed as skipped, with their reason.
set -euo pipefail
build=$(cd "$(dirname "$0")/.." && pwd)/build-windows
[ -f "$build/CMakeCache.txt" ] || { echo "no Windows build in $build; run scripts/build-windows.sh" >&2; exit 1; }
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure "$@"
