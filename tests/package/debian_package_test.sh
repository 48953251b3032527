#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# Builds the Debian package with CPack into a temporary folder and checks its name, version,
# contents and declared dependencies with dpkg-deb.
# Usage: debian_package_test.sh <build dir> <application id> <version> <source dir> [<architecture>]
# The architecture is dpkg's name of the machine the build is for: this one's unless given (a
# cross build gives its target's).
set -eu
build=$1
app_id=$2
version=$3
source=$4
architecture=${5:-$(dpkg --print-architecture)}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$out/cpack.log")"
set -- "$out"/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one package, found: $*"
deb=$1
[ "$(basename "$deb")" = "tessavundo_${version}_${architecture}.deb" ] ||
    fail "unexpected file name $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$architecture" ] ||
    fail "package architecture is $(dpkg-deb -f "$deb" Architecture), not $architecture"

[ "$(dpkg-deb -f "$deb" Package)" = tessavundo ] || fail "package name is not tessavundo"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"

# Exactly the installed files, under /usr.
translations=$(for ts in "$source"/translations/tessavundo_*.ts; do
    echo "./usr/share/tessavundo/translations/$(basename "$ts" .ts).qm"
done)
expected="$translations
./usr/bin/tessavundo
./usr/share/applications/$app_id.desktop
./usr/share/bash-completion/completions/tessavundo
./usr/share/doc/tessavundo/changelog.gz
./usr/share/doc/tessavundo/copyright
./usr/share/icons/hicolor/16x16/apps/$app_id.png
./usr/share/icons/hicolor/22x22/apps/$app_id.png
./usr/share/icons/hicolor/24x24/apps/$app_id.png
./usr/share/icons/hicolor/32x32/apps/$app_id.png
./usr/share/icons/hicolor/48x48/apps/$app_id.png
./usr/share/icons/hicolor/64x64/apps/$app_id.png
./usr/share/icons/hicolor/128x128/apps/$app_id.png
./usr/share/icons/hicolor/256x256/apps/$app_id.png
./usr/share/icons/hicolor/512x512/apps/$app_id.png
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/man/man1/tessavundo.1.gz
./usr/share/metainfo/$app_id.metainfo.xml"
listing=$(dpkg-deb -c "$deb")
contents=$(echo "$listing" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort)
[ "$contents" = "$(echo "$expected" | LC_ALL=C sort)" ] || fail "package contents differ:
$contents"
echo "$listing" | grep -q '^-rwxr-xr-x root/root .* ./usr/bin/tessavundo$' ||
    fail "the program is not an executable owned by root"

# Package names of the Depends field, alternatives and version constraints dropped.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | sed '/^$/d')
declared() { echo "$names" | grep -qx "$1"; }

# Every library the program links directly comes from a declared package.
dpkg-deb -x "$deb" "$out/root"
for library in $(objdump -p "$out/root/usr/bin/tessavundo" | awk '$1 == "NEEDED" {print $2}'); do
    path=$(ldconfig -p | awk -v lib="$library" '$1 == lib && /x86-64|x86_64/ {print $NF; exit}')
    [ -n "$path" ] || fail "$library is not found on this system"
    owner=""
    for candidate in "$path" "$(readlink -f "$path")" "${path#/usr}" "/usr$path"; do
        owner=$(dpkg-query -S "$candidate" 2>/dev/null | head -1 | cut -d: -f1)
        [ -n "$owner" ] && break
    done
    [ -n "$owner" ] || fail "no package owns $path"
    declared "$owner" || fail "$library comes from $owner, which Depends does not name: $depends"
done

# Qt loads its platform plugins at run time, so no linked library names them.
declared qt6-qpa-plugins || fail "qt6-qpa-plugins is not declared: the program could not start"

# Each declared dependency is a Debian package in a version that satisfies the constraint.
echo "$depends" | tr ',' '\n' | while read -r dependency; do
    name=$(echo "$dependency" | sed 's/ *(.*//')
    installed=$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null) ||
        fail "$name is not a package of this system"
    constraint=$(echo "$dependency" | sed -n 's/.*(\(.*\)).*/\1/p')
    if [ -n "$constraint" ]; then
        # shellcheck disable=SC2086
        set -- $constraint
        dpkg --compare-versions "$installed" "$1" "$2" ||
            fail "$name $installed does not satisfy ($constraint)"
    fi
done
echo "the package holds the program and its launcher files and declares what it needs"
