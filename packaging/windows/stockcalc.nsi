; SPDX-License-Identifier: GPL-3.0-or-later
; The per-user installer of the Windows edition. Built by
; tools/package-windows.sh, which passes:
;   VERSION   the program's version, e.g. 1.1.0
;   STAGE     a folder holding stockcalc.exe, LICENSE and 说明.txt as shipped
;   ICON      the program's icon (data/stockcalc.ico)
;   OUTFILE   the installer to write
; Installs into the user's own Programs folder with Start-menu shortcuts for
; this user only, so it never asks for an administrator. The same inputs give
; the same installer: file times are not stored.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
SetDateSave off
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "鼎衡股票计算器"
!define FEES "交易费用与保本价"
!define PUBLISHER "The stockcalc developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\stockcalc"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\stockcalc"
; A second install goes where the first one went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} ${VERSION} 安装程序"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "GPL-3.0-or-later"

!include MUI2.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\stockcalc.exe"
; The stock welcome text speaks of updating system files; this installer
; touches none.
!define MUI_WELCOMEPAGE_TEXT "此程序将把 $(^NameDA) 安装到你自己的用户文件夹里，只供你这个用户使用，不需要管理员权限。$\r$\n$\r$\n如果 $(^NameDA) 正在运行，请先关闭它。$\r$\n$\r$\n点击 [下一步(N)] 继续。"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Section
  SetOutPath "$INSTDIR"
  File "${STAGE}/stockcalc.exe"
  File "${STAGE}/LICENSE"
  File "${STAGE}/说明.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\stockcalc.exe"
  CreateShortcut "${MENU_FOLDER}\${FEES}.lnk" "$INSTDIR\stockcalc.exe" "--fees" "$INSTDIR\stockcalc.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\stockcalc.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; What the folder holds now, in KiB, as "Apps & features" shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Removes what the installer put there and nothing else: a stockcalc.ini the
; user made beside the program stays, and so does the folder then; the
; settings under %APPDATA% are never touched.
Section "Uninstall"
  Delete "$INSTDIR\stockcalc.exe"
  Delete "$INSTDIR\LICENSE"
  Delete "$INSTDIR\说明.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  Delete "${MENU_FOLDER}\${PRODUCT}.lnk"
  Delete "${MENU_FOLDER}\${FEES}.lnk"
  RMDir "${MENU_FOLDER}"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
