; SPDX-FileCopyrightText: 2026 The Tessavundo developers
; SPDX-License-Identifier: MIT
;
; The two install modes of tessavundo.nsi.in: for the current user, in the user's own programs
; folder and HKCU, with the user's rights; and for all users, in Program Files and HKLM, which
; needs an administrator. The installer and the uninstaller start unelevated and start
; themselves again elevated (the shield of UAC) only for all users, waiting for that copy and
; ending with its exit code.

; ShellExecuteEx's record on 64-bit Windows, with the padding of its pointer members spelled
; out: cbSize, fMask, hwnd, lpVerb, lpFile, lpParameters, lpDirectory, nShow, hInstApp,
; lpIDList, lpClass, hkeyClass, dwHotKey, hIcon, hProcess.
!define SHELLEXECUTEINFO_SIZE 112
!define SEE_MASK_NOCLOSEPROCESS 0x40
!define SEE_MASK_NOASYNC 0x100
!define SHELLEXECUTEINFO_FIELDS "i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p"
; The exit code of a program that needs more rights than it was given.
!define ERROR_ELEVATION_REQUIRED 740

Var Administrator

!macro INSTALL_MODE_FUNCTIONS UN
Function ${UN}FindAdministrator
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
        StrCpy $Administrator 1
    ${Else}
        StrCpy $Administrator 0
    ${EndIf}
FunctionEnd

Function ${UN}UseAllUsers
    StrCpy $InstallMode "AllUsers"
    SetShellVarContext all
    !if "${UN}" == ""
        ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $ChosenFolder != ""
            StrCpy $INSTDIR $ChosenFolder
        ${ElseIf} $0 != ""
            StrCpy $INSTDIR $0
        ${Else}
            StrCpy $INSTDIR "$PROGRAMFILES64\${NAME}"
        ${EndIf}
    !endif
FunctionEnd

Function ${UN}UseCurrentUser
    StrCpy $InstallMode "CurrentUser"
    SetShellVarContext current
    !if "${UN}" == ""
        ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $ChosenFolder != ""
            StrCpy $INSTDIR $ChosenFolder
        ${ElseIf} $0 != ""
            StrCpy $INSTDIR $0
        ${Else}
            ; FOLDERID_UserProgramFiles, %LOCALAPPDATA%\Programs.
            GetKnownFolderPath $0 {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB}
            ${If} $0 == ""
                StrCpy $0 "$LOCALAPPDATA\Programs"
            ${EndIf}
            StrCpy $INSTDIR "$0\${NAME}"
        ${EndIf}
    !endif
FunctionEnd

; Runs this program again with an administrator's rights, for all users, and ends with its exit
; code. Returns only when that was refused (the user said no to UAC, or is no administrator
; even after elevating), with $0 = "refused".
Function ${UN}ElevateIfNeeded
    StrCpy $0 ""
    ${If} $Administrator == 1
        Return
    ${EndIf}
    ${If} $Elevated == 1
        ; Elevated and still no administrator: asking again would loop.
        StrCpy $0 "refused"
        Return
    ${EndIf}
    ${GetParameters} $1
    StrCpy $1 "$1 /AllUsers /Elevated"
    !if "${UN}" == ""
        ${If} $ChosenFolder != ""
            StrCpy $1 "$1 /D=$ChosenFolder"
        ${EndIf}
    !else
        StrCpy $1 "$1 _?=$INSTDIR"
    !endif
    System::Call '*(i ${SHELLEXECUTEINFO_SIZE}, i ${SEE_MASK_NOCLOSEPROCESS}|${SEE_MASK_NOASYNC}, \
        p $HWNDPARENT, w "runas", w "$EXEPATH", w r1, p 0, i ${SW_SHOWNORMAL}, i 0, p 0, p 0, \
        p 0, p 0, i 0, i 0, p 0, p 0) p .r2'
    System::Call 'shell32::ShellExecuteExW(p r2) i .r3'
    System::Call '*$2(${SHELLEXECUTEINFO_FIELDS} .r4)'
    System::Free $2
    ${If} $3 == 0
    ${OrIf} $4 == 0
        StrCpy $0 "refused"
        Return
    ${EndIf}
    HideWindow
    System::Call 'kernel32::WaitForSingleObject(p r4, i -1)'
    System::Call 'kernel32::GetExitCodeProcess(p r4, *i .r5)'
    System::Call 'kernel32::CloseHandle(p r4)'
    !if "${UN}" == ""
        ; The finish page's "Run" of the elevated copy: run with the user's own rights here.
        ${If} $5 == ${EXIT_RUN_PROGRAM}
            ReadRegStr $6 HKLM "${UNINSTALL_KEY}" "InstallLocation"
            Exec '"$6\${EXE}"'
            StrCpy $5 0
        ${EndIf}
    !endif
    SetErrorLevel $5
    Quit
FunctionEnd
!macroend

!insertmacro INSTALL_MODE_FUNCTIONS ""
!insertmacro INSTALL_MODE_FUNCTIONS "un."

; The uninstaller run without a mode: the mode whose entry names this folder.
Function un.ModeOfThisFolder
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $0 == $INSTDIR
        Call un.UseAllUsers
    ${Else}
        Call un.UseCurrentUser
    ${EndIf}
FunctionEnd

; An installation of the other mode is removed (the user is asked first, unless silent), so
; that Start and "Apps & features" never list two. Its uninstaller elevates itself when that
; installation is for all users.
Function RemoveOtherMode
    ${If} $InstallMode == "AllUsers"
        ReadRegStr $R1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        StrCpy $R2 "CurrentUser"
        StrCpy $R3 "$(OTHER_CURRENTUSER_TEXT)"
    ${Else}
        ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        StrCpy $R2 "AllUsers"
        StrCpy $R3 "$(OTHER_ALLUSERS_TEXT)"
    ${EndIf}
    ${If} $R1 == ""
    ${OrIfNot} ${FileExists} "$R1\${LAUNCHER}"
        Return
    ${EndIf}
    MessageBox MB_YESNO|MB_ICONQUESTION "$R3" /SD IDYES IDNO keep
    DetailPrint "$R1\${LAUNCHER} /$R2 /S"
    ExecWait '"$R1\${LAUNCHER}" /$R2 /S' $0
    ${If} $0 != 0
        DetailPrint "$R1\${LAUNCHER}: $0"
    ${EndIf}
keep:
FunctionEnd
