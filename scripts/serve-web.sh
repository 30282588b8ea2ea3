#!/usr/bin/env bash
# Serves the browser program (build-web/site, made by scripts/build-web.sh) on 127.0.0.1,
# with WebAssembly as application/wasm, and prints the address; Ctrl+C stops it.
#   scripts/serve-web.sh [PORT]    (default 8080)
set -euo pipefail
usage() { echo "usage: scripts/serve-web.sh [PORT]" >&2; exit 2; }
[ $# -le 1 ] || usage
port=${1:-8080}
[[ $port =~ ^[0-9]+$ ]] || usage
site=$(cd "$(dirname "$0")/.." && pwd)/build-web/site
[ -f "$site/index.html" ] || { echo "no site in $site; run scripts/build-web.sh" >&2; exit 1; }
exec node -e "
const { serve } = require('$(dirname "$(realpath "$0")")/web/chromium.js');
serve(process.argv[1], Number(process.argv[2])).then((server) => console.log('Velmora is served at ' + server.url));
" "$site" "$port"
