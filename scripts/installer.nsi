; Verko's installer, made by scripts/package.sh:
;   makensis -DVERSION=x.y.z -DWIN32DIR=... -DWIN64DIR=... -DOUTFILE=... installer.nsi
; The 64-bit program on 64-bit Windows, the 32-bit one elsewhere, into Program Files\Verko;
; a Start menu shortcut, an "Open with" entry for .txt that leaves the default program alone,
; and an entry in the list of installed programs. The uninstaller takes all of that away and
; leaves the user's settings (HKCU\Software\Quarnet\Dovido) where they are.
Unicode true
!include x64.nsh

!define PRODUCT "Verko"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Verko"
!define APP_KEY "Software\Classes\Applications\verko.exe"
!define OPEN_WITH_KEY "Software\Classes\.txt\OpenWithList\verko.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Written by the Verko developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  ${If} ${RunningX64}
    SetRegView 64
    ; Only the default moves: a folder given with /D= stays.
    StrCmp $INSTDIR "$PROGRAMFILES\${PRODUCT}" 0 +2
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
  ${EndIf}
FunctionEnd

Function un.onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
FunctionEnd

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "${WIN64DIR}\verko.exe"
  ${Else}
    File "${WIN32DIR}\verko.exe"
  ${EndIf}
  File "${WIN32DIR}\toolbar2.bmp"
  File "${WIN32DIR}\largebar.bmp"
  File "${WIN32DIR}\help.txt"
  File "${WIN32DIR}\readme.txt"
  !if /FileExists "${WIN32DIR}\licence.txt"
    File "${WIN32DIR}\licence.txt"
  !endif
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\verko.exe"

  WriteRegStr HKLM "${APP_KEY}" "FriendlyAppName" "${PRODUCT}"
  WriteRegStr HKLM "${APP_KEY}\SupportedTypes" ".txt" ""
  WriteRegStr HKLM "${APP_KEY}\shell\open\command" "" '"$INSTDIR\verko.exe" "%1"'
  WriteRegStr HKLM "${OPEN_WITH_KEY}" "" ""

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quarnet"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\verko.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${OPEN_WITH_KEY}"
  DeleteRegKey HKLM "${APP_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\verko.exe"
  Delete "$INSTDIR\toolbar2.bmp"
  Delete "$INSTDIR\largebar.bmp"
  Delete "$INSTDIR\help.txt"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\licence.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
