; SPDX-FileCopyrightText: 2026 The Tessavundo developers
; SPDX-License-Identifier: MIT
;
; Writes the AppUserModelID into a shortcut, which NSIS's CreateShortcut cannot: the shell link
; object is loaded from the file, given the property System.AppUserModel.ID through its
; property store, and saved again. The program sets the same ID for its process, so that Start,
; the taskbar and its pinned button take the shortcut and the running window for one program.
; A step that fails leaves the shortcut as CreateShortcut made it.

!define CLSID_SHELLLINK {00021401-0000-0000-C000-000000000046}
!define IID_ISHELLLINKW {000214F9-0000-0000-C000-000000000046}
!define IID_IPERSISTFILE {0000010B-0000-0000-C000-000000000046}
!define IID_IPROPERTYSTORE {886D8EEB-8CF2-4446-8D02-CDBA1DBDCF99}
; PKEY_AppUserModel_ID: its format id and property id.
!define PKEY_APPUSERMODEL_ID_FMTID {9F4C2855-9F79-4B39-A8D0-E1D42DE1D5F3}
!define PKEY_APPUSERMODEL_ID_PID 5
!define CLSCTX_INPROC_SERVER 1
!define STGM_READWRITE 2
!define VT_LPWSTR 31
; The members called, by their place in the interfaces' tables.
!define COM_QUERYINTERFACE 0
!define COM_RELEASE 2
!define PERSISTFILE_LOAD 5
!define PERSISTFILE_SAVE 6
!define PROPERTYSTORE_SETVALUE 6
!define PROPERTYSTORE_COMMIT 7

; The shortcut's path on the stack.
Function SetShortcutAppId
    Exch $0
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    Push $6
    System::Call 'ole32::CoCreateInstance(g "${CLSID_SHELLLINK}", p 0, i ${CLSCTX_INPROC_SERVER}, \
        g "${IID_ISHELLLINKW}", *p .r1) i .r6'
    ${If} $6 == 0
        System::Call '$1->${COM_QUERYINTERFACE}(g "${IID_IPERSISTFILE}", *p .r2) i .r6'
        ${If} $6 == 0
            System::Call '$2->${PERSISTFILE_LOAD}(w r0, i ${STGM_READWRITE}) i .r6'
            ${If} $6 == 0
                System::Call '$1->${COM_QUERYINTERFACE}(g "${IID_IPROPERTYSTORE}", *p .r3) i .r6'
            ${EndIf}
            ${If} $6 == 0
                System::Call '*(g "${PKEY_APPUSERMODEL_ID_FMTID}", i ${PKEY_APPUSERMODEL_ID_PID}) p .r4'
                ; PROPVARIANT: the type, three reserved words, then the string's address.
                System::Call '*(&i2 ${VT_LPWSTR}, &i2 0, &i2 0, &i2 0, w "${APP_ID}", p 0) p .r5'
                System::Call '$3->${PROPERTYSTORE_SETVALUE}(p r4, p r5) i .r6'
                ${If} $6 == 0
                    System::Call '$3->${PROPERTYSTORE_COMMIT}() i .r6'
                ${EndIf}
                ${If} $6 == 0
                    System::Call '$2->${PERSISTFILE_SAVE}(p 0, i 1) i .r6'
                ${EndIf}
                System::Free $5
                System::Free $4
                System::Call '$3->${COM_RELEASE}()'
            ${EndIf}
            System::Call '$2->${COM_RELEASE}()'
        ${EndIf}
        System::Call '$1->${COM_RELEASE}()'
    ${EndIf}
    ${If} $6 != 0
        DetailPrint "The shortcut keeps no AppUserModelID: $6"
    ${EndIf}
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
