#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
#
# The NSIS installer under Wine, silently: it asks for no elevation, and /S alone installs for
# the current user into the per-user programs folder; for all users into a chosen folder it
# removes the per-user installation first, so the two never stand side by side; each registers
# its uninstaller and a Start-menu shortcut and ships the licences, as the zip does; a running
# Tessavundo is closed the way its user would close it, so that it saves its settings; and
# uninstall.exe /S returns only once the program's files are gone, never taking the settings.
# The shortcut is read through the shell's own link object, as Start reads it.
# Usage: installer_under_wine_test.sh <setup.exe> <zip> <read_shortcut.exe> <AppUserModelID>
set -euo pipefail
setup=$1
zip=$2
reader=$3
app_id=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -f "$setup" ] || fail "$setup is missing: build it with cmake --build <dir> --target windows_installer"
[ -f "$reader" ] || fail "$reader is missing: build it with cmake --build <dir> --target read_shortcut"
[ -f "$zip" ] || fail "$zip is missing: build it with cmake --build <dir> --target windows_zip"
[ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ] || fail "run under tests/windows/with-wine"

picker_pid=""
cleanup() {
    [ -z "$picker_pid" ] || kill "$picker_pid" 2>/dev/null || true
}
trap cleanup EXIT

uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessavundo'
settings='HKCU\Software\VB and VBA Program Settings\ColorPicker\position'
wine reg add "$settings" /v color /t REG_SZ /d 5649426 /f >/dev/null

licenses="README.txt Tessavundo-MIT.txt LGPL-3.0.txt GPL-3.0.txt Qt-copyright.txt
GCC-runtime-library-exception-3.1.txt libstdc++-libgcc-copyright.txt winpthreads-copyright.txt"
program_files="Tessavundo.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll
styles/qwindowsvistastyle.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
translations/tessavundo_de.qm translations/qtbase_de.qm translations/tessavundo_ja.qm
translations/qtbase_ja.qm uninstall-tessavundo.exe"

# Asking for no rights is what spares a user of "just for me" the UAC prompt.
grep -aq 'requestedExecutionLevel level="asInvoker"' "$setup" ||
    fail "the installer's manifest asks for more than the user's own rights"

# The licences in the zip: the program's, Qt's and the compiler runtime's.
listing=$(unzip -Z1 "$zip")
for file in $licenses; do
    grep -qx "[^/]*/licenses/$file" <<<"$listing" || fail "the zip lacks licenses/$file"
done
grep -q "Permission is hereby granted" <(unzip -p "$zip" '*/licenses/Tessavundo-MIT.txt') ||
    fail "licenses/Tessavundo-MIT.txt is not the MIT licence"
grep -q "GCC RUNTIME LIBRARY EXCEPTION" \
    <(unzip -p "$zip" '*/licenses/GCC-runtime-library-exception-3.1.txt') ||
    fail "licenses/GCC-runtime-library-exception-3.1.txt does not hold the exception"
grep -q "GNU LESSER GENERAL PUBLIC LICENSE" <(unzip -p "$zip" '*/licenses/LGPL-3.0.txt') ||
    fail "licenses/LGPL-3.0.txt is not the LGPL"
grep -q "winpthreads" <(unzip -p "$zip" '*/licenses/winpthreads-copyright.txt') ||
    fail "licenses/winpthreads-copyright.txt does not name winpthreads"

check_install() { # <unix folder> <hive>
    local folder=$1 hive=$2
    for file in $program_files uninstall.exe; do
        [ -f "$folder/$file" ] || fail "the installer did not put $file into $folder"
    done
    for file in $licenses; do
        [ -f "$folder/licenses/$file" ] || fail "the installation lacks licenses/$file"
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
    [ "$(find "$WINEPREFIX/drive_c" -name 'Tessavundo.lnk' -path '*Start Menu*' | wc -l)" = 1 ] ||
        fail "not exactly one Start-menu shortcut"
}

# Whatever is left of an installation: nothing of the program, no entry, no shortcut.
check_gone() { # <unix folder> <hive> <what removed it>
    for file in $program_files; do
        [ ! -e "$1/$file" ] || fail "$1/$file is still there after $3"
    done
    [ ! -d "$1/licenses" ] || fail "$1/licenses is still there after $3"
    wine reg query "$2\\$uninstall_key" >/dev/null 2>&1 && fail "the entry under $2 stayed after $3"
    return 0
}

