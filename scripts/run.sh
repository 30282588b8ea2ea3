#!/usr/bin/env bash
# Installs what is missing, builds Velmora (the program alone, not its tests) and starts it.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

ensure_packages "${build_packages[@]}"
configure "$@"
build velmora
exec "$velmora_build/app/velmora"
