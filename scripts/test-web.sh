#!/usr/bin/env bash
# Runs every test of the browser build (build-web/, made by build-web.sh) through CTest:
# the core suites under Node.js, the widget suites as pages in headless Chromium. The
# checks of the Linux desktop and of the Debian package, and the suites a page cannot
# run, are listed as skipped, with their reason.
set -euo pipefail
build=$(cd "$(dirname "$0")/.." && pwd)/build-web
[ -f "$build/CMakeCache.txt" ] || { echo "no browser build in $build; run scripts/build-web.sh" >&2; exit 1; }
cd "$build"
ctest --output-on-failure "$@"
