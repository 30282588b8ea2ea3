#!/usr/bin/env bash
# Looks at the Windows program as a Windows user meets it, under Wine in Xvfb, from outside
# the program (xdotool for the mouse and keys, the clipboard and screenshots to read):
#   - the installer installs silently (/S), with its entry in "Apps & features";
#   - the installed program opens with the main window's layout; no mode chosen, a click
#     on the button shows a message box with its text;
#   - M = 2 gives its results with a marker on the chart; 4fL*/D = 0.5 gives its two Mach
#     numbers;
#   - the About menu opens the About window as a window of its own;
#   - in a German locale the results of M = 2 have a decimal comma (the locale is made in
#     the check's own folder: the machine's locales stay as they are);
#   - the portable folder from the zip runs and writes nothing outside itself;
#   - the uninstaller (/S) leaves nothing behind.
# Leaves screenshots in build-windows/look/; the one of M = 2 with the About window open
# is the README's docs/windows.png. Where to click and what to look for come from the
# program's own layout table (velmora-layout-table), what to type and what to expect from
# the scenarios of data/scenarios.tsv, which the page tests and the screen-reader check
# read too; every wait polls, with a limit.
#   scripts/windows/check-installed.sh SETUP.EXE ZIP
# shellcheck disable=SC2317 # the conditions polled below are called by name, through wait_until
# shellcheck source=../lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
parse_options "scripts/windows/check-installed.sh SETUP.EXE ZIP" -- "$@"
[ ${#operands[@]} -eq 2 ] || usage_error "an installer and a zip, please"
setup_exe=$(realpath "${operands[0]}")
zip_file=$(realpath "${operands[1]}")
{ [ -f "$setup_exe" ] && [ -f "$zip_file" ]; } || die "no such installer or zip: ${operands[*]}"
ensure_packages "${windows_check_packages[@]}"
look=$(build_folder windows)/look
rm -rf "$look" && mkdir -p "$look"
write_layout_table "$look/layout-table.txt"

use_wine_prefix "$look/wineprefix"
start_xvfb 1024x768x24
on_exit 'wineserver -k 2>/dev/null'
wineboot --init >/dev/null 2>&1
wineserver --wait

status=0
fail() {
    echo "check-installed: $*"
    status=1
}

# Files of the Windows side, without Wine's own churn.
windows_files() {
    (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort)
}
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'

# --- Install ----------------------------------------------------------------------------
windows_files >"$look/files-before-install"
wine "$setup_exe" /S
wineserver --wait
installed="$WINEPREFIX/drive_c/Program Files/Velmora"
[ -f "$installed/velmora.exe" ] || { echo "check-installed: the installer put no velmora.exe in Program Files"; exit 1; }
for value in DisplayName DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString QuietUninstallString; do
    wine reg query "$uninstall_key" /v "$value" >/dev/null 2>&1 || fail "Apps & features entry lacks $value"
done
ls "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora/Velmora.lnk" >/dev/null ||
    fail "no Start-menu shortcut"

# --- The program, driven from outside ------------------------------------------------------
shot() { import -window root "$look/$1.png"; }

# The main window's controls: where a click lands from the client area's top left (an
# option button's round indicator, at its left end; any other control's centre); the
# picture box's place and size; the chart's scale and colours; the program's title and
# the About window's caption.
declare -A at=() colour=() text=()
while read -r line; do
    read -r what a b c d e _ _ _ i j k l <<<"$line"
    case "$what" in
    control)
        [ "$a" = Form_Velmora ] || continue
        if [ "$c" = OptionButton ]; then at[$b]="$((i + 7)) $((j + l / 2))"; else at[$b]="$((i + k / 2)) $((j + l / 2))"; fi
        [ "$b" != Picture1 ] || read -r picture_x picture_y picture_w picture_h <<<"$i $j $k $l"
        ;;
    scale) read -r scale_x1 scale_y1 scale_x2 scale_y2 <<<"$b $c $d $e" ;;
    colour) colour[$a]="rgb($b,$c,$d)" ;;
    text) text[$a]=${line#text "$a" } ;;
    esac
done <"$look/layout-table.txt"
title=${text[applicationTitle]}

# The chart's drawing area, blank light yellow at start, anchors every other place: once
# it is drawn whole (its picture box less a border of a few pixels), it sets chart_* and
# client_*.
find_chart() {
    shot start
    local box
    box=$(convert "$look/start.png" -fill black +opaque "${colour[chartBackground]}" -format '%@' info: 2>/dev/null)
    read -r chart_w chart_h chart_x chart_y <<<"${box//[x+]/ }"
    [ "${chart_w:-0}" -ge $((picture_w - 9)) ] && [ "${chart_h:-0}" -ge $((picture_h - 9)) ] || return 1
    local border=$(((picture_w - chart_w) / 2))
    client_x=$((chart_x - picture_x - border))
    client_y=$((chart_y - picture_y - border))
}
visible_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
main_window_shown() { main_window=$(visible_windows "^$title\$" | head -n 1) && [ -n "$main_window" ]; }

# Starts the program in LOCALE, a locale of data/scenarios.tsv: C is the machine's own; any
# other is made into the check's folder and found through LOCPATH, so that /etc and the
# machine's locale archive stay as they are.
start_program() { # EXE LOCALE
    local exe=$1 environment=()
    program_locale=$2
    if [ "$program_locale" != C ]; then
        mkdir -p "$look/locales"
        localedef -i "$program_locale" -f UTF-8 "$look/locales/$program_locale.UTF-8" 2>/dev/null ||
            [ -d "$look/locales/$program_locale.UTF-8" ] || die "localedef could not make $program_locale.UTF-8"
        environment=(LOCPATH="$look/locales" LANG="$program_locale.UTF-8" LC_ALL="$program_locale.UTF-8")
    fi
    # The text the γ box opens with (text/systemtexts.h); a scenario types over it only
    # where it wants another.
    gamma_now=1.4
    env "${environment[@]}" wine "$exe" >/dev/null 2>&1 &
    program_pid=$!
    # Left where Wine puts it: with no window manager, Wine 10 does not follow a window
    # moved from outside and takes clicks as meant for its old place.
    wait_until 60 "the main window" main_window_shown || { shot no-main-window; die "the program showed no main window (see no-main-window.png)"; }
    wait_until 30 "the chart to be drawn" find_chart || die "the chart was never drawn"
}
click() { # CONTROL
    read -r x y <<<"${at[$1]}"
    xdotool mousemove $((client_x + x)) $((client_y + y)) click 1
}
# The clipboard's text. A Wine program that owns the selection does not always answer,
# and xclip then waits for ever: each read is one try of the polls around it.
clipboard_text() { timeout 3 xclip -o -selection clipboard 2>/dev/null; }
# A double-click selects the whole number; the clipboard then has it. The clipboard is
# emptied first, so that the copy is known to have arrived.
read_box() { # BOX
    read -r x y <<<"${at[$1]}"
    printf '' | xclip -i -selection clipboard
    xdotool mousemove $((client_x + x)) $((client_y + y)) click --repeat 2 --delay 80 1 key ctrl+c
    wait_until 5 "the copy of $1" clipboard_filled && clipboard_text
}
clipboard_filled() { [ -n "$(clipboard_text)" ]; }
box_reads() { [ "$(read_box "$1" 2>/dev/null)" = "$2" ]; }
type_into() { # BOX TEXT
    click "$1"
    xdotool key ctrl+a type --delay 50 "$2"
    wait_until 10 "$1 to read $2" box_reads "$1" "$2" || fail "typing $2 into $1 did not reach it"
}
# The results of a calculation arrive once the click is handled: each is polled for.
expect_box() { # BOX TEXT WHAT
    if wait_until 10 "$1 to read $2" box_reads "$1" "$2"; then
        echo "  $3: $1 reads $2"
    else
        fail "$3: $1 reads '$(read_box "$1" || true)', not '$2'"
    fi
}
# Marker pixels within 6 px of the chart point (M, 4fL*/D).
expect_marker() { # SHOT M F
    local x y marker
    x=$(awk -v m="$2" -v a="$scale_x1" -v b="$scale_x2" -v w="$chart_w" 'BEGIN {printf "%d", (m - a) / (b - a) * w}')
    y=$(awk -v f="$3" -v a="$scale_y1" -v b="$scale_y2" -v h="$chart_h" 'BEGIN {printf "%d", (-f - a) / (b - a) * h}')
    marker=$(convert "$look/$1.png" -crop 13x13+$((chart_x + x - 6))+$((chart_y + y - 6)) +repage \
        -fuzz 30% -fill white +opaque "${colour[marker]}" -fill black -opaque "${colour[marker]}" \
        -format '%[fx:round(w*h*(1-mean))]' info:)
    if [ "$marker" -gt 0 ]; then
        echo "  marker at M = $2: $marker marker pixels"
    else
        fail "no marker at M = $2, 4fL*/D = $3"
    fi
}
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
# Alt+F4 on each window, as a user closes them: the program ends with its last window, the
# About window included where it is open. Wine's background services end with the server.
# One window at a time: without a window manager Wine takes the focus given from outside
# in its own time, and a second Alt+F4 sent at once can reach the window just closed.
# Where the first did not arrive, it is sent again.
window_gone() { ! visible_windows "^(${text[aboutCaption]}|$title)\$" | grep -qx "$1"; }
close_program() {
    local window
    for window in $(visible_windows "^(${text[aboutCaption]}|$title)\$" || true); do
        for _ in 1 2 3; do
            xdotool windowfocus "$window" key alt+F4 2>/dev/null || true
            wait_until 5 "window $window to close" window_gone "$window" 2>/dev/null && break
        done
    done
    wait_until 15 "the program to end on Alt+F4" program_ended || fail "the program did not end on Alt+F4"
    wineserver -k 2>/dev/null || true
    wineserver --wait
}

# The message box the click just brought up has TEXT (Ctrl+C copies a message box's text
# on Windows); SHOT is taken while it is open, and Return closes it.
message_box_shown() { box_window=$(visible_windows "^$title\$" | grep -vx "$main_window" | head -n 1) && [ -n "$box_window" ]; }
message_box_gone() { ! message_box_shown; }
message_copied() { clipboard_text | grep -qF "$1"; }
expect_message() { # TEXT WHAT [SHOT]
    if ! wait_until 10 "a message box" message_box_shown; then
        fail "$2: no message box opened"
        return
    fi
    printf '' | xclip -i -selection clipboard
    xdotool windowfocus "$box_window" key ctrl+c
    if wait_until 5 "the message's text" message_copied "$1"; then
        echo "  $2: message box: $1"
    else
        fail "$2: the message box does not say '$1'"
    fi
    [ -z "${3:-}" ] || shot "$3"
    xdotool key Return
    wait_until 10 "the message box to close" message_box_gone || fail "$2: Return left the message box open"
}

# --- Scenarios ----------------------------------------------------------------------------
# data/scenarios.tsv, by scenario name: its header says what the columns mean.
scenario_file=$velmora_root/data/scenarios.tsv
declare -A scenario_locale=() scenario_gamma=() scenario_option=() scenario_typed=() scenario_message=() scenario_boxes=()
read_scenarios() {
    local line number=0 fields pairs pair
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        [[ -n $line && $line != '#'* ]] || continue
        # Split at a character that is not white space, so that an empty column counts.
        IFS=$'\x1f' read -r -a fields <<<"${line//$'\t'/$'\x1f'}"
        local where="$scenario_file:$number"
        [ ${#fields[@]} -ge 7 ] || die "$where: ${#fields[@]} columns, not 7"
        local name=${fields[0]}
        [ -n "$name" ] || die "$where: no name"
        [ -z "${scenario_locale[$name]+set}" ] || die "$where: a second scenario $name"
        case "${fields[3]}" in M | FLD4 | -) ;; *) die "$where: no option ${fields[3]}" ;; esac
        [ "${fields[3]}" != - ] || [ "${fields[4]}" = - ] || die "$where: text typed with no option chosen"
        read -r -a pairs <<<"${fields[6]}"
        for pair in "${pairs[@]}"; do
            [[ $pair == - || $pair == Text_*=* ]] || die "$where: no ControlName=text in '$pair'"
        done
        scenario_locale[$name]=${fields[1]}
        scenario_gamma[$name]=${fields[2]}
        scenario_option[$name]=${fields[3]}
        scenario_typed[$name]=${fields[4]}
        scenario_message[$name]=${fields[5]}
        scenario_boxes[$name]=${fields[6]}
    done <"$scenario_file"
}
# The text scenario NAME expects in BOX.
scenario_box() { # NAME BOX
    local pairs pair
    read -r -a pairs <<<"${scenario_boxes[$1]}"
    for pair in "${pairs[@]}"; do
        [ "${pair%%=*}" != "$2" ] || { echo "${pair#*=}"; return; }
    done
    die "scenario $1 expects nothing in $2"
}
# Types and clicks as scenario NAME says, in the program just started, then checks its
# message and its boxes. SHOT is taken once the message or the first result is there.
run_scenario() { # NAME [SHOT]
    local name=$1 shot_name=${2:-} pairs pair
    [ -n "${scenario_locale[$name]+set}" ] || die "no scenario $name in $scenario_file"
    [ "${scenario_locale[$name]}" = "$program_locale" ] ||
        die "scenario $name is for the locale ${scenario_locale[$name]}, the program runs in $program_locale"
    if [ "${scenario_gamma[$name]}" != "$gamma_now" ]; then
        type_into Text_gama "${scenario_gamma[$name]}"
        gamma_now=${scenario_gamma[$name]}
    fi
    case "${scenario_option[$name]}" in
    M) click Option_M ;;
    FLD4) click Option_FLD4 ;;
    esac
    if [ "${scenario_typed[$name]}" != - ]; then
        case "${scenario_option[$name]}" in
        M) type_into Text_Msub "${scenario_typed[$name]}" ;;
        FLD4) type_into Text_FLD4 "${scenario_typed[$name]}" ;;
        esac
    fi
    click Command1
    if [ "${scenario_message[$name]}" != - ]; then
        expect_message "${scenario_message[$name]}" "$name" "$shot_name"
        shot_name=
    fi
    read -r -a pairs <<<"${scenario_boxes[$name]}"
    for pair in "${pairs[@]}"; do
        [ "$pair" != - ] || continue
        [ -n "${at[${pair%%=*}]:-}" ] || die "scenario $name: the layout table has no control ${pair%%=*}"
        expect_box "${pair%%=*}" "${pair#*=}" "$name"
        [ -z "$shot_name" ] || shot "$shot_name"
        shot_name=
    done
}
read_scenarios
# --- End of the scenarios -----------------------------------------------------------------

