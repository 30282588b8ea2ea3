#!/usr/bin/env bash
# What a first visit to the site loads, raw and as gzip (-9) and brotli (-q 11) would send
# it: the page, the program, and what the service worker keeps for working offline (all
# but the licences).
#   scripts/web/site-sizes.sh SITE
# shellcheck source=../lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
parse_options "scripts/web/site-sizes.sh SITE" -- "$@"
[ ${#operands[@]} -eq 1 ] || usage_error "one site folder, please"
site=${operands[0]}
[ -d "$site" ] || die "no such folder: $site"
cd "$site"
total_raw=0 total_gzip=0 total_brotli=0
printf '%-28s %10s %10s %10s\n' file raw gzip brotli
while read -r file; do
    raw=$(stat -c %s "$file")
    gzip=$(gzip -9 -c "$file" | wc -c)
    brotli=$(brotli -q 11 -c "$file" | wc -c)
    printf '%-28s %10d %10d %10d\n' "$file" "$raw" "$gzip" "$brotli"
    total_raw=$((total_raw + raw)) total_gzip=$((total_gzip + gzip)) total_brotli=$((total_brotli + brotli))
done < <(find . -type f -not -path './licenses/*' -printf '%P\n' | sort)
printf '%-28s %10d %10d %10d\n' "first visit" "$total_raw" "$total_gzip" "$total_brotli"
