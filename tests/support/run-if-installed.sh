#!/usr/bin/env bash
# Runs a check whose tools come from Debian packages, or reports it skipped (exit code 77,
# which CTest shows as "Skipped") and names what is missing; it never passes unrun.
#   run-if-installed.sh TOOL:PACKAGE [TOOL:PACKAGE ...] -- COMMAND [ARGUMENTS]
set -euo pipefail
missing=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    command -v "${1%%:*}" >/dev/null 2>&1 || missing+=("${1%%:*} (package ${1#*:})")
    shift
done
shift
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIPPED: not installed: ${missing[*]}; scripts/test.sh installs them"
    exit 77
fi
exec "$@"
