#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
#
# The real Tessavundo.exe from the zip, unpacked into a folder of its own and started from there
# with nothing else on the DLL search path, under Wine on the X server of with-wine, driven with
# xdotool: the first-run window, typing in both fields, Copy, the eyedropper over the root
# window's color, closing, the nine registry values and their return at the next start.
# Usage: picker_under_wine_test.sh <zip> [screenshot.png]
set -euo pipefail
zip=$1
screenshot=${2:-}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -f "$zip" ] || fail "$zip is missing: build it with cmake --build <dir> --target windows_zip"
[ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ] || fail "run under tests/windows/with-wine"

work=$(mktemp -d)
wm_pid=""
picker_pid=""
cleanup() {
    [ -z "$picker_pid" ] || kill "$picker_pid" 2>/dev/null || true
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

folder="$work/Any folder"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
exe=$(find "$folder" -name Tessavundo.exe)
[ -n "$exe" ] || fail "the zip holds no Tessavundo.exe"
# Each language's translation beside the program, with Qt's own of the same language.
for qm in "$(dirname "$exe")"/translations/tessavundo_*.qm; do
    [ -f "$qm" ] || fail "the zip holds no translations folder beside Tessavundo.exe"
    language=${qm##*/tessavundo_}
    [ -f "$(dirname "$exe")/translations/qtbase_$language" ] || fail "the zip lacks qtbase_$language"
done

settings='HKCU\Software\VB and VBA Program Settings\ColorPicker\position'
wine reg delete "$settings" /f >/dev/null 2>&1 || true

# A window manager, so that a close request reaches the window as the user's click would.
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
xsetroot -solid '#123456'

window=""
start_picker() {
    (unset WINEPATH && exec wine "$exe") >/dev/null 2>&1 &
    picker_pid=$!
    window=""
    for _ in $(seq 1 150); do
        window=$(xdotool search --onlyvisible --name '^Tessavundo$' 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || fail "no Tessavundo window appeared"
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    sleep 0.5
}

# Wine's windows are X windows: this one is the client area.
origin() { xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'; }
size() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

# The color of the screen pixel at a point of the client area, as #RRGGBB.
pixel() {
    read -r ox oy <<<"$(origin)"
    import -window root -crop "1x1+$((ox + $1))+$((oy + $2))" -depth 8 txt:- |
        grep -o '#[0-9A-F]\{6\}' | head -n 1
}

click() {
    read -r ox oy <<<"$(origin)"
    xdotool mousemove --sync $((ox + $1)) $((oy + $2)) click 1
    sleep 0.3
}

# Waits up to five seconds for a pixel of the client area to take a color.
expect_pixel() { # <x> <y> <#RRGGBB> <what>
    local color=""
    for _ in $(seq 1 25); do
        color=$(pixel "$1" "$2")
        [ "$color" = "$3" ] && return 0
        sleep 0.2
    done
    fail "$4: $color instead of $3"
}

clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }

expect_clipboard() {
    local text=""
    for _ in $(seq 1 25); do
        text=$(clipboard)
        [ "$text" = "$1" ] && return 0
        sleep 0.2
    done
    fail "$2: the clipboard holds '$text', not '$1'"
}

# Text1 (rgb) at 296,40 and Text2 (hex) at 296,72, each 89 x 25; their Copy buttons at 392.
type_into() {
    click $(($1 + 40)) $(($2 + 12))
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 50 "$3"
    sleep 0.3
}

start_picker
[ "$(size)" = 441x273 ] || fail "the client area is $(size), not 441x273"

# First run: red; the shade field's corners white (top left) and black (bottom left), the top
# of the rainbow bar red, the preview red.
[ "$(pixel 9 9)" = "#FFFFFF" ] || fail "the field's top-left pixel is $(pixel 9 9)"
[ "$(pixel 9 264)" = "#000000" ] || fail "the field's bottom-left pixel is $(pixel 9 264)"
[ "$(pixel 364 172)" = "#FF0000" ] || fail "the preview is $(pixel 364 172)"
[ -z "$screenshot" ] || import -window root "$screenshot"
# The hue marker covers the bar's first row; the next one is red with a trace of blue.
[[ "$(pixel 280 10)" == "#FF00"* ]] || fail "the top of the rainbow bar is $(pixel 280 10)"

click 412 52
expect_clipboard "rgb(255,0,0)" "Copy beside the rgb field"

# The rgb field first: until it has had the focus, every write into it from the hex field
# converts back into the hex field, under the typing.
type_into 296 40 "rgb(0,0,255)"
expect_pixel 364 172 "#0000FF" "the preview after typing rgb(0,0,255)"
click 412 84
expect_clipboard "#0000FF" "the hex field after typing in the rgb field"

type_into 296 72 "#00FF00"
expect_pixel 364 172 "#00FF00" "the preview after typing #00FF00"
click 412 52
expect_clipboard "rgb(0,255,0)" "the rgb field after typing in the hex field"

# The eyedropper reads the root window's color under the pointer; Esc copies its hex text.
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 0.3
click 340 20
xdotool mousemove --sync 20 20
expect_pixel 364 172 "#123456" "the eyedropper over the root window"
xdotool key Escape
expect_clipboard "#123456" "Esc after sampling"

read -r left top <<<"$(origin)"
wmctrl -c Tessavundo
for _ in $(seq 1 50); do
    kill -0 "$picker_pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$picker_pid" 2>/dev/null && fail "the picker did not end when its window was closed"
picker_pid=""

values=$(wine reg query "$settings" 2>/dev/null | tr -d '\r')
for name in left top color col1 col2 col3 col4 col5 col6; do
    grep -qE "^ +$name +REG_SZ +" <<<"$values" || fail "no REG_SZ value $name in:
$values"
done
grep -qE "^ +color +REG_SZ +5649426$" <<<"$values" ||
    fail "color is not 5649426 (#123456):
$values"
grep -qE "REG_SZ +16711680$" <<<"$values" || fail "no swatch holds blue:
$values"

# The next start finds it all again: the color, and the window where it was.
start_picker
click 412 52
expect_clipboard "rgb(18,52,86)" "the rgb field after a restart"
[ "$(origin)" = "$left $top" ] || fail "the window came back at $(origin), not $left $top"

# The end of the Windows session (WM_QUERYENDSESSION, WM_ENDSESSION) saves like closing.
type_into 296 40 "rgb(26,43,60)"
expect_pixel 364 172 "#1A2B3C" "the preview after typing rgb(26,43,60)"
wine wineboot --end-session >/dev/null 2>&1 || true
for _ in $(seq 1 50); do
    kill -0 "$picker_pid" 2>/dev/null || break
    sleep 0.2
done
# Wine ends the session's programs by force once their windows have answered.
wait "$picker_pid" 2>/dev/null || true
picker_pid=""
wine reg query "$settings" /v color 2>/dev/null | tr -d '\r' | grep -qE "color +REG_SZ +3943194$" ||
    fail "the end of the session did not save #1A2B3C:
$(wine reg query "$settings" 2>&1)"
echo "the Windows picker starts, converts, copies, samples, saves and restores under Wine"
