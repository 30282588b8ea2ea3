#!/usr/bin/env bash
# Runs one test program as a native Wayland client of a headless weston of its own, with
# no GPU and no screen: tests/wayland/run-under-weston.sh PROGRAM [ARGUMENTS]
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/lib/common.sh
source "$here/../../scripts/lib/common.sh"
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=velmora-test-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
on_exit "kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf '$runtime'"

listening() { [ -S "$runtime/$socket" ] || { kill -0 $weston 2>/dev/null && return 1; return 0; }; }
wait_until 30 "weston's socket" listening || true
if [ ! -S "$runtime/$socket" ]; then
    echo "weston did not start:"
    cat "$runtime/weston.log"
    exit 1
fi

# In the sanitizer build, leaks inside Qt's Wayland client are not Velmora's; full stacks
# let the suppressions see that library in them.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}fast_unwind_on_malloc=0:suppressions=$here/leaks-outside-velmora.supp"
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
