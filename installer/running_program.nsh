; SPDX-FileCopyrightText: 2026 The Tessavundo developers
; SPDX-License-Identifier: MIT
;
; A running Tessavundo holds its DLLs open, so the installer and the uninstaller close it first:
; the user is asked (silently, it is just closed), and the window is sent WM_CLOSE, the same
; message its close button sends, so that it saves its settings as always. Its window is found
; by the class Qt registers for it and by its title.

!macro CLOSE_RUNNING_PROGRAM UN
Function ${UN}CloseRunningProgram
find:
    FindWindow $0 "${WINDOW_CLASS}" "${WINDOW_TITLE}"
    ${If} $0 == 0
        Return
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION "$(RUNNING_TEXT)" /SD IDOK IDOK close
    Abort
close:
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=${CLOSE_TIMEOUT}
    ; Its files are free only once the process has ended.
    ${If} $2 != 0
        System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_TIMEOUT})'
        System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    ; Gone: look for another one.
    IsWindow $0 0 find
    MessageBox MB_RETRYCANCEL|MB_ICONSTOP "$(STILL_RUNNING_TEXT)" /SD IDCANCEL IDRETRY find
    Abort
FunctionEnd
!macroend

!define /IfNDef SYNCHRONIZE 0x00100000
!insertmacro CLOSE_RUNNING_PROGRAM ""
!insertmacro CLOSE_RUNNING_PROGRAM "un."
