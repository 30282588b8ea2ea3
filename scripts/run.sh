#!/usr/bin/env bash
# Installs what is missing, builds Velmora (the program alone, not its tests) and starts it.
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/run.sh [-DNAME=VALUE...]" '-D*' -- "$@"
set -- "${operands[@]}"
for definition in "$@"; do
    [[ $definition == -D* ]] || usage_error "not a CMake definition: $definition"
done

ensure_packages "${build_packages[@]}"
configure "$@"
build velmora
exec "$velmora_build/app/velmora"
