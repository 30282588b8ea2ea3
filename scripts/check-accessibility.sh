#!/usr/bin/env bash
# Starts Velmora under Xvfb with a session D-Bus and the AT-SPI bus, and reads it from
# outside as a screen reader does (scripts/atspi-check.py). Builds first if needed.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

ensure_packages "${build_packages[@]}" xvfb xauth dbus at-spi2-core python3-pyatspi
configure
build velmora

export VELMORA_BINARY=${VELMORA_BINARY:-$velmora_build/app/velmora}
dbus-run-session -- bash -c '
    set -euo pipefail
    Xvfb :87 -screen 0 800x600x24 >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=:87
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$VELMORA_BINARY" >/dev/null 2>&1 &
    velmora=$!
    status=0
    /usr/bin/python3 "'"$velmora_root"'/scripts/atspi-check.py" || status=$?
    kill $velmora $launcher $xvfb 2>/dev/null || true
    exit $status
'
