#!/usr/bin/env bash
# Runs every test of the browser build (build-web/, made by build-web.sh) through CTest:
# the core and window-behaviour suites under Node.js, and the page in Debian's Chromium
# and Firefox with Playwright Test and in WebKitGTK with selenium-webdriver
# (tests/web/webkit/run.js). One engine alone: -- -R page_test_webkit
#   scripts/test-web.sh [-- CTEST-OPTIONS...]
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/test-web.sh [-- CTEST-OPTIONS...]" -- "$@"
build=$(build_folder web)
[ -f "$build/CMakeCache.txt" ] || die "no browser build in $build; run scripts/build-web.sh"
[ -d "$velmora_root/tests/web/node_modules" ] || die "the page tests' packages are missing; run scripts/build-web.sh"
cd "$build"
ctest --output-on-failure --parallel 2 "${operands[@]}"
