#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
#
# Tessavundo.exe --pick under Wine on the X server of with-wine, driven with xdotool: a click
# prints the exact pixel under it, the arrows (ten with Shift) and Return or Space pick the
# pixel they lead to, Esc and a right click cancel, --copy leaves the color on the clipboard
# after the program has ended, and --help names Windows' own clip. Every pick has a time limit,
# so that a pick that never answers fails the test.
# Usage: pick_under_wine_test.sh <zip> [magnifier-screenshot.png]
set -euo pipefail
zip=$1
screenshot=${2:-}

# Longer than a pick under a loaded Wine takes, far shorter than the test's own limit.
pick_limit=40
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ] || fail "run under tests/windows/with-wine"

work=$(mktemp -d)
pick_pid=""
cleanup() {
    [ -z "$pick_pid" ] || kill "$pick_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
unzip -q "$zip" -d "$work"
exe=$(find "$work" -name Tessavundo.exe)
[ -n "$exe" ] || fail "the zip holds no Tessavundo.exe"
unset WINEPATH

wine "$exe" --help 2>/dev/null | tr -d '\r' | grep -q -- '--pick | clip$' ||
    fail "--help does not name clip as the clipboard command"

# The root's tile: blue, with red at (0,0) and (11,1) of every 16 x 16 square; a step too few
# or too many lands on blue.
cat >"$work/dots.xbm" <<'XBM'
#define dots_width 16
#define dots_height 16
static unsigned char dots_bits[] = {
   0x01, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
XBM
red='#FF0000'
blue='#0000FF'

# Starts a pick with the given options, waits until its capture window is up, then sends
# the given xdotool commands (one per argument); leaves the exit status in $status.
pick() { # <options> <xdotool command>...
    local options=$1
    shift
    # shellcheck disable=SC2086
    (exec timeout "$pick_limit" wine "$exe" --pick $options >"$work/out" 2>"$work/err") &
    pick_pid=$!
    local shown=""
    for _ in $(seq 1 100); do
        shown=$(xdotool search --onlyvisible --classname 'tessavundo.exe' 2>/dev/null) || true
        [ -n "$shown" ] && break
        sleep 0.1
    done
    [ -n "$shown" ] || fail "no capture window appeared: $(cat "$work/err")"
    sleep 0.5
    for command in "$@"; do
        # shellcheck disable=SC2086
        xdotool $command
        sleep 0.2
    done
    status=0
    wait "$pick_pid" || status=$?
    pick_pid=""
    [ "$status" != 124 ] || fail "the pick after '$*' did not end within $pick_limit s"
}

expect_printed() { # <color> <what>
    [ "$status" = 0 ] || fail "$2 exited with $status: $(cat "$work/err")"
    [ "$(tr -d '\r' <"$work/out")" = "$1" ] || fail "$2 printed '$(cat "$work/out")', not $1"
}

expect_cancelled() { # <what>
    [ "$status" = 1 ] || fail "$1 exited with $status, not 1 (cancelled)"
    [ ! -s "$work/out" ] || fail "$1 printed '$(cat "$work/out")'"
}

xsetroot -solid '#2a7f3c'
pick "" "mousemove --sync 40 40" "click 1"
expect_printed '#2A7F3C' "a click on the root's color"

xsetroot -bitmap "$work/dots.xbm" -fg "$red" -bg "$blue"
pick "" "mousemove --sync 43 33" "click 1"
expect_printed "$red" "a click on a single red pixel"
pick "" "mousemove --sync 44 33" "click 1"
expect_printed "$blue" "a click beside the red pixel"
# The magnifier stood beside 40,40, over 200,200, until the pointer jumped there and clicked at
# once (one xdotool call), before the magnifier had left or the window below had painted there.
pick "" "mousemove --sync 40 40" "mousemove --sync 200 200 click 1"
expect_printed "$blue" "a click where the magnifier stood"

pick "" "mousemove --sync 32 32" "key shift+Right" "key Right" "key Down" "key Return"
expect_printed "$red" "Shift+Right, Right, Down and Return from 32,32"
pick "" "mousemove --sync 32 32" "key shift+Right" "key Down" "key Return"
expect_printed "$blue" "Shift+Right, Down and Return from 32,32"
pick "" "mousemove --sync 3 4" "key shift+Left" "key shift+Up" "key space"
expect_printed "$red" "Shift+Left and Shift+Up against the screen's corner, then Space"
pick "" "mousemove --sync 1279 1023" "key shift+Right" "key shift+Down" "key Left" "key KP_Enter"
expect_printed "$blue" "the arrows against the far corner, then the keypad's Enter"

pick "" "mousemove --sync 40 40" "key Escape"
expect_cancelled "Esc"
pick "" "mousemove --sync 40 40" "click 3"
expect_cancelled "a right click"

# The clipboard keeps the color after the program has gone; Wine hands it to the X clipboard.
echo stale | xclip -i -selection clipboard
pick "--copy --format rgb" "mousemove --sync 43 33" "click 1"
[ "$status" = 0 ] || fail "--copy exited with $status: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "--copy printed '$(cat "$work/out")'"
copied=$(xclip -o -selection clipboard | tr -d '\r')
[ "$copied" = "rgb(255,0,0)" ] || fail "--copy left '$copied' on the clipboard"

# Starts a pick without answering it, once its capture window is up.
start_pick() {
    (exec timeout "$pick_limit" wine "$exe" --pick >/dev/null 2>&1) &
    pick_pid=$!
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --classname 'tessavundo.exe' >/dev/null 2>&1 && break
        sleep 0.1
    done
    sleep 0.5
}

end_pick() {
    xdotool key Escape
    wait "$pick_pid" || true
    pick_pid=""
}

# The screen's color at a point, as #RRGGBB.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1; }

# The magnifier: the smaller of the pick's windows, with cells of eight pixels.
magnifier_cell() { # <columns right of the centre> <rows below it>
    local window geometry
    for window in $(xdotool search --onlyvisible --classname 'tessavundo.exe'); do
        geometry=$(xwininfo -id "$window" |
            awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2}
                 END {print x, y, w}')
        read -r x y width <<<"$geometry"
        if [ "$width" = 120 ]; then
            pixel $((x + (7 + $1) * 8 + 4)) $((y + (7 + $2) * 8 + 4))
            return
        fi
    done
    fail "no magnifier window"
}

# At 200 % (192 dots per inch) the program, aware of each monitor's scale, still steps and reads
# physical pixels: one arrow press is one pixel, not two.
desktop='HKCU\Control Panel\Desktop'
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
pick "" "mousemove --sync 32 32" "key shift+Right" "key Right" "key Down" "key Return"
expect_printed "$red" "the arrows at 200 %"
pick "" "mousemove --sync 43 33" "click 1"
expect_printed "$red" "a click at 200 %"
wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1

# The magnifier follows the pointer and shows the pixels around it, one pixel to a cell, and
# never covers them.
start_pick
xdotool mousemove --sync 43 33
sleep 1
[ "$(magnifier_cell 0 0)" = "$red" ] || fail "the magnifier's centre is $(magnifier_cell 0 0)"
[ "$(magnifier_cell -1 0)" = "$blue" ] || fail "the magnifier's cell left of the centre is red"
[ "$(magnifier_cell 0 -1)" = "$blue" ] || fail "the magnifier's cell above the centre is red"
[ "$(pixel 43 33)" = "$red" ] || fail "the magnifier covers the pixel under the pointer"
xdotool key Right
sleep 1
[ "$(magnifier_cell -1 0)" = "$red" ] && [ "$(magnifier_cell 0 0)" = "$blue" ] ||
    fail "the magnifier did not follow the arrow one pixel to the right"
end_pick

if [ -n "$screenshot" ]; then
    # Squares of four pixels in random colors, to see each cell of the view as one pixel.
    convert -size 320x256 xc: -seed 5 -channel RGB -fx "rand()" -sample 400% "$work/pattern.png"
    display -window root "$work/pattern.png" || true
    xdotool mousemove --sync 600 400
    start_pick
    xdotool mousemove --sync 618 418
    sleep 1
    import -window root -crop 240x240+560+360 "$screenshot"
    end_pick
fi
echo "PASS"
