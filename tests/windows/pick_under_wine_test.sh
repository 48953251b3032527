#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
#
# Tessavundo.exe --pick under Wine on the X server of with-wine, driven with xdotool: a click
# on the root window's color prints it, Esc cancels, and --help names Windows' own clip.
# Usage: pick_under_wine_test.sh <zip>
set -euo pipefail
zip=$1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ] || fail "run under tests/windows/with-wine"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
exe=$(find "$work" -name Tessavundo.exe)
[ -n "$exe" ] || fail "the zip holds no Tessavundo.exe"
unset WINEPATH

wine "$exe" --help 2>/dev/null | tr -d '\r' | grep -q -- '--pick | clip$' ||
    fail "--help does not name clip as the clipboard command"

# Starts a pick, waits for its hooks, then sends the given xdotool input; leaves the exit
# status in $status and the output in $work/out.
pick() {
    (wine "$exe" --pick >"$work/out" 2>"$work/err") &
    local pid=$!
    sleep 3
    xdotool "$@"
    status=0
    wait "$pid" || status=$?
}

xsetroot -solid '#2a7f3c'
xdotool mousemove --sync 40 40
pick click 1
[ "$status" = 0 ] || fail "a click exited with $status: $(cat "$work/err")"
[ "$(tr -d '\r' <"$work/out")" = "#2A7F3C" ] || fail "a click printed '$(cat "$work/out")'"

pick key Escape
[ "$status" = 1 ] || fail "Esc exited with $status"
[ ! -s "$work/out" ] || fail "Esc printed '$(cat "$work/out")'"
echo "PASS"
