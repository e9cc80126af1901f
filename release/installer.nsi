; The installer of ゼルヴェイン: a per-user installation, no administrator rights.
;
; The build runs it as
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DDIST=<folder of the programs>
;            -DICON=<the saver's icon> -DOUTFILE=<setup program> installer.nsi
; /S installs silently, with the default choices; the uninstaller takes /S too.

Unicode true
; A 64-bit installer, like the programs it installs: it runs where they run.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "ゼルヴェイン"
!define DISPLAY_NAME "ゼルヴェイン (Zelvane)"
!define PUBLISHER "Kobrin"
!define SAVER_FILE "ゼルヴェイン.scr"
!define RENDERER_FILE "ゼルヴェイン.dll"
!define HELP_FILE "ゼルヴェイン.html"
!define SETTINGS_FILE "ゼルヴェイン.ini"
!define UNINSTALLER_FILE "uninstall.exe"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvane"
; Where Windows keeps the user's screen saver, as right-click "Install" sets it.
!define DESKTOP_KEY "Control Panel\Desktop"
!define SAVER_VALUE "SCRNSAVE.EXE"
!define SAVER_ACTIVE_VALUE "ScreenSaveActive"

!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEINIFILE_SENDCHANGE 3

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; Installing again goes where the last installation went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenSaverSettingsText)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenSaverSettings
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${HELP_FILE}"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(ShowHelpText)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The pages follow the system's language: Japanese on a Japanese system,
; English (the first, so the fallback) everywhere else.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString ProgramSectionName ${LANG_ENGLISH} "${PRODUCT} (required)"
LangString ProgramSectionName ${LANG_JAPANESE} "${PRODUCT} (必須)"
LangString SaverSectionName ${LANG_ENGLISH} "Make it my screen saver"
LangString SaverSectionName ${LANG_JAPANESE} "使用するスクリーン セーバーにする"
LangString OpenSaverSettingsText ${LANG_ENGLISH} "Open the screen saver settings"
LangString OpenSaverSettingsText ${LANG_JAPANESE} "スクリーン セーバーの設定を開く"
LangString ShowHelpText ${LANG_ENGLISH} "Show the help page"
LangString ShowHelpText ${LANG_JAPANESE} "ヘルプを表示する"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "© ${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "!$(ProgramSectionName)" ProgramSection
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; The settings file is not among these: an earlier installation's stays.
  File "${DIST}/${SAVER_FILE}"
  File "${DIST}/${RENDERER_FILE}"
  File "${DIST}/${HELP_FILE}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER_FILE}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${SAVER_FILE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "$INSTDIR\${HELP_FILE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER_FILE}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER_FILE}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; What right-click "Install" does: the saver's short path becomes the user's
; screen saver, and screen savers are switched on.
Section "$(SaverSectionName)" SaverSection
  Call SaverPath
  Pop $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "${SAVER_VALUE}" "$0"
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATEINIFILE_SENDCHANGE})'
  WriteRegStr HKCU "${DESKTOP_KEY}" "${SAVER_ACTIVE_VALUE}" "1"
SectionEnd

; The installed saver as Windows is told of it: its short path where the file
; system has short names, its full path otherwise.
!macro SaverPathFunction prefix
  Function ${prefix}SaverPath
    Push $0
    GetFullPathName /SHORT $0 "$INSTDIR\${SAVER_FILE}"
    ${If} $0 == ""
      StrCpy $0 "$INSTDIR\${SAVER_FILE}"
    ${EndIf}
    Exch $0
  FunctionEnd
!macroend
!insertmacro SaverPathFunction ""
!insertmacro SaverPathFunction "un."

Function OpenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

Section "Uninstall"
  ; Only while the saver is still the user's screen saver (in either form of
  ; its path); another saver chosen since is left as it is.
  Call un.SaverPath
  Pop $0
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "${SAVER_VALUE}"
  ${If} $1 == $0
  ${OrIf} $1 == "$INSTDIR\${SAVER_FILE}"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "${SAVER_VALUE}"
  ${EndIf}

  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; File by file, never the whole folder: it may hold files that are not ours.
  Delete "$INSTDIR\${SAVER_FILE}"
  Delete "$INSTDIR\${RENDERER_FILE}"
  Delete "$INSTDIR\${HELP_FILE}"
  Delete "$INSTDIR\${SETTINGS_FILE}"
  ; What an interrupted write of the settings file may have left.
  Delete "$INSTDIR\${SETTINGS_FILE}.*.tmp"
  Delete "$INSTDIR\${UNINSTALLER_FILE}"
  RMDir "$INSTDIR"
SectionEnd
