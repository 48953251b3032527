#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# Every text of the code has a finished translation in every language: lupdate brings a copy
# of each translation up to date with the code, and nothing in it may be new, unfinished or
# left over from a text the code no longer has. The template for a new language has every text,
# with its translator comment, and no translation.
# Usage: translation_files_test.sh <source dir> <lupdate> <lrelease>
set -eu
source=$1
lupdate=$2
lrelease=$3

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The program's folders: each top-level folder that builds something, but the tests and tools.
folders=$(cd "$source" && for list in */CMakeLists.txt; do dirname "$list"; done |
    grep -vx 'tests\|bench\|fuzz\|cmake\|resources')

set -- "$source"/translations/tessavundo_*.ts
[ -f "$1" ] || fail "no translations in $source/translations"
for committed in "$@"; do
    name=$(basename "$committed")
    copy="$out/$name"
    cp "$committed" "$copy"
    # shellcheck disable=SC2086
    (cd "$source" && "$lupdate" -I . -locations none $folders -ts "$copy") >"$out/lupdate.log" 2>&1 || fail "lupdate failed: $(cat "$out/lupdate.log")"
    grep -q 'Found [0-9]* source text(s) (0 new and' "$out/lupdate.log" ||
        fail "$name lacks texts of the code: $(grep 'Found' "$out/lupdate.log")
run make translations and translate what is new"
    untranslated=$(grep -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$copy" || true)
    [ -z "$untranslated" ] || fail "$name has unfinished or stale texts:
$untranslated"
    grep -q '<translation></translation>' "$copy" && fail "$name has an empty translation"
    "$lrelease" "$copy" -qm "$out/check.qm" >"$out/lrelease.log" 2>&1 ||
        fail "lrelease rejects $name: $(cat "$out/lrelease.log")"
    grep -q ' 0 unfinished' "$out/lrelease.log" || fail "$name: $(cat "$out/lrelease.log")"
done
template="$source/translations/tessavundo.ts"
[ -f "$template" ] || fail "no template $template"
cp "$template" "$out/tessavundo.ts"
# shellcheck disable=SC2086
(cd "$source" && "$lupdate" -I . -locations none $folders -ts "$out/tessavundo.ts") >"$out/lupdate.log" 2>&1 || fail "lupdate failed: $(cat "$out/lupdate.log")"
grep -q 'Found [0-9]* source text(s) (0 new and' "$out/lupdate.log" ||
    fail "the template lacks texts of the code: run make translations"
grep -q '<TS version="2.1">' "$template" || fail "the template names a language"
grep -q '<translation>[^<]' "$template" && fail "the template has a translation"
grep -q 'type="\(vanished\|obsolete\)"' "$out/tessavundo.ts" && fail "the template has stale texts"
# Where a text has a width limit, the translator is told it in pixels.
for caption in Copy '?'; do
    grep -A1 "<source>$caption</source>" "$template" | grep -q '<extracomment>.*[0-9][0-9]* pixels' ||
        fail "the template gives no width for \"$caption\""
done
echo "every text of the code is translated in: $*"
