#!/usr/bin/env bash
# Serves the browser program (build-web/site, made by scripts/build-web.sh) on 127.0.0.1,
# with WebAssembly as application/wasm, and prints the address; Ctrl+C stops it.
#   scripts/serve-web.sh [PORT]    (default 8080)
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/serve-web.sh [PORT]" -- "$@"
at_most_operands 1
port=${operands[0]:-8080}
[[ $port =~ ^[0-9]+$ ]] || usage_error "not a port: $port"
site=$(build_folder web)/site
[ -f "$site/index.html" ] || die "no site in $site; run scripts/build-web.sh"
exec node "$velmora_root/tests/web/serve.js" "$site" "$port"
