#!/usr/bin/env bash
# Builds Velmora for the browser on Debian 12 or 13 with Debian's emscripten and Node.js
# (and Playwright and selenium-webdriver from npm, at the versions of
# tests/web/package-lock.json, for the page tests in Chromium, Firefox and WebKit), tests
# it, and leaves in build-web/:
#   site/                        a static folder any web server can serve as it is
#   Velmora-VERSION-web.zip      that folder, zipped
#   SHA256SUMS                   for the zip and every file of the site
# Each step that fails stops the script with the log to read; the site is made whole or
# not at all, and the zip and sums only once every test has passed.
#   scripts/build-web.sh
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
# shellcheck source=lib/cross-build.sh
source "$velmora_root/scripts/lib/cross-build.sh"
parse_options "scripts/build-web.sh" -- "$@"
at_most_operands 0
velmora_build=$(build_folder web)

ensure_packages "${web_packages[@]}"
command -v npm >/dev/null || ensure_packages "$npm_package"
for tool in emcc em++ node npm pyftsubset brotli zip chromium firefox-esr WebKitWebDriver Xvfb \
    localedef; do
    command -v "$tool" >/dev/null || die "$tool is missing after installing packages"
done
# Debian's emscripten finds its JavaScript tools (acorn) among Debian's Node.js modules,
# which a Node.js from elsewhere does not search by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
ensure_googletest wasm -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -Dgtest_disable_pthreads=ON

log_dir=$velmora_build/logs
mkdir -p "$log_dir"
if [ ! -f "$velmora_build/CMakeCache.txt" ]; then
    cmake -S "$velmora_root" -B "$velmora_build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DVELMORA_BUILD_BENCHMARKS=OFF \
        -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" >"$log_dir/configure.log" 2>&1 ||
        { rm -f "$velmora_build/CMakeCache.txt"; die_with_log "configuring Velmora for the browser" "$log_dir/configure.log"; }
fi
cmake --build "$velmora_build" >"$log_dir/build.log" 2>&1 || die_with_log "building Velmora for the browser" "$log_dir/build.log"
echo "Velmora for the browser: built in $velmora_build"

# The page tests' packages, exactly as locked: Playwright, axe and selenium-webdriver.
(cd "$velmora_root/tests/web" && npm ci --no-audit --no-fund) >"$log_dir/npm.log" 2>&1 ||
    die_with_log "installing the page tests' packages" "$log_dir/npm.log"

"$velmora_root/scripts/test-web.sh"

# The zip and the sums, made afresh: a failed run leaves none that looks whole.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$velmora_build/CMakeCache.txt")
zip_name=Velmora-$version-web.zip
rm -f "$velmora_build"/Velmora-*-web.zip "$velmora_build/SHA256SUMS"
(cd "$velmora_build/site" && zip -q -r -X "../$zip_name.part" .) && mv "$velmora_build/$zip_name.part" "$velmora_build/$zip_name"
(cd "$velmora_build" && sha256sum "$zip_name" >SHA256SUMS && (cd site && find . -type f | sort | xargs sha256sum | sed 's#  \./#  site/#') >>SHA256SUMS)
"$velmora_root/scripts/web/site-sizes.sh" "$velmora_build/site"
echo "Velmora for the browser:"
(cd "$velmora_build" && ls -l --block-size=K "$zip_name" SHA256SUMS)
