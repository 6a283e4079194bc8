; Forgeline's installer for Windows, built by scripts/deploy-windows with makensis. It installs
; into the Halvex folder the user picks (Forgeline looks for the game's programs beside itself),
; for the current user only: a Start-menu entry, .sce files opening in Forgeline, and an
; uninstaller that removes exactly the files it put there, never the user's scenarios.
Unicode true
; Forgeline is a 64-bit program, and a 64-bit installer runs where Wine has no 32-bit side.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Forgeline"
!define PROG_ID "Forgeline.Scenario"

Name "Forgeline ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Halvex"

!define MUI_DIRECTORYPAGE_TEXT_TOP "Forgeline belongs in the Halvex game folder, beside scene and Halvex.exe. Choose that folder."
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Forgeline"
    !include "${INSTALL_LIST}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall Forgeline.exe"
    ; The shortcut starts in $INSTDIR, the current output path.
    CreateShortcut "$SMPROGRAMS\Forgeline.lnk" "$INSTDIR\forgeline.exe"

    ; "--" keeps a scenario whose name starts with a dash from being read as an option.
    WriteRegStr HKCU "Software\Classes\.sce" "" "${PROG_ID}"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}" "" "Halvex scenario source"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\forgeline.exe,0"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\forgeline.exe" -- "%1"'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Forgeline"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall Forgeline.exe"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ; SHCNE_ASSOCCHANGED: Explorer shows the new file type at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\Uninstall Forgeline.exe"
    ; Only folders left empty go; the game folder stays with everything else in it.
    RMDir "$INSTDIR\platforms"
    RMDir "$INSTDIR\styles"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Forgeline.lnk"

    ; .sce is given back only while it is still Forgeline's.
    ReadRegStr $0 HKCU "Software\Classes\.sce" ""
    StrCmp $0 "${PROG_ID}" 0 +3
        DeleteRegValue HKCU "Software\Classes\.sce" ""
        DeleteRegKey /ifempty HKCU "Software\Classes\.sce"
    DeleteRegKey HKCU "Software\Classes\${PROG_ID}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
