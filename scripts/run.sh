#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

ensure_packages "${build_packages[@]}"
configure_and_build "$@"
exec "$velmora_build/app/velmora"