echo "the installed program:"
start_program "C:\\Program Files\\Velmora\\velmora.exe" C
# The layout: the chart where the layout table puts it, the γ box white with 1.4.
{ [ "$chart_w" -ge 240 ] && [ "$chart_h" -ge 168 ]; } || fail "the chart's area is ${chart_w}x${chart_h}"
expect_box Text_gama 1.4 "at start"

# No mode: a message box with its text.
run_scenario no-option message-box

run_scenario mach-2 mach-2
marked=$(scenario_box mach-2 Text_FLD4)
expect_marker mach-2 "${scenario_typed[mach-2]}" "$marked"

# The About menu, just above the client area's top left.
about_shown() { about_window=$(visible_windows "^${text[aboutCaption]}\$" | head -n 1) && [ -n "$about_window" ]; }
about_moved() { [[ $(xdotool getwindowgeometry "$about_window") == *"Position: $((client_x + 300)),40"* ]]; }
xdotool mousemove $((client_x + 20)) $((client_y - 10)) click 1
if wait_until 10 "the About window" about_shown; then
    xdotool windowmove "$about_window" $((client_x + 300)) 40
    wait_until 5 "the About window to move" about_moved || true
    echo "  the About window is open beside the main window"
else
    fail "no About window"
fi
shot windows

