#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
#
# The NSIS installer under Wine, silently: for all users into a chosen folder and for the
# current user into the default one; each registers its uninstaller and a Start-menu shortcut,
# and its silent uninstall removes exactly the program and never the picker's settings.
# Usage: installer_under_wine_test.sh <setup.exe>
set -euo pipefail
setup=$1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -f "$setup" ] || fail "$setup is missing: build it with cmake --build <dir> --target windows_installer"
[ -n "${WINEPREFIX:-}" ] || fail "run under tests/windows/with-wine"

uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessavundo'
settings='HKCU\Software\VB and VBA Program Settings\ColorPicker\position'
wine reg add "$settings" /v color /t REG_SZ /d 5649426 /f >/dev/null

# The uninstaller copies itself away and returns at once; what it removes goes afterwards.
wait_gone() {
    for _ in $(seq 1 100); do
        [ -e "$1" ] || return 0
        sleep 0.2
    done
    fail "$1 is still there after the uninstall"
}

check_install() { # <unix folder> <hive> <mode>
    local folder=$1 hive=$2
    for file in Tessavundo.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
        styles/qwindowsvistastyle.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
        translations/tessavundo_de.qm translations/qtbase_de.qm translations/tessavundo_ja.qm \
        translations/qtbase_ja.qm uninstall.exe; do
        [ -f "$folder/$file" ] || fail "the installer did not put $file into $folder"
    done
    local entry
    entry=$(wine reg query "$hive\\$uninstall_key" 2>/dev/null | tr -d '\r') ||
        fail "no uninstall entry under $hive"
    for value in "DisplayName +REG_SZ +Tessavundo$" "DisplayVersion +REG_SZ +1.00$" \
        "Publisher +REG_SZ +The Tessavundo developers$" "DisplayIcon +REG_SZ +.*Tessavundo.exe\",0$" \
        "UninstallString +REG_SZ +.*uninstall.exe" "EstimatedSize +REG_DWORD +0x[0-9a-f]+$"; do
        grep -qE "$value" <<<"$entry" || fail "the uninstall entry lacks $value:
$entry"
    done
    grep -E "EstimatedSize" <<<"$entry" | grep -qvE "0x0+$" || fail "EstimatedSize is 0"
    find "$WINEPREFIX/drive_c" -name 'Tessavundo.lnk' -path '*Start Menu*' | grep -q . ||
        fail "no Start-menu shortcut"
}

check_uninstall() { # <unix folder> <windows folder> <hive>
    wine "$2\\uninstall.exe" /S
    wait_gone "$1"
    wine reg query "$3\\$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry stayed under $3"
    find "$WINEPREFIX/drive_c" -name 'Tessavundo.lnk' | grep -q . && fail "the shortcut stayed"
    wine reg query "$settings" /v color 2>/dev/null | tr -d '\r' | grep -qE "color +REG_SZ +5649426$" ||
        fail "the uninstall touched the picker's settings"
}

# All users, into a folder of the caller's choice.
wine "$setup" /S /AllUsers '/D=C:\PickerTest'
check_install "$WINEPREFIX/drive_c/PickerTest" HKLM
check_uninstall "$WINEPREFIX/drive_c/PickerTest" 'C:\PickerTest' HKLM

# The current user, into the per-user programs folder.
wine "$setup" /S /CurrentUser
folder=$(find "$WINEPREFIX/drive_c/users" -maxdepth 6 -type d -name Tessavundo -path '*Programs*' | head -n 1)
[ -n "$folder" ] || fail "the per-user install is not under the user's Programs folder"
check_install "$folder" HKCU
check_uninstall "$folder" "$(winepath -w "$folder")" HKCU
echo "the installer installs for all users and for one, and uninstalls without the settings"