settings_kept() {
    wine reg query "$settings" /v color 2>/dev/null | tr -d '\r' | grep -qE "color +REG_SZ +5649426$" ||
        fail "$1 touched the picker's settings"
}

# /S alone: the current user, into the per-user programs folder, and nothing for all users.
wine "$setup" /S || fail "the silent per-user install failed ($?)"
user_folder=$(find "$WINEPREFIX/drive_c/users" -maxdepth 6 -type d -name Tessavundo -path '*Programs*' |
    head -n 1)
[ -n "$user_folder" ] || fail "/S did not install into the user's Programs folder"
check_install "$user_folder" HKCU
wine reg query "HKLM\\$uninstall_key" >/dev/null 2>&1 && fail "/S alone registered for all users"

# Start's search finds the shortcut by its description, and takes it and the running window
# for one program by the AppUserModelID. Wine's shell link accepts the ID but keeps no
# property store (its GetValue answers E_NOTIMPL, 0x80004001), so there only that is said.
shortcut=$(find "$WINEPREFIX/drive_c" -name 'Tessavundo.lnk' -path '*Start Menu*')
read=$(wine "$reader" "$(winepath -w "$shortcut")" | tr -d '\r') || fail "the shortcut cannot be read"
grep -qx "description: Color picker" <<<"$read" || fail "the shortcut's description is not \"Color picker\":
$read"
if grep -q "^app id: (none: the property store gives no value, 0x80004001)$" <<<"$read"; then
    echo "NOTE: this Wine keeps no property store in shortcuts; the AppUserModelID is not checked"
else
    grep -qx "app id: $app_id" <<<"$read" || fail "the shortcut's AppUserModelID is not $app_id:
$read"
fi

# A running copy is closed before its files are replaced, and saves its settings as it closes.
wine reg delete "$settings" /v left /f >/dev/null 2>&1 || true
WINEDEBUG=-all wine "$user_folder/Tessavundo.exe" >/dev/null 2>&1 &
picker_pid=$!
for _ in $(seq 1 150); do
    xdotool search --onlyvisible --name '^Tessavundo$' >/dev/null 2>&1 && break
    sleep 0.2
done
xdotool search --onlyvisible --name '^Tessavundo$' >/dev/null 2>&1 || fail "Tessavundo.exe did not start"
wine "$setup" /S || fail "installing over the running program failed ($?)"
kill -0 "$picker_pid" 2>/dev/null && fail "the installer left Tessavundo running"
picker_pid=""
wine reg query "$settings" /v left >/dev/null 2>&1 ||
    fail "the program closed by the installer did not save its settings"
check_install "$user_folder" HKCU

# All users, into a folder of the caller's choice: the per-user installation goes.
wine "$setup" /S /AllUsers '/D=C:\PickerTest' || fail "the silent all-users install failed ($?)"
check_install "$WINEPREFIX/drive_c/PickerTest" HKLM
check_gone "$user_folder" HKCU "the all-users install"
settings_kept "the all-users install"

# And back: the per-user install removes the all-users one.
wine "$setup" /S /CurrentUser || fail "the silent per-user install failed ($?)"
check_install "$user_folder" HKCU
check_gone "$WINEPREFIX/drive_c/PickerTest" HKLM "the per-user install"

# The silent uninstaller returns when the files are gone, not before: checked at once. The
# folder goes with them. Wine, unlike Windows, can neither move nor delete the running
# uninstall.exe itself, so there that one file may stay behind, queued with its folder for
# removal at the next start.
wine "$(winepath -w "$user_folder")\\uninstall.exe" /S || fail "the silent uninstall failed ($?)"
check_gone "$user_folder" HKCU "uninstall.exe /S returned"
if [ -d "$user_folder" ]; then
    left=$(ls -A "$user_folder")
    [ "$left" = uninstall.exe ] || fail "uninstall.exe /S returned with more left in its folder:
$left"
    pending=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' \
        /v PendingFileRenameOperations 2>/dev/null | tr -d '\r')
    folder=$(winepath -w "$user_folder")
    for queued in "$folder\\uninstall.exe" "$folder\\"; do
        grep -qF "$queued\\0" <<<"$pending" ||
            fail "$queued is neither gone nor queued for removal at the next start"
    done
fi
find "$WINEPREFIX/drive_c" -name 'Tessavundo.lnk' | grep -q . && fail "the shortcut stayed"
settings_kept "the uninstall"
echo "the installer installs for one user unelevated or for all, one mode at a time, closes the" \
    "running program, ships the licences and uninstalls completely before it returns"
