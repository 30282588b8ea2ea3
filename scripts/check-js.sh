#!/usr/bin/env bash
# Fails when ESLint finds anything in the page's JavaScript: the start script and service
# worker templates of app/web, the program's library of calls on the page's elements
# (web/dom.js) and the page tests. ESLint and its plugins come from npm at the versions of
# tests/web/package-lock.json; the rules are in tests/web/eslint.config.js.
#   scripts/check-js.sh
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/check-js.sh" -- "$@"
at_most_operands 0
ensure_packages nodejs
command -v npm >/dev/null || ensure_packages "$npm_package"
cd "$velmora_root"

scratch=$(mktemp -d)
on_exit "rm -rf '$scratch'"
[ -x tests/web/node_modules/.bin/eslint ] ||
    (cd tests/web && npm ci --no-audit --no-fund) >"$scratch/npm.log" 2>&1 ||
    die_with_log "installing ESLint" "$scratch/npm.log"
tests/web/node_modules/.bin/eslint --config tests/web/eslint.config.js --max-warnings 0 \
    app/web web/dom.js tests/web
