#!/usr/bin/env bash
# Runs one test program as a native Wayland client of a headless weston of its own, with
# no GPU and no screen: tests/wayland/run-under-weston.sh PROGRAM [ARGUMENTS]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=velmora-test-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT

for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 $weston 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "weston did not start:"
    cat "$runtime/weston.log"
    exit 1
fi

# In the sanitizer build, leaks inside Qt's Wayland client are not Velmora's; full stacks
# let the suppressions see that library in them.
here=$(cd "$(dirname "$0")" && pwd)
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}fast_unwind_on_malloc=0:suppressions=$here/leaks-outside-velmora.supp"
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
