#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# Compiles the Windows version record with mingw-w64's windres and reads the compiled resource
# back, so that a mistake in the script or in its values shows without a Windows build.
# Usage: version_record_test.sh <configured resource script> <web address>
set -eu
script=$1
homepage=$2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

windres=x86_64-w64-mingw32-windres
command -v "$windres" >/dev/null || fail "$windres is missing (package binutils-mingw-w64-x86-64)"
headers=/usr/share/mingw-w64/include
[ -f "$headers/winresrc.h" ] || fail "no Windows headers in $headers (package mingw-w64-x86-64-dev)"

# Debian ships no mingw-w64 compiler with windres, so the host preprocessor stands in, told
# what the Windows resource compiler defines.
"$windres" --preprocessor=cpp -I "$headers" -D_WIN32 -D_WIN64 -DRC_INVOKED \
    -i "$script" -O res -o "$out/tessavundo.res" || fail "windres cannot compile $script"
"$windres" -i "$out/tessavundo.res" -J res -O rc -o "$out/decompiled.rc" ||
    fail "windres cannot read the compiled resource back"

decompiled="$out/decompiled.rc"
expect() {
    grep -qF "$1" "$decompiled" || fail "the compiled record lacks: $1
$(cat "$decompiled")"
}
expect 'LANGUAGE 7, 1'
expect 'VERSIONINFO'
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'BLOCK "040704B0"'
expect 'VALUE "InternalName", "Tessavundo"'
expect 'VALUE "OriginalFilename", "Tessavundo.exe"'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect "VALUE \"ProductName\", \"Tessavundo - $homepage\""
expect 'VALUE "Translation", 0x407, 1200'
# What Explorer's Details tab shows besides the fields above.
expect 'VALUE "CompanyName", "The Tessavundo developers"'
expect 'VALUE "FileDescription", "Tessavundo color picker"'
expect 'VALUE "LegalCopyright", "Copyright (c) 2026 The Tessavundo developers"'
echo "the version record compiles and holds the expected values"
