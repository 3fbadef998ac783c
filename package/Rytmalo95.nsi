; Installer of Rytmalo 95: a 64-bit installer that installs for the current
; user only, without elevation. It puts the program and its LISEZMOI in a
; folder of its own, a shortcut in the user's Start menu, the program's
; App Paths entry and an entry in the list of installed programs.
;
; Built by CMake with: makensis -DVERSION=2.0 -DPROGRAM=... -DREADME=...
;   -DOUTFILE=... Rytmalo95.nsi
;
; Command line of the installer: /S (silent), /D=folder (last; quotes
; around the folder are allowed).
; Command line of the uninstaller: /S (silent); in silent mode the user's
; settings are kept unless /EFFACERREGLAGES is given. _?=folder (last,
; unquoted) runs it in place, as the list of installed programs does, so
; that its exit code is the outcome.
;
; Exit codes of both: 0 done; 2 failed: a file could not be written or
; removed, the folder holds a file of the same name as one of the
; program's that this installation did not put there, or /D= names no
; valid folder; 3 the program runs.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh

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
; Kept in the installation folder: marks the folder as this program's
; installation (an installation over it is an update) and names the
; outermost folder above it that the installation made.
!define RECORD "Rytmalo95-installation.ini"
; Where an uninstaller run in place puts the copy that removes its file.
!define HANDOVER_DIR "$TEMP\Rytmalo95-desinstallation"
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
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE RefuseForeignFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Var RemoveSettings
; This installation's folder in full, long form, to tell what is its own.
Var Here

; Shown with the file's name in $0.
!define FOREIGN_FILE_TEXT "Le dossier $INSTDIR contient déjà un fichier $0 qui n'a pas été installé par ${PRODUCT}. Il ne sera pas remplacé : choisissez un autre dossier."

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

; $0 in the full, long form of the existing file or folder it names, empty
; when there is none: two paths are the same file when these forms are
; equal (NSIS compares strings without regard to case), whatever short
; names or redundant parts either was written with. Uses $R9.
!macro DEFINE_EXISTING_PATH PREFIX
Function ${PREFIX}ExistingPath
    ${If} $0 != ""
        GetFullPathName $0 $0
        System::Call 'kernel32::GetLongPathNameW(w r0, w .r0, i ${NSIS_MAX_STRLEN}) i.R9'
        ${If} $R9 = 0
            StrCpy $0 ""
        ${EndIf}
    ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_EXISTING_PATH ""
!insertmacro DEFINE_EXISTING_PATH "un."

Function .onInit
    SetShellVarContext current
    Call WaitForProgramClosed
    Call ReadFolderArgument
FunctionEnd

; NSIS takes the folder after /D= as it is, and one it finds invalid (a
; quoted one among them) it silently replaces with the default folder, or
; strips of the characters it does not like: the installation would then
; succeed somewhere else than asked. The folder is read here from the
; command line as it came (NSIS has cut /D= out of $CMDLINE): quotes around
; it are dropped, and what is still no absolute folder path ends the run.
Function ReadFolderArgument
    System::Call 'kernel32::GetCommandLineW() w.r0'
    ClearErrors
    ${WordFindS} $0 " /D=" "E+1}" $1
    ${If} ${Errors}
        Return
    ${EndIf}
    StrCpy $2 $1 1
    StrCpy $3 $1 "" -1
    ${If} $2 == '"'
    ${AndIf} $3 == '"'
        StrCpy $1 $1 -1 1
    ${EndIf}
    ${Do}
        StrCpy $2 $1 "" -1
        ${If} $2 != "\"
            ${ExitDo}
        ${EndIf}
        StrCpy $1 $1 -1
    ${Loop}

    ; A drive's folder (not its root) or a network one, without the
    ; characters no file name may hold.
    StrCpy $2 $1 2 1
    StrCpy $3 $1 2
    StrCpy $4 $1 "" 2
    StrCpy $5 '"*?<>|:'
    System::Call 'shlwapi::StrPBrkW(w r4, w r5) p.r6'
    ${If} $2 != ":\"
    ${AndIf} $3 != "\\"
        StrCpy $6 1
    ${EndIf}
    ${If} $6 P<> 0
    ${OrIf} $4 == ""
        MessageBox MB_OK|MB_ICONSTOP "« $1 » n'est pas un dossier où installer ${PRODUCT}." /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    StrCpy $INSTDIR $1