run_scenario friction-0.5 friction-0.5
close_program

echo "in a German locale:"
start_program "C:\\Program Files\\Velmora\\velmora.exe" "${scenario_locale[mach-2-german]}"
run_scenario mach-2-german german
close_program

# --- The portable folder ------------------------------------------------------------------
echo "the portable folder:"
portable=$look/portable
mkdir -p "$portable"
unzip -q "$zip_file" -d "$portable"
folder=$(find "$portable" -mindepth 1 -maxdepth 1 -type d)
windows_files >"$look/files-before-portable"
start_program "$folder/velmora.exe" C
run_scenario mach-2
close_program
windows_files >"$look/files-after-portable"
written=$(comm -13 "$look/files-before-portable" "$look/files-after-portable")
if [ -z "$written" ]; then
    echo "  wrote nothing outside its folder"
else
    fail "the portable program wrote: $written"
fi

# --- Uninstall ------------------------------------------------------------------------------
# The uninstaller copies itself away and returns at once; the copy does the work, and is
# done when Wine's server has nothing left to run.
wine "$installed/Uninstall.exe" /S
uninstalled() { [ ! -e "$installed" ]; }
wait_until 30 "the uninstaller to remove $installed" uninstalled || fail "the uninstaller left $installed"
wineserver --wait
windows_files >"$look/files-after-uninstall"
left=$(comm -13 "$look/files-before-install" "$look/files-after-uninstall")
if [ -z "$left" ]; then
    echo "uninstalled: no file left behind"
else
    fail "left behind after uninstalling: $left"
fi
if wine reg query "$uninstall_key" >/dev/null 2>&1; then fail "the Apps & features entry is still there"; fi

[ $status -eq 0 ] && echo "check-installed: the installed, the portable and the uninstalled program as expected"
exit $status
