#!/usr/bin/env bash
# The ground the scripts stand on (scripts/lib/common.sh), seen from outside:
#   - every script that can be run refuses an unknown option with its usage line and exit
#     status 2, before it installs, builds or writes anything;
#   - a wait gives up at its limit and names what it waited for;
#   - exit actions run, the last registered first, however the script ends.
#   tests/scriptlibrary_test.sh PROJECT_ROOT
set -uo pipefail
root=$1
status=0
fail() {
    echo "FAIL: $*"
    status=1
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# --- Unknown options ----------------------------------------------------------------------
# The source tree, less the build folders (other tests build there meanwhile).
tree_state() { (cd "$root" && find . \( -path ./.git -o -path './build*' \) -prune -o -newer "$scratch/start" -print); }
touch "$scratch/start"
sleep 1 # file times have a resolution of a second on some file systems
checked=0
while read -r script; do
    checked=$((checked + 1))
    output=$("$root/$script" --no-such-option 2>&1 </dev/null)
    code=$?
    [ $code -eq 2 ] || fail "$script --no-such-option exits $code, not 2"
    grep -q '^usage: ' <<<"$output" || fail "$script --no-such-option prints no usage line: $output"
    grep -q 'no-such-option' <<<"$output" || fail "$script --no-such-option does not name the option: $output"
done < <(cd "$root" && find scripts -name '*.sh' -perm -u+x | sort)
[ $checked -ge 10 ] || fail "only $checked scripts found to check"
changed=$(tree_state)
[ -z "$changed" ] || fail "refusing an option changed: $changed"
[ $status -ne 0 ] || echo "$checked scripts refuse an unknown option with their usage line"

# --- wait_until and on_exit --------------------------------------------------------------
library=$root/scripts/lib/common.sh
output=$(bash -c "source '$library'; wait_until 1 'the moon' false" 2>&1)
code=$?
[ $code -ne 0 ] || fail "wait_until on a condition that never holds succeeded"
grep -q "waited 1 s for the moon" <<<"$output" || fail "wait_until does not name what it waited for: $output"
bash -c "source '$library'; n=0; third() { n=\$((n + 1)); [ \$n -ge 3 ]; }; wait_until 5 'the third try' third" ||
    fail "wait_until gave up on a condition that holds at the third try"

for ending in "exit 3" "false" "kill -TERM \$\$"; do
    rm -f "$scratch/order"
    bash -c "source '$library'; on_exit 'echo first >>$scratch/order'; on_exit 'echo second >>$scratch/order'; $ending" \
        >/dev/null 2>&1
    [ "$(tr '\n' ' ' <"$scratch/order" 2>/dev/null)" = "second first " ] ||
        fail "after '$ending' the exit actions ran as: $(cat "$scratch/order" 2>/dev/null)"
done
[ $status -eq 0 ] && echo "waits give up naming what they waited for; exit actions run last first on every ending"
exit $status
