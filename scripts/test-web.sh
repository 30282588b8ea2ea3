#!/usr/bin/env bash
# Runs every test of the browser build (build-web/, made by build-web.sh) through CTest:
# the core suites under Node.js, the widget suites as pages in headless Chromium. The
# checks of the Linux desktop and of the Debian package, and the suites a page cannot
# run, are listed as skipped, with their reason.
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/test-web.sh [-- CTEST-OPTIONS...]" -- "$@"
build=$(build_folder web)
[ -f "$build/CMakeCache.txt" ] || die "no browser build in $build; run scripts/build-web.sh"
cd "$build"
ctest --output-on-failure "${operands[@]}"
