; The Windows installer of Korvel, built by scripts/windows/make-installer.sh with Debian's
; makensis from the same files as the zip:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DFILE_LIST=<files.nsh>
;            -DICON=<korvel.ico> -DOUTFILE=<setup.exe> -DBIN_DIR=bin
;            -DUNINSTALLER=uninstall.exe korvel.nsi
; FILE_LIST defines the macros KorvelInstallFiles and KorvelRemoveFiles, one line per file
; and folder of the installed layout (scripts/lib/layout.sh): bin\ (the programs, Qt and the
; runtime; BIN_DIR), share\korvel\liti\ (the samples) and 说明.txt; so the uninstaller
; removes exactly what was installed and never a folder's whole contents. The uninstaller
; itself, UNINSTALLER, lies at the top of the installation folder.
; The program in bin\ finds its samples at ..\share\korvel\liti and, having no writable liti
; folder beside it, keeps the user's parameter files in %APPDATA%\korvel\liti, which the
; uninstaller does not touch.

!ifndef VERSION | FILE_LIST | ICON | OUTFILE | BIN_DIR | UNINSTALLER
  !error "VERSION, FILE_LIST, ICON, OUTFILE, BIN_DIR and UNINSTALLER are given with -D"
!endif

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvel"
!define PROGID "Korvel.zdy"
!define PROGID_NAME "Korvel 参数文件"

Name "Korvel"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Korvel"
; An update goes where the installed copy is, unless /D= says otherwise.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Korvel ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Korvel"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "Korvel developers"
VIAddVersionKey /LANG=0 "FileDescription" "Korvel ${VERSION} Setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "Korvel developers"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Integration.nsh"

!include /CHARSET=UTF8 "${FILE_LIST}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The chosen language is kept with the uninstall entry, so the uninstaller speaks it too.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"
!define MUI_LANGDLL_ALWAYSSHOW
!define MUI_LANGDLL_WINDOWTITLE "安装语言 Installer Language"
!define MUI_LANGDLL_INFO "请选择安装程序的语言。$\r$\nPlease select a language."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the default one.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

; Simplified Chinese preselected, whatever the system's own language; /S installs in it.
Function .onInit
  SetRegView 64
  SetShellVarContext all
  StrCpy $LANGUAGE ${LANG_SIMPCHINESE}
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

; An installed copy, of any version, is uninstalled silently first, in place (_?= keeps its
; uninstaller where it is and makes ExecWait wait for it); then that uninstaller itself goes.
Function RemovePreviousCopy
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\${UNINSTALLER}"
    ExecWait '"$0\${UNINSTALLER}" /S _?=$0'
    Delete "$0\${UNINSTALLER}"
    RMDir "$0"
  ${EndIf}
FunctionEnd

Section "Korvel"
  Call RemovePreviousCopy
  !insertmacro KorvelInstallFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; Shortcuts for every user; their icon is korvel.exe's own.
  SetOutPath "$INSTDIR\${BIN_DIR}"
  CreateDirectory "$SMPROGRAMS\Korvel"
  CreateShortcut "$SMPROGRAMS\Korvel\Korvel.lnk" "$INSTDIR\${BIN_DIR}\korvel.exe" "" \
    "$INSTDIR\${BIN_DIR}\korvel.exe" 0
  CreateShortcut "$SMPROGRAMS\Korvel\卸载 Korvel.lnk" "$INSTDIR\${UNINSTALLER}" "" \
    "$INSTDIR\${UNINSTALLER}" 0
  CreateShortcut "$DESKTOP\Korvel.lnk" "$INSTDIR\${BIN_DIR}\korvel.exe" "" \
    "$INSTDIR\${BIN_DIR}\korvel.exe" 0

  ; .zdy parameter files open in Korvel, through the ProgID.
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "${PROGID_NAME}"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" '"$INSTDIR\${BIN_DIR}\korvel.exe",0'
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" \
    '"$INSTDIR\${BIN_DIR}\korvel.exe" "%1"'
  WriteRegStr HKLM "Software\Classes\.zdy" "" "${PROGID}"
  WriteRegStr HKLM "Software\Classes\.zdy\OpenWithProgids" "${PROGID}" ""
  ${NotifyShell_AssocChanged}

  ; Add/Remove Programs.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Korvel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Korvel developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\${BIN_DIR}\korvel.exe",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Exactly what the installer put down: the listed files, the folders only when they are
; empty then, the shortcuts, the association where it is still Korvel's, and the keys.
Section "Uninstall"
  Delete "$DESKTOP\Korvel.lnk"
  Delete "$SMPROGRAMS\Korvel\Korvel.lnk"
  Delete "$SMPROGRAMS\Korvel\卸载 Korvel.lnk"
  RMDir "$SMPROGRAMS\Korvel"

  !insertmacro KorvelRemoveFiles
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  ReadRegStr $0 HKLM "Software\Classes\.zdy" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue HKLM "Software\Classes\.zdy" ""
  ${EndIf}
  DeleteRegValue HKLM "Software\Classes\.zdy\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty HKLM "Software\Classes\.zdy\OpenWithProgids"
  DeleteRegKey /ifempty HKLM "Software\Classes\.zdy"
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
  ${NotifyShell_AssocChanged}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