FunctionEnd

; Sets $0 to the name of a file in $INSTDIR that the installation would
; replace but did not put there, or to "". Its own are those of an earlier
; installation in that folder: one that left its record, or one from before
; the record whose entry in the list of installed programs names the
; folder.
Function FindForeignFile
    StrCpy $0 ""
    ${If} ${FileExists} "$INSTDIR\${RECORD}"
        Return
    ${EndIf}
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    Call ExistingPath
    StrCpy $1 $0
    StrCpy $0 $INSTDIR
    Call ExistingPath
    ${If} $0 != ""
    ${AndIf} $0 == $1
        StrCpy $0 ""
        Return
    ${EndIf}
    StrCpy $0 ""
    ${If} ${FileExists} "$INSTDIR\${EXE}"
        StrCpy $0 "${EXE}"
    ${ElseIf} ${FileExists} "$INSTDIR\LISEZMOI.txt"
        StrCpy $0 "LISEZMOI.txt"
    ${ElseIf} ${FileExists} "$INSTDIR\${UNINSTALLER}"
        StrCpy $0 "${UNINSTALLER}"
    ${EndIf}
FunctionEnd

; On the folder page the user may choose another folder.
Function RefuseForeignFolder
    Call FindForeignFile
    ${If} $0 != ""
        MessageBox MB_OK|MB_ICONEXCLAMATION "${FOREIGN_FILE_TEXT}"
        Abort
    ${EndIf}
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
    ; Again, before anything is written: silent, there was no folder page.
    Call FindForeignFile
    ${If} $0 != ""
        MessageBox MB_OK|MB_ICONSTOP "${FOREIGN_FILE_TEXT}" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}

    ; The folders above the installation folder that are not there yet:
    ; SetOutPath makes them, and the uninstaller removes them again when
    ; empty. They are a chain; its outermost one goes into the record.
    StrCpy $1 ""
    StrCpy $0 $INSTDIR
    ${Do}
        ${GetParent} $0 $0
        ${If} $0 == ""
        ${OrIf} ${FileExists} "$0\*.*"
            ${ExitDo}
        ${EndIf}
        StrCpy $1 $0
    ${Loop}

    SetOutPath "$INSTDIR"
    ClearErrors
    ; Written before the files, so that a failed installation, tried
    ; again, is taken for this program's own.
    ${IfNot} ${FileExists} "$INSTDIR\${RECORD}"
        ; UTF-16, so that WriteINIStr keeps folder names in any alphabet.
        FileOpen $0 "$INSTDIR\${RECORD}" w
        FileWriteWord $0 0xFEFF
        FileClose $0
        ${If} $1 != ""
            WriteINIStr "$INSTDIR\${RECORD}" "Installation" "DossierCree" $1
        ${EndIf}
    ${EndIf}
    WriteINIStr "$INSTDIR\${RECORD}" "Installation" "Version" "${VERSION}"
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
    ; Run in place, so that whoever runs these gets the outcome as exit code.
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" _?=$INSTDIR'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    !insertmacro FAIL_ON_ERRORS "${PRODUCT} n'a pas pu être inscrit dans le menu Démarrer ou le registre."

    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetShellVarContext current
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/NETTOYER=" $1
    ${IfNot} ${Errors}
        Call un.FinishRemoval
        Quit
    ${EndIf}
    Call un.WaitForProgramClosed
    StrCpy $RemoveSettings 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/EFFACERREGLAGES" $1
    ${IfNot} ${Errors}
        StrCpy $RemoveSettings 1
    ${EndIf}
FunctionEnd

; $0: a path to the program, from a shortcut or a registry value. Sets $0
; to 1 when it names this installation's program, to 0 otherwise (another
; copy's, say, which that copy keeps). The folder is compared, which is
; there while the program may be gone already.
Function un.IsOurProgram
    ${GetFileName} $0 $1
    ${GetParent} $0 $0
    Call un.ExistingPath
    ${If} $0 != ""
    ${AndIf} $0 == $Here
    ${AndIf} $1 == "${EXE}"
        StrCpy $0 1
    ${Else}
        StrCpy $0 0
    ${EndIf}
