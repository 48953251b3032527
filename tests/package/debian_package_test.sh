#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# Builds the Debian package with CPack into a temporary folder and checks its name, version,
# architecture, contents and declared dependencies with dpkg-deb.
# Usage: debian_package_test.sh <build dir> <application id> <version> <source dir>
#                               [<architecture> <sysroot>]
# The architecture is dpkg's name of the machine the build is for: this one's unless given. A
# cross build gives its target's, and the root of the target's packages (scripts/cross-sysroot):
# the libraries and their packages are looked up there instead of on this machine.
set -eu
build=$1
app_id=$2
version=$3
source=$4
architecture=${5:-$(dpkg --print-architecture)}
sysroot=${6:-}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
multiarch=$(dpkg-architecture -a "$architecture" -q DEB_HOST_MULTIARCH 2>/dev/null) ||
    fail "dpkg knows no architecture $architecture"

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

# The machine code is the architecture's, as readelf names it.
case $architecture in
amd64) machine="Advanced Micro Devices X86-64" ;;
arm64) machine=AArch64 ;;
i386) machine="Intel 80386" ;;
s390x) machine="IBM S/390" ;;
*) fail "no machine name known for $architecture" ;;
esac
dpkg-deb -x "$deb" "$out/root"
program=$out/root/usr/bin/tessavundo
found=$(readelf -h "$program" | sed -n 's/^ *Machine: *//p')
[ "$found" = "$machine" ] || fail "the program is built for $found, not $machine"

# Package names of the Depends field, alternatives and version constraints dropped.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | sed '/^$/d')
declared() { echo "$names" | grep -qx "$1"; }

# The target's packages: this machine's, or those of the sysroot's own dpkg database.
query() {
    if [ -n "$sysroot" ]; then
        dpkg-query --admindir="$sysroot/var/lib/dpkg" "$@"
    else
        dpkg-query "$@"
    fi
}
# The path of a library in the target's library folders, as its package lists it.
find_library() {
    for folder in /usr/lib/$multiarch /lib/$multiarch; do
        if [ -e "$sysroot$folder/$1" ]; then
            echo "$folder/$1"
            return
        fi
    done
}

# Every library the program links directly comes from a declared package.
for library in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p'); do
    path=$(find_library "$library")
    [ -n "$path" ] || fail "$library is not found in the $architecture library folders"
    real=$(readlink -f "$sysroot$path")
    owner=""
    for candidate in "$path" "${real#"$sysroot"}" "${path#/usr}" "/usr$path"; do
        owner=$(query -S "$candidate" 2>/dev/null | head -1 | cut -d: -f1)
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
    installed=$(query -W -f='${Version}' "$name" 2>/dev/null) ||
        fail "$name is not a package of $architecture"
    constraint=$(echo "$dependency" | sed -n 's/.*(\(.*\)).*/\1/p')
    if [ -n "$constraint" ]; then
        # shellcheck disable=SC2086
        set -- $constraint
        dpkg --compare-versions "$installed" "$1" "$2" ||
            fail "$name $installed does not satisfy ($constraint)"
    fi
done
echo "the package holds the program and its launcher files and declares what it needs"
