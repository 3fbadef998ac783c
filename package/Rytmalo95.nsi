; Installer of Rytmalo 95: a 64-bit installer that installs for the current
; user only, without elevation. It puts the program and its LISEZMOI in a
; folder of its own, a shortcut in the user's Start menu, the program's
; App Paths entry and an entry in the list of installed programs.
;
; Built by CMake with: makensis -DVERSION=2.0 -DPROGRAM=... -DREADME=...
;   -DOUTFILE=... Rytmalo95.nsi
;
; Command line of the installer: /S (silent), /D=folder (last, unquoted).
; Command line of the uninstaller: /S (silent); in silent mode the user's
; settings are kept unless /EFFACERREGLAGES is given.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!ifndef VERSION | PROGRAM | README | OUTFILE
    !error "VERSION, PROGRAM, README and OUTFILE must be defined"
!endif

!define PRODUCT "Rytmalo 95"
!define PUBLISHER "Vortan Music"
!define EXE "Rytmalo95.exe"
!define UNINSTALLER "Desinstaller.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define APP_PATH_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\RYTMALO95.EXE"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Rytmalo95"
; Where the program keeps its settings, and the keys above it that are
; removed with them when nothing else is left in them.
!define SETTINGS_KEY "SOFTWARE\Vortan Music\Rytmalo95\v2.0"
!define SETTINGS_APP_KEY "SOFTWARE\Vortan Music\Rytmalo95"
!define SETTINGS_COMPANY_KEY "SOFTWARE\Vortan Music"
; The name the running program holds to keep to one instance.
!define INSTANCE_NAME "Kestro"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Rytmalo95"
; An earlier installation is updated where it is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1036 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1036 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de ${PRODUCT}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "${PUBLISHER}"

!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "${PRODUCT} ${VERSION} va être installé pour vous seul, dans votre profil, \
    sans droits d'administrateur.$\r$\n$\r$\nSi ${PRODUCT} est ouvert, quittez-le d'abord.\
    $\r$\n$\r$\nCliquez sur Suivant pour continuer."
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Lancer ${PRODUCT}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Var RemoveSettings

; Files cannot be replaced or removed while the program runs: the user is
; asked to quit it first. Silent, or when the user gives up, the run ends
; with an error code and nothing changed.
!macro DEFINE_WAIT_FOR_PROGRAM_CLOSED PREFIX
Function ${PREFIX}WaitForProgramClosed
    ${Do}
        System::Call 'kernel32::OpenFileMappingW(i 4, i 0, w "${INSTANCE_NAME}") p.r0'
        ${If} $0 P= 0
            Return
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r0)'
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${PRODUCT} est ouvert.$\r$\nQuittez-le, puis cliquez sur Réessayer." \
            /SD IDCANCEL IDRETRY retry
        SetErrorLevel 3
        Quit
        retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_FOR_PROGRAM_CLOSED ""
!insertmacro DEFINE_WAIT_FOR_PROGRAM_CLOSED "un."

Function .onInit
    SetShellVarContext current
    Call WaitForProgramClosed
FunctionEnd

; Ends the run as failed when a step since the last ClearErrors failed. A
; file that could not be written or removed is no success, in silent mode
; too (where the file error's default answer is to go on).
!macro FAIL_ON_ERRORS WHAT
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "${WHAT}" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
!macroend

Section "Rytmalo 95"
    SetOutPath "$INSTDIR"
    ClearErrors
    File "/oname=${EXE}" "${PROGRAM}"
    File "/oname=LISEZMOI.txt" "${README}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    ; Nothing is registered for files that are not all there.
    !insertmacro FAIL_ON_ERRORS "Les fichiers de ${PRODUCT} n'ont pas pu être écrits dans $INSTDIR."

    CreateShortCut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
        SW_SHOWNORMAL "" "Calcul des délais d'écho à partir du tempo"
    ; The per-user App Paths entry, which the shell honours: the program
    ; can be started by its name from the Run box.
    WriteRegStr HKCU "${APP_PATH_KEY}" "" "$INSTDIR\${EXE}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    !insertmacro FAIL_ON_ERRORS "${PRODUCT} n'a pas pu être inscrit dans le menu Démarrer ou le registre."

    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetShellVarContext current
    Call un.WaitForProgramClosed
    StrCpy $RemoveSettings 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/EFFACERREGLAGES" $1
    ${IfNot} ${Errors}
        StrCpy $RemoveSettings 1
    ${EndIf}
FunctionEnd

; Tells in OURS whether the App Paths entry under ROOT points at this
; installation's program ($1, in long form); one that points at another copy
; belongs to that copy. Paths are compared in long form, so while the
; program is still there.
!macro IS_OWN_APP_PATH ROOT OURS
    StrCpy ${OURS} 0
    ReadRegStr $0 ${ROOT} "${APP_PATH_KEY}" ""
    ${If} $0 != ""
        GetFullPathName $0 $0
        ${If} $0 == $1
            StrCpy ${OURS} 1
        ${EndIf}
    ${EndIf}
!macroend

Section "Uninstall"
    GetFullPathName $1 "$INSTDIR\${EXE}"
    !insertmacro IS_OWN_APP_PATH HKCU $2
    !insertmacro IS_OWN_APP_PATH HKLM $3

    ; Only what was installed: other files the user put in the folder stay,
    ; and so does the folder then. Files that cannot go keep everything
    ; else in place, the uninstaller and its entry included, for another try.
    ClearErrors
    Delete "$INSTDIR\${EXE}"
    Delete "$INSTDIR\LISEZMOI.txt"
    !insertmacro FAIL_ON_ERRORS "Des fichiers de ${PRODUCT} n'ont pas pu être supprimés de $INSTDIR."
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"

    ; The program writes the machine-wide entry itself where it may; a user
    ; without that right cannot remove it either, and it stays.
    ${If} $2 = 1
        DeleteRegKey HKCU "${APP_PATH_KEY}"
    ${EndIf}
    ${If} $3 = 1
        DeleteRegKey HKLM "${APP_PATH_KEY}"
    ${EndIf}

    ${If} $RemoveSettings = 0
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
            "Supprimer aussi vos réglages de ${PRODUCT} (position de la fenêtre, fenêtre persistente) ?" \
            /SD IDNO IDNO keep
        StrCpy $RemoveSettings 1
        keep:
    ${EndIf}
    ${If} $RemoveSettings = 1
        DeleteRegKey HKCU "${SETTINGS_KEY}"
        DeleteRegKey /ifempty HKCU "${SETTINGS_APP_KEY}"
        DeleteRegKey /ifempty HKCU "${SETTINGS_COMPANY_KEY}"
    ${EndIf}

    ; Last, so that the entry disappears from the list when all is done.
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
