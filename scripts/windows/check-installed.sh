#!/usr/bin/env bash
# Looks at the Windows program as a Windows user meets it, under Wine in Xvfb, from outside
# the program (xdotool for the mouse and keys, the clipboard and screenshots to read):
#   - the installer installs silently (/S), with its entry in "Apps & features";
#   - the installed program opens with the main window's layout; no mode chosen, a click
#     on the button shows a message box with its text;
#   - M = 2 gives 0.305 / 0.6667 / 0.4082 / 0.6124 / 1.6875 with a marker on the chart;
#     4fL*/D = 0.5 gives 0.5977 and 2.8604;
#   - the About menu opens the About window as a window of its own;
#   - in a German locale the results read 0,305;
#   - the portable folder from the zip runs and writes nothing outside itself;
#   - the uninstaller (/S) leaves nothing behind.
# Leaves screenshots in build-windows/look/; the one of M = 2 with the About window open
# is the README's docs/windows.png.
#   scripts/windows/check-installed.sh SETUP.EXE ZIP
set -euo pipefail
source "$(dirname "$0")/../setup.sh"
setup_exe=$(realpath "${1:?installer}")
zip_file=$(realpath "${2:?zip}")
ensure_packages xvfb xauth xdotool xclip imagemagick unzip locales
look=$velmora_root/build-windows/look
rm -rf "$look" && mkdir -p "$look"

export WINEPREFIX=$look/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_xvfb 1024x768x24
trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
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

# --- Install -----------------------------------------------------------------------------
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
pixel() { convert "$look/$1.png" -format "%[pixel:p{$2,$3}]" info:; }