FunctionEnd

; Sets $0 to the program the Start-menu shortcut starts, "" when there is
; none (IShellLinkW, as the shell reads it).
Function un.ShortcutTarget
    StrCpy $0 ""
    System::Call 'ole32::CoCreateInstance(g "{00021401-0000-0000-C000-000000000046}", p 0, i 1, g "{000214F9-0000-0000-C000-000000000046}", *p .r1) i.r3'
    ${If} $3 <> 0
        Return
    ${EndIf}
    System::Call '$1->0(g "{0000010b-0000-0000-C000-000000000046}", *p .r2) i.r3'
    ${If} $3 = 0
        System::Call '$2->5(w "${SHORTCUT}", i 0) i.r3'
        ${If} $3 = 0
            ; SLGP_RAWPATH: the path as written, unexpanded.
            System::Call '$1->3(w .r0, i ${NSIS_MAX_STRLEN}, p 0, i 4) i.r3'
        ${EndIf}
        System::Call '$2->2()'
    ${EndIf}
    System::Call '$1->2()'
FunctionEnd

; Sets the error flag, and $R0 to the file's name, when the file in the
; folder is there but cannot be deleted now: another program holds it open
; without letting it be deleted. Opening it with the right to delete it is
; the test Windows applies to the deletion itself.
!macro CHECK_REMOVABLE FILE
    System::Call 'kernel32::CreateFileW(w "$INSTDIR\${FILE}", i 0x10000, i 7, p 0, i 3, i 0, p 0) p.r0 ?e'
    Pop $1
    ${If} $0 P<> -1
        System::Call 'kernel32::CloseHandle(p r0)'
    ${ElseIf} $1 <> 2
        StrCpy $R0 "${FILE}"
        SetErrors
    ${EndIf}
!macroend

; The uninstaller's own file, the record, the folder when nothing else is
; left in it, and the folders above it that the installation made, those
; that are empty. Sets the error flag, and leaves all of them, while the
; uninstaller's file cannot go.
Function un.RemoveFolder
    ClearErrors
    Delete "$INSTDIR\${UNINSTALLER}"
    ${If} ${Errors}
        ; Set again: testing the flag clears it.
        SetErrors
        Return
    ${EndIf}
    ReadINIStr $0 "$INSTDIR\${RECORD}" "Installation" "DossierCree"
    Delete "$INSTDIR\${RECORD}"
    RMDir "$INSTDIR"
    ; Only folders on the way up to the recorded one: a record that names
    ; no folder above this one (the folder was moved) removes none.
    StrLen $1 "$0\"
    StrCpy $2 $INSTDIR $1
    ${If} $0 != ""
    ${AndIf} $2 == "$0\"
        StrCpy $1 $INSTDIR
        ${Do}
            ${GetParent} $1 $1
            RMDir $1
        ${LoopUntil} $1 == $0
    ${EndIf}
    ClearErrors
FunctionEnd

; Run from the temporary folder by an uninstaller that could not delete
; its own file ($1: its process id): once that one has ended, removes what
; it left. A little longer for a file that something else (a virus
; scanner) still holds.
Function un.FinishRemoval
    System::Call 'kernel32::OpenProcess(i 0x100000, i 0, i r1) p.r2'
    ${If} $2 P<> 0
        System::Call 'kernel32::WaitForSingleObject(p r2, i -1)'
        System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    StrCpy $3 0
    ${Do}
        Call un.RemoveFolder
        ${IfNot} ${Errors}
        ${OrIf} $3 >= 100
            ${ExitDo}
        ${EndIf}
        Sleep 100
        IntOp $3 $3 + 1
    ${Loop}
FunctionEnd

