#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# Builds the Debian package with CPack into a temporary folder and checks it as Debian checks
# its own: lintian at the pedantic level finds nothing but what an override explains, and the
# program carries the hardening of Debian's builds, read back with readelf.
# Usage: lintian_test.sh <build dir>
set -eu
build=$1
skip=77

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

command -v lintian >/dev/null || {
    echo "SKIP: lintian is not installed (scripts/install-deps test installs it)"
    exit $skip
}
grep -q '^CMAKE_CXX_FLAGS:.*-D_FORTIFY_SOURCE' "$build/CMakeCache.txt" || {
    echo "SKIP: $build was configured without Debian's hardening flags; configure it with make"
    exit $skip
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$out/cpack.log")"
set -- "$out"/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one package, found: $*"
deb=$1

report=$(lintian --info --pedantic --display-experimental --display-level '>=pedantic' "$deb" 2>&1) ||
    fail "lintian failed:
$report"
findings=$(echo "$report" | grep '^[EWIPX]: ' || true)
[ -z "$findings" ] || fail "lintian finds:
$findings"

dpkg-deb -x "$deb" "$out/root"
program="$out/root/usr/bin/tessavundo"
readelf -h "$program" | grep -q 'Type: *DYN' || fail "the program is not position-independent"
readelf -l "$program" | grep -q 'GNU_RELRO' || fail "the program has no read-only relocations"
readelf -d "$program" | grep -q 'FLAGS.*\bNOW\b' || fail "the program does not bind at start-up"
readelf -S "$program" | grep -q '\.comment' && fail "the program keeps its .comment section"
# Fortifying is the compiler's work, so it shows in how each source was compiled.
commands=$(grep '"command"' "$build/compile_commands.json")
[ -n "$commands" ] || fail "no compile commands in $build"
for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Werror=format-security; do
    missing=$(echo "$commands" | grep -cv -e "$flag" || true)
    [ "$missing" -eq 0 ] || fail "$missing sources compiled without $flag"
done
echo "lintian passes the package and the program is hardened"
