#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
#
# Tessavundo.exe from the zip, typed into cmd with its output redirected: --help, /? (the
# Windows way of asking for it), --version and a mistyped option reach the file they are
# redirected to, with the exit codes of the command line and no window.
# Usage: console_under_wine_test.sh <zip>
set -euo pipefail
zip=$1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -f "$zip" ] || fail "$zip is missing: build it with cmake --build <dir> --target windows_zip"
[ -n "${WINEPREFIX:-}" ] || fail "run under tests/windows/with-wine"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
exe=$(winepath -w "$(find "$work" -name Tessavundo.exe)")
out=$(winepath -w "$work")

# The folders have no spaces, so cmd's own rules for quotes stay out of the way.
run() { # <arguments and redirection as cmd reads them>
    local status=0
    wine cmd /c "$exe $1" >/dev/null 2>&1 || status=$?
    echo "$status"
}

[ "$(run "--help > $out\\help.txt")" = 0 ] || fail "--help did not exit with 0"
grep -q "^Usage: tessavundo \[OPTION\]" "$work/help.txt" ||
    fail "--help wrote no usage into the redirected file: $(cat "$work/help.txt")"

[ "$(run "/? > $out\\question.txt")" = 0 ] || fail "/? did not exit with 0"
cmp -s "$work/help.txt" "$work/question.txt" || fail "/? does not print the help of --help"

[ "$(run "--version > $out\\version.txt")" = 0 ] || fail "--version did not exit with 0"
[ "$(tr -d '\r' <"$work/version.txt")" = "Tessavundo 1.00" ] ||
    fail "--version printed: $(cat "$work/version.txt")"

# A wrong option: the complaint on the redirected standard error, nothing on the output.
[ "$(run "--colour > $out\\wrong.txt 2> $out\\wrong-error.txt")" = 2 ] ||
    fail "a wrong option did not exit with 2"
[ ! -s "$work/wrong.txt" ] || fail "a wrong option printed on the standard output"
grep -q "^tessavundo: unknown option '--colour'" "$work/wrong-error.txt" ||
    fail "a wrong option's complaint did not reach the standard error"
echo "help, /?, the version and a wrong option reach cmd's redirected files"
