; The geardim installer for Windows: the program and what it needs in one folder, a
; Start-menu entry, gear, spline and pair files opened by double-click, and an uninstaller.
; makensis -DVERSION=… -DSTAGE=<folder of the portable zip> -DOUTFILE=… geardim.nsi
Unicode true
; A 64-bit installer for a 64-bit program (it runs where the program does).
Target amd64-unicode
!include "MUI2.nsh"

Name "geardim ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\geardim"
InstallDirRegKey HKLM "Software\geardim" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ICON "${STAGE}\geardim.ico"
!define MUI_UNICON "${STAGE}\geardim.ico"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licences\geardim-LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\geardim"

; A file type: its ProgID, its description and the program that opens it.
!macro FileType EXT PROGID DESCRIPTION
  WriteRegStr HKCR ".${EXT}" "" "${PROGID}"
  WriteRegStr HKCR "${PROGID}" "" "${DESCRIPTION}"
  WriteRegStr HKCR "${PROGID}\DefaultIcon" "" "$INSTDIR\geardim.exe,0"
  WriteRegStr HKCR "${PROGID}\shell\open\command" "" '"$INSTDIR\geardim.exe" "%1"'
!macroend

!macro RemoveFileType EXT PROGID
  ReadRegStr $0 HKCR ".${EXT}" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKCR ".${EXT}"
  DeleteRegKey HKCR "${PROGID}"
!macroend

Section "geardim"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\geardim"
  CreateShortcut "$SMPROGRAMS\geardim\geardim.lnk" "$INSTDIR\geardim.exe"
  CreateShortcut "$SMPROGRAMS\geardim\Uninstall geardim.lnk" "$INSTDIR\uninstall.exe"
  !insertmacro FileType "gear" "geardim.gear" "geardim gear file"
  !insertmacro FileType "spline" "geardim.spline" "geardim spline file"
  !insertmacro FileType "pair" "geardim.pair" "geardim gear pair file"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  WriteRegStr HKLM "Software\geardim" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "geardim"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "geardim"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\geardim.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  !insertmacro RemoveFileType "gear" "geardim.gear"
  !insertmacro RemoveFileType "spline" "geardim.spline"
  !insertmacro RemoveFileType "pair" "geardim.pair"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  Delete "$SMPROGRAMS\geardim\geardim.lnk"
  Delete "$SMPROGRAMS\geardim\Uninstall geardim.lnk"
  RMDir "$SMPROGRAMS\geardim"
  RMDir /r "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\geardim"
SectionEnd
