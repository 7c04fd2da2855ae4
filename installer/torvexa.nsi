; The Windows installer: torvexa.exe and the translation files under Program Files, a
; Start-menu shortcut that starts Torvexa in a folder of the user's own (where it keeps
; langopt.zel, which Program Files would not let a normal user write), and an uninstaller.
; makensis -DVERSION=... -DEXE=... -DLANGDIR=... -DOUTFILE=... torvexa.nsi

Unicode true
Name "Torvexa"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Torvexa"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvexa"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Torvexa"
    SetOutPath "$INSTDIR"
    File "/oname=torvexa.exe" "${EXE}"
    SetOutPath "$INSTDIR\lang"
    File "${LANGDIR}\deutsch.zpr"
    File "${LANGDIR}\english.zpr"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The working folder: the user's own, for langopt.zel.
    SetShellVarContext current
    CreateDirectory "$APPDATA\Torvexa"
    SetOutPath "$APPDATA\Torvexa"
    CreateShortCut "$SMPROGRAMS\Torvexa.lnk" "$INSTDIR\torvexa.exe" "" "$INSTDIR\torvexa.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Torvexa"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Torvexa-Team"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\torvexa.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there; the user's own folder and langopt.zel stay.
Section "Uninstall"
    Delete "$INSTDIR\torvexa.exe"
    Delete "$INSTDIR\lang\deutsch.zpr"
    Delete "$INSTDIR\lang\english.zpr"
    RMDir "$INSTDIR\lang"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Torvexa.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
