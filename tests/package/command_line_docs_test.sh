#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# Checks the manual page with man's own warnings (as lintian does), and that it and the bash
# completion name every option that --help names, with the program's own version.
# Usage: command_line_docs_test.sh <program> <manual page> <bash completion file>
set -eu
program=$1
page=$2
completion=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
    fail "man cannot format $page: $warnings"
[ -z "$warnings" ] || fail "man warns about $page:
$warnings"

# Wide enough that no option is hyphenated or broken.
rendered=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E ascii -l "$page")
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)
echo "$rendered" | tail -1 | grep -qF "$version" ||
    fail "the manual page's footer does not name $version"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FILES ENVIRONMENT EXAMPLES BUGS; do
    echo "$rendered" | grep -qx "$section" || fail "the manual page has no $section section"
done

options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help | grep -oE -- '--[a-z]+' | sort -u)
[ -n "$options" ] || fail "--help names no options"
for option in $options; do
    echo "$rendered" | grep -qF -- "$option" || fail "the manual page does not describe $option"
done

# What bash offers, one word a line, for the words typed so far (the last one being completed).
complete_words() {
    bash -c '. "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tessavundo
             printf "%s\n" "${COMPREPLY[@]}"' complete "$completion" tessavundo "$@" | sort
}
[ "$(complete_words --)" = "$options" ] ||
    fail "completing -- offers $(complete_words -- | tr '\n' ' ')instead of the options of --help"
[ "$(complete_words --pick --format '')" = "$(printf 'hex\nrgb')" ] ||
    fail "completing --format does not offer hex and rgb"
[ "$(complete_words --pick --format = r)" = rgb ] || fail "completing --format=r does not give rgb"
[ "$(complete_words --pick --format =)" = "$(printf 'hex\nrgb')" ] ||
    fail "completing --format= does not offer hex and rgb"
[ "$(complete_words --pi)" = --pick ] || fail "completing --pi does not give --pick"
echo "the manual page and the completion name every option, and man has no warning"
