#!/usr/bin/env bash
# Starts Velmora under Xvfb with a session D-Bus and the AT-SPI bus, and reads it from
# outside as a screen reader does (scripts/atspi-check.py). Builds first if needed.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

ensure_packages "${build_packages[@]}" xvfb xauth dbus at-spi2-core python3-pyatspi
configure
build velmora

start_xvfb 800x600x24
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT

# The check waits for Velmora to appear on the bus; the bus itself is awaited here.
export VELMORA_BINARY=${VELMORA_BINARY:-$velmora_build/app/velmora}
dbus-run-session -- bash -c '
    set -euo pipefail
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    for _ in $(seq 200); do
        dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1 && break
        sleep 0.05
    done
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$VELMORA_BINARY" >/dev/null 2>&1 &
    velmora=$!
    status=0
    /usr/bin/python3 "'"$velmora_root"'/scripts/atspi-check.py" || status=$?
    kill $velmora $launcher 2>/dev/null || true
    exit $status
'
