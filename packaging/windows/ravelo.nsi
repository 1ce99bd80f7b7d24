; The Windows installer: a per-user install without administrator rights, a Start-menu entry and
; an uninstaller that Windows lists under its apps. makensis -DVERSION=... -DSTAGE=... -DOUTFILE=...
; The installer is itself a 32-bit program, so that it starts on every Windows from XP SP3 on: it
; installs the 64-bit program on 64-bit Windows and the 32-bit one elsewhere.
Target x86-unicode
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

Name "Ravelo ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Ravelo"
InstallDirRegKey HKCU "Software\Ravelo" "InstallDir"
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ravelo"
!define MUI_ICON "${STAGE}\..\ravelo.ico"
!define MUI_UNICON "${STAGE}\..\ravelo.ico"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Ravelo"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    ${If} ${RunningX64}
        File "${STAGE}\x64\ravelo.exe"
    ${Else}
        File "${STAGE}\x86\ravelo.exe"
    ${EndIf}
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Ravelo.lnk" "$INSTDIR\ravelo.exe"
    WriteRegStr HKCU "Software\Ravelo" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Ravelo"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Ravelo developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ravelo.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Ravelo.lnk"
    Delete "$INSTDIR\ravelo.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\Ravelo"
SectionEnd
