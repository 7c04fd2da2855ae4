; The Windows installer, for the account that runs it and no other: torvexa.exe and the
; translation files in the user's own programs folder, a Start-menu shortcut that starts Torvexa
; in a folder of the user's own (where it keeps langopt.zel), and an uninstaller. It asks for no
; administrator rights, so a standard user installs Torvexa for themselves, and an administrator
; for themselves too; nothing lands in another account's profile.
; Per-user installs write only to the user's profile and HKCU
; (https://nsis.sourceforge.io/Examples/install-per-user.nsi); the programs folder is
; FOLDERID_UserProgramFiles, %LOCALAPPDATA%\Programs by default
; (https://learn.microsoft.com/windows/win32/shell/knownfolderid); a per-user program is
; listed in Settings -> Apps from its HKCU uninstall key
; (https://learn.microsoft.com/windows/win32/msi/uninstall-registry-key).
; Both speak English, German, French, Italian or Spanish: the one of Windows' display language
; (NSIS starts with the user's default UI language where the script has it), English otherwise
; (the first one inserted).
; makensis -INPUTCHARSET UTF8 -DVERSION=... -DEXE=... -DLANGUAGES=... -DICON=... -DOUTFILE=...
;     torvexa.nsi
; LANGUAGES: an include that defines the macros PutLanguages and RemoveLanguages, the build's
; list of translation files.

Unicode true
Name "Torvexa"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Torvexa"
RequestExecutionLevel user
SetCompressor /SOLID lzma
; Sharp at any scale, and Torvexa's name where the installer system's would stand.
ManifestDPIAware true
BrandingText "Torvexa ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Torvexa"
VIAddVersionKey /LANG=0 "FileDescription" "Torvexa Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Torvexa-Team"

!include "${LANGUAGES}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvexa"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Spanish"

LangString TorvexaRuns ${LANG_ENGLISH} "Torvexa is running. Close Torvexa, then choose Retry."
LangString TorvexaRuns ${LANG_GERMAN} "Torvexa läuft. Schließen Sie Torvexa und wählen Sie dann Wiederholen."
LangString TorvexaRuns ${LANG_FRENCH} "Torvexa est ouvert. Fermez Torvexa, puis choisissez Réessayer."
LangString TorvexaRuns ${LANG_ITALIAN} "Torvexa è aperto. Chiudi Torvexa, poi scegli Riprova."
LangString TorvexaRuns ${LANG_SPANISH} "Torvexa está abierto. Cierre Torvexa y elija Reintentar."

; A running torvexa.exe cannot be deleted or replaced: the player closes it and retries, or
; nothing is installed or removed (a silent run stops, with exit code 2). Nothing is ever
; reported done with the program left behind.
!macro WaitUntilTorvexaIsClosed
    retry:
    ClearErrors
    Delete "$INSTDIR\torvexa.exe"
    IfErrors 0 closed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(TorvexaRuns)" /SD IDCANCEL IDRETRY retry
    Abort "$(TorvexaRuns)"
    closed:
!macroend

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Torvexa"
    !insertmacro WaitUntilTorvexaIsClosed
    SetOutPath "$INSTDIR"
    File "/oname=torvexa.exe" "${EXE}"
    SetOutPath "$INSTDIR\lang"
    !insertmacro PutLanguages
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The working folder, for langopt.zel.
    CreateDirectory "$APPDATA\Torvexa"
    SetOutPath "$APPDATA\Torvexa"
    CreateShortCut "$SMPROGRAMS\Torvexa.lnk" "$INSTDIR\torvexa.exe" "" "$INSTDIR\torvexa.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Torvexa"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Torvexa-Team"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\torvexa.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there; the user's own folder and langopt.zel stay.
Section "Uninstall"
    !insertmacro WaitUntilTorvexaIsClosed
    !insertmacro RemoveLanguages
    RMDir "$INSTDIR\lang"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Torvexa.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
