#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# The presets carry Debian's hardening flags written out, so that a plain cmake --preset builds
# what make builds; this keeps them in step with what dpkg-buildflags gives on this machine.
# Usage: presets_flags_test.sh <source dir>
set -eu
source_dir=$1

command -v dpkg-buildflags >/dev/null || {
    echo "SKIP: dpkg-buildflags is not installed (dpkg-dev)"
    exit 77
}

hardening() {
    DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP='-g -O2' \
        dpkg-buildflags --get "$1"
}
# dpkg-buildflags maps the folder it runs in; the preset maps the source folder.
expected_cxx=$(cd "$source_dir" && echo $(hardening CPPFLAGS) $(hardening CXXFLAGS))
expected_ld=$(hardening LDFLAGS)

preset() {
    python3 -c '
import json, sys
presets = {p["name"]: p for p in json.load(open(sys.argv[1]))["configurePresets"]}
print(presets["hardened"]["cacheVariables"][sys.argv[2]].replace("${sourceDir}", sys.argv[3]))
' "$source_dir/CMakePresets.json" "$1" "$(cd "$source_dir" && pwd)"
}

status=0
for pair in "CMAKE_CXX_FLAGS|$expected_cxx" "CMAKE_EXE_LINKER_FLAGS|$expected_ld"; do
    name=${pair%%|*}
    expected=${pair#*|}
    actual=$(preset "$name")
    if [ "$actual" != "$expected" ]; then
        echo "FAIL: $name of the presets is '$actual', dpkg-buildflags gives '$expected'" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "the presets carry dpkg-buildflags' hardening flags"
exit "$status"
