#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks that everything the launcher entry
# names is where a desktop looks for it, then runs the platform's own validators on it.
# Usage: installed_files_test.sh <build dir> <application id> <source dir>
set -eu
build=$1
app_id=$2
source=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# Exactly these files, nothing more: one compiled translation for each in the source tree.
translations=$(for ts in "$source"/translations/tessavundo_*.ts; do
    echo "share/tessavundo/translations/$(basename "$ts" .ts).qm"
done)
[ -n "$translations" ] || fail "no translations in $source/translations"
expected="$translations
bin/tessavundo
share/applications/$app_id.desktop
share/bash-completion/completions/tessavundo
share/doc/tessavundo/changelog.gz
share/doc/tessavundo/copyright
share/icons/hicolor/16x16/apps/$app_id.png
share/icons/hicolor/22x22/apps/$app_id.png
share/icons/hicolor/24x24/apps/$app_id.png
share/icons/hicolor/32x32/apps/$app_id.png
share/icons/hicolor/48x48/apps/$app_id.png
share/icons/hicolor/64x64/apps/$app_id.png
share/icons/hicolor/128x128/apps/$app_id.png
share/icons/hicolor/256x256/apps/$app_id.png
share/icons/hicolor/512x512/apps/$app_id.png
share/icons/hicolor/scalable/apps/$app_id.svg
share/man/man1/tessavundo.1.gz
share/metainfo/$app_id.metainfo.xml"
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$(echo "$expected" | LC_ALL=C sort)" ] ||
    fail "installed files differ from the expected ones:
$installed"

entry="$prefix/share/applications/$app_id.desktop"
# A key of the [Desktop Entry] group, not of the actions after it.
key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$entry"; }

# The launcher runs Exec through PATH, so the program must be a plain name in bin/.
program=$(key Exec | cut -d' ' -f1)
case $program in */*) fail "Exec names a path, not a program on PATH: $program" ;; esac
[ -x "$prefix/bin/$program" ] || fail "Exec=$program is not an executable in bin/"

# The icon name resolves in the hicolor theme, at every size of the theme and scalable.
icon=$(key Icon)
[ "$icon" = "$app_id" ] || fail "Icon=$icon is not the application id $app_id"
for size in 16 22 24 32 48 64 128 256 512; do
    png="$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png"
    [ "$(identify -format '%m %wx%h' "$png")" = "PNG ${size}x$size" ] ||
        fail "$png is not a ${size}x$size PNG"
done
svg="$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
grep -q '<svg[^>]*xmlns="http://www.w3.org/2000/svg"' "$svg" || fail "$svg is not an SVG image"

[ -n "$(key StartupWMClass)" ] || fail "no StartupWMClass: the dock cannot group the window"

# The AppStream record is the same component and launches this entry.
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"

desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
# Every hint counts, down to the pedantic ones, but one: AppStream 0.16 predates the
# <developer> tag that replaced <developer_name>, and calls it unknown.
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1 || true)
echo "$report" | grep -q '^✔ Validation was successful' || fail "appstreamcli rejects the metainfo:
$report"
hints=$(echo "$report" | grep '^[EWIP]: ' | grep -v ': unknown-tag developer$' || true)
[ -z "$hints" ] || fail "appstreamcli has hints on the metainfo:
$hints"
# appstream-glib's checks, which the software centres of other distributions run.
appstream-util validate --nonet "$metainfo" >/dev/null || fail "appstream-util rejects the metainfo:
$(appstream-util validate --nonet "$metainfo" 2>&1)"
# The screenshot is published from docs/ under the same name.
image=$(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$metainfo")
shot="$source/docs/screenshots/$(basename "$image")"
[ "$(identify -format '%m' "$shot")" = PNG ] || fail "the screenshot $image is not in docs/screenshots"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the metainfo names no licence"
for keyword in color colour picker eyedropper palette hex rgb screen; do
    grep -q "<keyword>$keyword</keyword>" "$metainfo" || fail "the metainfo lacks keyword $keyword"
done
# Every installed translation is a language of the record, and no other.
languages=$(sed -n 's|^ *<lang>\(.*\)</lang>$|\1|p' "$metainfo" | LC_ALL=C sort)
[ "$languages" = "$(echo "$translations" | sed 's|.*/tessavundo_\(.*\)\.qm$|\1|' | LC_ALL=C sort)" ] ||
    fail "the metainfo's languages are not those installed: $languages"
# Translated texts of the entry, the record (but its release notes) and the launcher action in
# each of them.
record=$(sed '/<releases>/,$d' "$metainfo")
for language in $languages; do
    for entry_key in GenericName Comment Keywords; do
        grep -q "^$entry_key\[$language\]=" "$entry" || fail "the entry has no $entry_key[$language]"
    done
    [ "$(grep -c "^Name\[$language\]=" "$entry")" = 1 ] ||
        fail "the launcher action has no Name[$language]"
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "the metainfo has no $language summary"
    [ "$(echo "$record" | grep -c "xml:lang=\"$language\"")" = "$(echo "$record" | grep -c '<\(p\|li\|summary\)>')" ] ||
        fail "the metainfo's description is not wholly in $language"
done
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"
echo "installed files are where the launcher expects them"