Section "Uninstall"
    ; What belongs to this installation, told before anything goes: the
    ; list entry, the shortcut and the App Paths entries are the last
    ; installed copy's, or the program's own where it ran, which may be
    ; another copy; such ones stay for that copy.
    StrCpy $0 $INSTDIR
    Call un.ExistingPath
    StrCpy $Here $0
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    Call un.ExistingPath
    StrCpy $R1 0
    ${If} $0 != ""
    ${AndIf} $0 == $Here
        StrCpy $R1 1
    ${EndIf}
    Call un.ShortcutTarget
    Call un.IsOurProgram
    StrCpy $R2 $0
    ReadRegStr $0 HKCU "${APP_PATH_KEY}" ""
    Call un.IsOurProgram
    StrCpy $R3 $0
    ReadRegStr $0 HKLM "${APP_PATH_KEY}" ""
    Call un.IsOurProgram
    StrCpy $R4 $0

    ; Only what was installed: other files the user put in the folder stay,
    ; and so does the folder then. Every file that must go is tested first:
    ; one that cannot go fails the run with nothing removed, the program,
    ; the uninstaller and its entry in place for another try. The program
    ; goes first, as the one file that can still be taken meanwhile (by
    ; starting it).
    ClearErrors
    !insertmacro CHECK_REMOVABLE "${EXE}"
    !insertmacro CHECK_REMOVABLE "LISEZMOI.txt"
    !insertmacro FAIL_ON_ERRORS "${PRODUCT} n'a pas été désinstallé : le fichier $INSTDIR\$R0 est ouvert dans un autre programme. Fermez-le, puis recommencez."
    Delete "$INSTDIR\${EXE}"
    !insertmacro FAIL_ON_ERRORS "${PRODUCT} n'a pas été désinstallé : $INSTDIR\${EXE} n'a pas pu être supprimé."
    Delete "$INSTDIR\LISEZMOI.txt"
    !insertmacro FAIL_ON_ERRORS "La désinstallation de ${PRODUCT} est incomplète : $INSTDIR\LISEZMOI.txt n'a pas pu être supprimé. Fermez-le, puis recommencez."

    ${If} $R2 = 1
        Delete "${SHORTCUT}"
    ${EndIf}
    ; The program writes the machine-wide entry itself where it may; a user
    ; without that right cannot remove it either, and it stays.
    ${If} $R3 = 1
        DeleteRegKey HKCU "${APP_PATH_KEY}"
    ${EndIf}
    ${If} $R4 = 1
        DeleteRegKey HKLM "${APP_PATH_KEY}"
    ${EndIf}

    ${If} $RemoveSettings = 0
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
            "Supprimer aussi vos réglages de ${PRODUCT} (position de la fenêtre, fenêtre persistente, tableau détaillé) ?" \
            /SD IDNO IDNO keep
        StrCpy $RemoveSettings 1
        keep:
    ${EndIf}
    ${If} $RemoveSettings = 1
        DeleteRegKey HKCU "${SETTINGS_KEY}"
        DeleteRegKey /ifempty HKCU "${SETTINGS_APP_KEY}"
        DeleteRegKey /ifempty HKCU "${SETTINGS_COMPANY_KEY}"
    ${EndIf}

    ; Late, so that the entry disappears from the list when all is done.
    ${If} $R1 = 1
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}

    ; Run in place (_?=, as registered), the uninstaller cannot delete its
    ; own file: Windows keeps the file of a running program, and having it
    ; deleted at the next restart (Delete /REBOOTOK) takes administrator
    ; rights, which a per-user uninstaller has not. A copy of it in the
    ; temporary folder removes the file and the folder once this run has
    ; ended: that is how NSIS runs an uninstaller started without _?=,
    ; only there the copy does all the work and its outcome is lost to
    ; whoever started the uninstaller. The copy cannot remove itself
    ; either: like NSIS's own, it stays in a folder of its own, where the
    ; next one removes it.
    Call un.RemoveFolder
    ${If} ${Errors}
        CreateDirectory "${HANDOVER_DIR}"
        Delete "${HANDOVER_DIR}\*.tmp"
        GetTempFileName $0 "${HANDOVER_DIR}"
        System::Call 'kernel32::GetCurrentProcessId() i.r1'
        ClearErrors
        CopyFiles /SILENT "$EXEPATH" $0
        ; Not in the folder, which it is to remove.
        SetOutPath $TEMP
        Exec '"$0" /S /NETTOYER=$1 _?=$INSTDIR'
        !insertmacro FAIL_ON_ERRORS "${PRODUCT} est désinstallé, mais $INSTDIR\${UNINSTALLER} n'a pas pu être supprimé : supprimez ce dossier vous-même."
    ${EndIf}
SectionEnd