declare -A at=()
while read -r name x y; do
    [[ -z $name || $name == \#* ]] || at[$name]="$x $y"
done <"$velmora_root/scripts/lib/control-centres.txt"

start_program() { # EXE [environment...]
    local exe=$1
    shift
    env "$@" wine "$exe" >/dev/null 2>&1 &
    program_pid=$!
    # Left where Wine puts it: with no window manager, Wine 10 does not follow a window
    # moved from outside and takes clicks as meant for its old place.
    main_window=$(xdotool search --sync --onlyvisible --name '^Velmora$' | head -n 1)
    sleep 1
    # The chart's drawing area, blank light yellow at start, anchors every other place.
    shot start
    local box
    box=$(convert "$look/start.png" -fill black +opaque "rgb(255,255,192)" -format '%@' info:)
    # WxH+X+Y of the area inside the chart's frame: 249 x 177 px with the frame.
    read -r chart_w chart_h chart_x chart_y <<<"$(sed 's/[x+]/ /g' <<<"$box")"
    local border=$(((249 - chart_w) / 2))
    client_x=$((chart_x - 8 - border))
    client_y=$((chart_y - 208 - border))
}
click() { # CONTROL
    read -r x y <<<"${at[$1]}"
    xdotool mousemove $((client_x + x)) $((client_y + y)) click 1
    sleep 0.3
}
type_into() { # BOX TEXT
    click "$1"
    xdotool key ctrl+a type --delay 50 "$2"
    sleep 0.5
}
# A double-click selects the whole number; the clipboard then has it.
read_box() { # BOX
    read -r x y <<<"${at[$1]}"
    xdotool mousemove $((client_x + x)) $((client_y + y)) click --repeat 2 --delay 80 1
    sleep 0.2
    xdotool key ctrl+c
    sleep 0.3
    xclip -o -selection clipboard 2>/dev/null || true
}
expect_box() { # BOX TEXT WHAT
    local got
    got=$(read_box "$1")
    [ "$got" = "$2" ] && echo "  $3: $1 reads $got" || fail "$3: $1 reads '$got', not '$2'"
}
# Blue marker pixels within 6 px of the chart point (M, 4fL*/D).
expect_marker() { # SHOT M F
    local x y
    x=$(awk -v m="$2" -v w="$chart_w" 'BEGIN {printf "%d", (m + 0.5) / 5.5 * w}')
    y=$(awk -v f="$3" -v h="$chart_h" 'BEGIN {printf "%d", (-f + 8) / 9 * h}')
    local blue
    blue=$(convert "$look/$1.png" -crop 13x13+$((chart_x + x - 6))+$((chart_y + y - 6)) +repage \
        -fuzz 30% -fill white +opaque "rgb(0,0,255)" -fill black -opaque "rgb(0,0,255)" \
        -format '%[fx:round(w*h*(1-mean))]' info:)
    [ "$blue" -gt 0 ] && echo "  marker at M = $2: $blue blue pixels" || fail "no marker at M = $2, 4fL*/D = $3"
}
# Alt+F4, as a user closes it; Wine's background services end with the server.
close_program() {
    local window attempt
    # The program ends with its last window, the About window included where it is open.
    for attempt in 1 2 3; do
        for window in $(xdotool search --onlyvisible --name '^(About|Velmora)$' || true); do
            xdotool windowfocus "$window" key alt+F4 2>/dev/null || true
            sleep 0.5
        done
        for _ in $(seq 20); do
            kill -0 "$program_pid" 2>/dev/null || break 2
            sleep 0.1
        done
    done
    kill -0 "$program_pid" 2>/dev/null && fail "the program did not end on Alt+F4"
    wineserver -k 2>/dev/null || true
    sleep 1
}

echo "the installed program:"
start_program "C:\\Program Files\\Velmora\\velmora.exe"
# The layout: the chart where the layout table puts it, the γ box white with 1.4.
[ "$chart_w" -ge 240 ] && [ "$chart_h" -ge 168 ] || fail "the chart's area is ${chart_w}x${chart_h}"
expect_box Text_gama 1.4 "at start"

# No mode: a message box with its text (Ctrl+C copies a message box's text on Windows).
click Command1
box_window=""
for _ in $(seq 50); do
    box_window=$(xdotool search --onlyvisible --name '^Velmora$' | grep -vx "$main_window" | head -n 1 || true)
    [ -n "$box_window" ] && break
    sleep 0.1
done
[ -n "$box_window" ] || fail "no message box opened"
xdotool windowfocus "$box_window" key ctrl+c
sleep 0.3
xclip -o -selection clipboard | grep -q "choose an input parameter" &&
    echo "  message box: choose an input parameter" || fail "the message box does not say 'choose an input parameter'"
shot message-box
xdotool key Return
sleep 1.5

click Option_M
type_into Text_Msub 2
click Command1
sleep 0.5
shot mach-2
expect_box Text_FLD4 0.305 "M = 2"
expect_box Text_TTstar 0.6667 "M = 2"
expect_box Text_PPstar 0.4082 "M = 2"
expect_box Text_RoRostar 0.6124 "M = 2"
expect_box Text_PoPostar 1.6875 "M = 2"
expect_marker mach-2 2 0.3049965

# The About menu, just above the client area's top left.
xdotool mousemove $((client_x + 20)) $((client_y - 10)) click 1
about_window=$(xdotool search --sync --onlyvisible --name '^About$' | head -n 1)
xdotool windowmove "$about_window" $((client_x + 300)) 40
sleep 0.5
[ -n "$about_window" ] && echo "  the About window is open beside the main window" || fail "no About window"
shot windows

click Option_FLD4
type_into Text_FLD4 0.5
click Command1
sleep 0.5
shot friction-0.5
expect_box Text_Msub 0.5977 "4fL*/D = 0.5"
expect_box Text_Msup 2.8604 "4fL*/D = 0.5"
close_program

echo "in a German locale:"
grep -q '^de_DE.UTF-8' /etc/locale.gen 2>/dev/null || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
locale -a | grep -qi '^de_DE.utf8$' || locale-gen >/dev/null
start_program "C:\\Program Files\\Velmora\\velmora.exe" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
click Option_M
type_into Text_Msub 2
click Command1
sleep 0.5
shot german
expect_box Text_FLD4 0,305 "M = 2, German"
close_program

# --- The portable folder ------------------------------------------------------------------
echo "the portable folder:"
portable=$look/portable
mkdir -p "$portable"
unzip -q "$zip_file" -d "$portable"
folder=$(find "$portable" -mindepth 1 -maxdepth 1 -type d)
windows_files >"$look/files-before-portable"
start_program "$folder/velmora.exe"
click Option_M
type_into Text_Msub 2
click Command1
sleep 0.5
expect_box Text_FLD4 0.305 "portable, M = 2"
close_program
windows_files >"$look/files-after-portable"
written=$(comm -13 "$look/files-before-portable" "$look/files-after-portable")
[ -z "$written" ] && echo "  wrote nothing outside its folder" || fail "the portable program wrote: $written"

# --- Uninstall ------------------------------------------------------------------------------
# The uninstaller copies itself away and returns at once; the copy does the work.
wine "$installed/Uninstall.exe" /S
for _ in $(seq 100); do
    [ -e "$installed" ] || break
    sleep 0.2
done
sleep 2
windows_files >"$look/files-after-uninstall"
left=$(comm -13 "$look/files-before-install" "$look/files-after-uninstall")
[ -z "$left" ] && echo "uninstalled: no file left behind" || fail "left behind after uninstalling: $left"
if wine reg query "$uninstall_key" >/dev/null 2>&1; then fail "the Apps & features entry is still there"; fi

[ $status -eq 0 ] && echo "check-installed: the installed, the portable and the uninstalled program as expected"
exit $status
