#!/usr/bin/env bash
# Benchmarks of the browser program's page (build-web/site, made by build-web.sh), as one
# Markdown table: what a first visit transfers (raw, gzip, brotli), Lighthouse's mobile
# runs of the page served on 127.0.0.1 (scores, blocking time, paints, interactivity;
# median and range of LIGHTHOUSE_RUNS, default 5), and the time of a calculate click in
# each input mode, to the next frame, median of RUNS (default 15). Benchmarks, not tests:
# nothing here passes or fails on a time.
# Lighthouse is held at 12.2.3 in benchmarks/web (13 needs a newer Node.js than Debian's);
# its packages are installed there from the lockfile when missing or older than it.
# Chromium is Debian's, driven by the page tests' Playwright.
#   RUNS=N LIGHTHOUSE_RUNS=N scripts/bench-web.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "RUNS=N LIGHTHOUSE_RUNS=N scripts/bench-web.sh" -- "$@"
at_most_operands 0
runs=${RUNS:-15}
[[ $runs =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive whole number, not $runs"
lighthouse_runs=${LIGHTHOUSE_RUNS:-5}
[[ $lighthouse_runs =~ ^[1-9][0-9]*$ ]] ||
    die "LIGHTHOUSE_RUNS must be a positive whole number, not $lighthouse_runs"
velmora_build=$(build_folder web)
site=$velmora_build/site
[ -f "$site/index.html" ] || die "no site; run scripts/build-web.sh"
[ -d "$velmora_root/tests/web/node_modules/playwright-core" ] ||
    die "the page tests' Playwright is missing; run scripts/build-web.sh"
export CHROME_PATH=/usr/bin/chromium
[ -x "$CHROME_PATH" ] || die "no Chromium at $CHROME_PATH; run scripts/build-web.sh"

bench=$velmora_root/benchmarks/web
if [ ! -d "$bench/node_modules" ] || [ "$bench/package-lock.json" -nt "$bench/node_modules" ]; then
    log "installing Lighthouse in benchmarks/web"
    install_log=$(mktemp)
    on_exit "rm -f '$install_log'"
    (cd "$bench" && npm ci --no-audit --no-fund) >"$install_log" 2>&1 ||
        die_with_log "npm ci in benchmarks/web" "$install_log"
    # npm ci keeps the folder's old time when it only replaces what is inside.
    touch "$bench/node_modules"
fi

sizes=$("$velmora_root/scripts/web/site-sizes.sh" "$site" | tail -n 1)
[[ $sizes == "first visit "* ]] || die "scripts/web/site-sizes.sh ended with \"$sizes\", not the first visit's sizes"
# Written in full once everything is measured, so that a failure leaves no half table.
page_rows=$(node "$bench/bench-page.js" "$site" "$runs" "$lighthouse_runs") || die "benchmarking the page failed"

echo "| benchmark | Velmora |"
echo "|---|---|"
awk '{printf "| page: first visit, raw / gzip / brotli | %.1f / %.1f / %.1f KB |\n", $3 / 1000, $4 / 1000, $5 / 1000}' <<<"$sizes"
echo "$page_rows"
