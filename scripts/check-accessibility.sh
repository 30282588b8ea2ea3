#!/usr/bin/env bash
# Starts Velmora under Xvfb with a session D-Bus and the AT-SPI bus, and reads it from
# outside as a screen reader does (scripts/atspi-check.py). Builds first if needed.
# shellcheck source=lib/common.sh
source "$(dirname "$0")/lib/common.sh"
parse_options "scripts/check-accessibility.sh" -- "$@"
at_most_operands 0

ensure_packages "${build_packages[@]}" "${accessibility_packages[@]}"
configure
build velmora
export VELMORA_LAYOUT_TABLE=$velmora_build/layout-table.txt
write_layout_table "$VELMORA_LAYOUT_TABLE"

start_xvfb 800x600x24

# The check waits for Velmora to appear on the bus; the bus itself is awaited here.
export VELMORA_BINARY=${VELMORA_BINARY:-$velmora_build/app/velmora}
export -f wait_until log
export script_name
# shellcheck disable=SC2016 # the script in quotes expands its own variables, inside the session
dbus-run-session -- bash -c '
    set -euo pipefail
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    bus_up() { dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
    wait_until 10 "the accessibility bus" bus_up
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$VELMORA_BINARY" >/dev/null 2>&1 &
    velmora=$!
    status=0
    /usr/bin/python3 "'"$velmora_root"'/scripts/atspi-check.py" || status=$?
    kill $velmora $launcher 2>/dev/null || true
    exit $status
'
