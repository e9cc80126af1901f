; The installer of ゼルヴェイン, for all users or for the current user only.
;
; The build runs it as
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DDIST=<folder of the programs>
;            -DICON=<the saver's icon> -DRUNNING_PROGRAMS=<helper program>
;            -DOUTFILE=<setup program> installer.nsi
;
; Command line: /AllUsers or /CurrentUser chooses for whom (the page that asks
; is then left out); /D=<folder> the folder; /S installs silently, for the
; current user unless /AllUsers is given. The uninstaller takes /S too.
;
; For all users the saver and its renderer go into the 64-bit System32 folder,
; where the Screen Saver Settings dialog lists them for every user; the help
; page and the uninstaller go into Program Files\ゼルヴェイン and the uninstall
; entry under HKLM. For the current user everything goes into one folder of the
; user's own and the entry under HKCU.
;
; Exit statuses besides NSIS's own (0 done, 1 cancelled): 2 when nothing was
; installed or removed because the run was refused (no rights for all users,
; or the other kind of installation is kept), 3010 when a file in use is
; replaced or removed at the next restart of Windows.

Unicode true
; A 64-bit installer, like the programs it installs: it runs where they run, and
; its System32 is the 64-bit one.
Target amd64-unicode
ManifestDPIAware true
; An administrator's run is elevated, so that it may install for all users.
RequestExecutionLevel highest
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include nsDialogs.nsh

!define PRODUCT "ゼルヴェイン"
!define DISPLAY_NAME "ゼルヴェイン (Zelvane)"
!define PUBLISHER "Kobrin"
!define SAVER_FILE "ゼルヴェイン.scr"
!define RENDERER_FILE "ゼルヴェイン.dll"
!define HELP_FILE "ゼルヴェイン.html"
!define SETTINGS_FILE "ゼルヴェイン.ini"
!define UNINSTALLER_FILE "uninstall.exe"
!define RUNNING_PROGRAMS_FILE "running_programs.exe"
; A new program file that waits beside one in use for the next restart.
!define PENDING_SUFFIX ".new"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvane"
; Where an uninstallation that waits for a restart is run again to finish.
!define RUN_ONCE_KEY "Software\Microsoft\Windows\CurrentVersion\RunOnce"
!define RUN_ONCE_VALUE "Zelvane uninstall"
; Where Windows keeps the user's screen saver, as right-click "Install" sets it.
!define DESKTOP_KEY "Control Panel\Desktop"
!define SAVER_VALUE "SCRNSAVE.EXE"
!define SAVER_ACTIVE_VALUE "ScreenSaveActive"
; Tells the uninstaller to leave the user's settings file, when the other kind
; replaces it.
!define KEEP_USER_SETTINGS_OPTION "/KeepUserSettings"

; The Start-menu entries, in both languages: the uninstaller removes either.
!define SETTINGS_SHORTCUT_EN "${PRODUCT} Settings"
!define SETTINGS_SHORTCUT_JA "${PRODUCT}の設定"
!define CHOOSE_SHORTCUT_EN "Make ${PRODUCT} my screen saver"
!define CHOOSE_SHORTCUT_JA "${PRODUCT}をスクリーン セーバーにする"
!define HELP_SHORTCUT_EN "${PRODUCT} Help"
!define HELP_SHORTCUT_JA "${PRODUCT}のヘルプ"

!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEINIFILE_SENDCHANGE 3
!define EXIT_REFUSED 2
!define EXIT_RESTART_NEEDED 3010

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; No default here: .onInit chooses the folder for the kind of installation,
; unless /D gave one.
InstallDir ""
BrandingText "${PRODUCT} ${VERSION}"

Var AllUsers        ; 1 for all users, 0 for the current user
Var ModeGiven       ; 1 when the command line chose for whom
Var FolderGiven     ; 1 when /D chose the folder
Var SaverFolder     ; where the saver and the renderer go
Var OtherInstall    ; the folder of an installation of the other kind, to remove
; The folder of the settings file a saver keeps for the user where its own
; folder cannot be written: the user's own application data, whatever the kind.
Var UserSettingsFolder
Var ModePage
Var AllUsersButton

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
Page custom ModePageShow ModePageLeave
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_PRE DirectoryPagePre
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

; The language files' texts of the page that asks for whom to install.
!define MULTIUSER_INSTALLMODEPAGE
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
LangString SettingsShortcut ${LANG_ENGLISH} "${SETTINGS_SHORTCUT_EN}"
LangString SettingsShortcut ${LANG_JAPANESE} "${SETTINGS_SHORTCUT_JA}"
LangString ChooseShortcut ${LANG_ENGLISH} "${CHOOSE_SHORTCUT_EN}"
LangString ChooseShortcut ${LANG_JAPANESE} "${CHOOSE_SHORTCUT_JA}"
LangString HelpShortcut ${LANG_ENGLISH} "${HELP_SHORTCUT_EN}"
LangString HelpShortcut ${LANG_JAPANESE} "${HELP_SHORTCUT_JA}"

LangString NoRightsText ${LANG_ENGLISH} "Installing ${PRODUCT} for all users needs administrator rights, and this account does not have them here.$\r$\n$\r$\nInstall it for you only instead?"
LangString NoRightsText ${LANG_JAPANESE} "すべてのユーザーに ${PRODUCT} をインストールするには管理者の権限が必要ですが、このアカウントにはありません。$\r$\n$\r$\n代わりに、自分にのみインストールしますか?"
LangString UninstallNoRightsText ${LANG_ENGLISH} "${PRODUCT} is installed for all users: removing it needs administrator rights."
LangString UninstallNoRightsText ${LANG_JAPANESE} "${PRODUCT} はすべてのユーザーにインストールされています。削除するには管理者の権限が必要です。"
LangString OtherIsAllUsersText ${LANG_ENGLISH} "${PRODUCT} is already installed for all users (in $OtherInstall). Only one installation can be kept.$\r$\n$\r$\nYes: remove it and install ${PRODUCT} for you only.$\r$\nNo: keep it and install nothing."
LangString OtherIsAllUsersText ${LANG_JAPANESE} "${PRODUCT} はすでにすべてのユーザーにインストールされています ($OtherInstall)。残せるのはどちらか一つです。$\r$\n$\r$\nはい: それを削除して、自分にのみインストールします。$\r$\nいいえ: それを残し、何もインストールしません。"
LangString OtherIsCurrentUserText ${LANG_ENGLISH} "${PRODUCT} is already installed for you only (in $OtherInstall). Only one installation can be kept.$\r$\n$\r$\nYes: remove it and install ${PRODUCT} for all users.$\r$\nNo: keep it and install nothing."
LangString OtherIsCurrentUserText ${LANG_JAPANESE} "${PRODUCT} はすでに自分にのみインストールされています ($OtherInstall)。残せるのはどちらか一つです。$\r$\n$\r$\nはい: それを削除して、すべてのユーザーにインストールします。$\r$\nいいえ: それを残し、何もインストールしません。"
LangString OtherNeedsRightsText ${LANG_ENGLISH} "Removing the installation for all users needs administrator rights. It is kept, and nothing is installed."
LangString OtherNeedsRightsText ${LANG_JAPANESE} "すべてのユーザー向けのインストールを削除するには管理者の権限が必要です。それを残し、何もインストールしません。"
LangString OtherNotRemovedText ${LANG_ENGLISH} "The other installation of ${PRODUCT} could not be removed completely (a file is in use). Restart Windows and run this installer again."
LangString OtherNotRemovedText ${LANG_JAPANESE} "もう一方の ${PRODUCT} を完全には削除できませんでした (使用中のファイルがあります)。Windows を再起動してから、もう一度このインストーラーを実行してください。"
LangString CloseSaverText ${LANG_ENGLISH} "${PRODUCT} is running (the screen saver, its settings or its preview). It will be closed to go on."
LangString CloseSaverText ${LANG_JAPANESE} "${PRODUCT} が動いています (スクリーン セーバー、設定画面またはプレビュー)。続けるために終了させます。"
LangString NotClosedText ${LANG_ENGLISH} "${PRODUCT} could not be closed. Close it, or restart Windows, and try again."
LangString NotClosedText ${LANG_JAPANESE} "${PRODUCT} を終了できませんでした。終了させるか Windows を再起動してから、もう一度実行してください。"
LangString NotReplacedText ${LANG_ENGLISH} "A file of ${PRODUCT} is in use and could not be replaced: $R9$\r$\nClose the programs that use it, or restart Windows, and run this installer again."
LangString NotReplacedText ${LANG_JAPANESE} "${PRODUCT} のファイルが使用中のため置き換えられませんでした: $R9$\r$\nそれを使っているプログラムを終了させるか Windows を再起動してから、もう一度このインストーラーを実行してください。"
LangString ReplacedAtRestartText ${LANG_ENGLISH} "Some files of ${PRODUCT} are in use. They will be replaced when Windows restarts."
LangString ReplacedAtRestartText ${LANG_JAPANESE} "${PRODUCT} の一部のファイルが使用中です。Windows の再起動のときに置き換えられます。"
LangString RemovedAtRestartText ${LANG_ENGLISH} "Some files of ${PRODUCT} are in use. They will be removed when Windows restarts; until then ${PRODUCT} stays in the list of installed apps."
LangString RemovedAtRestartText ${LANG_JAPANESE} "${PRODUCT} の一部のファイルが使用中です。Windows の再起動のときに削除されます。それまでは、インストールされているアプリの一覧に残ります。"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "© ${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

; ---------------------------------------------------------------------------
; What the installer and the uninstaller share ("un." is the uninstaller's).

; Whether this run may install for all users: whether it can write the System32
; folder, which only an administrator's elevated program can. Gives 1 or 0.
!macro RightsFunction prefix
  Function ${prefix}MayInstallForAllUsers
    Push $0
    Push $1
    StrCpy $1 "$SYSDIR\${PRODUCT}.rights.tmp"
    ClearErrors
    FileOpen $0 $1 w
    ${If} ${Errors}
      StrCpy $0 0
    ${Else}
      FileClose $0
      Delete $1
      StrCpy $0 1
    ${EndIf}
    Pop $1
    Exch $0
  FunctionEnd
!macroend
!insertmacro RightsFunction ""
!insertmacro RightsFunction "un."

; The installed saver as Windows is told of it: its short path where the file
; system has short names, its full path otherwise.
!macro SaverPathFunction prefix
  Function ${prefix}SaverPath
    Push $0
    GetFullPathName /SHORT $0 "$SaverFolder\${SAVER_FILE}"
    ${If} $0 == ""
      StrCpy $0 "$SaverFolder\${SAVER_FILE}"
    ${EndIf}
    Exch $0
  FunctionEnd
!macroend
!insertmacro SaverPathFunction ""
!insertmacro SaverPathFunction "un."

; Finds the saver's programs running from where this installation puts them
; (the saver, its settings dialog, its preview, the renderer), says they will
; be closed (a silent run just closes them) and closes them. Aborts, changing
; nothing, when the user declines or one cannot be closed.
!macro CloseRunningSaverFunction prefix
  Function ${prefix}CloseRunningSaver
    StrCpy $R0 '"$PLUGINSDIR\${RUNNING_PROGRAMS_FILE}"'
    StrCpy $R1 '"$SaverFolder\${SAVER_FILE}" "$SaverFolder\${RENDERER_FILE}"'
    ExecWait '$R0 find $R1' $0
    ${If} $0 == 1
      MessageBox MB_OKCANCEL|MB_ICONINFORMATION "$(CloseSaverText)" /SD IDOK IDOK close
      Abort
    close:
      ExecWait '$R0 close $R1' $0
      ${If} $0 != 0
        MessageBox MB_OK|MB_ICONSTOP "$(NotClosedText)" /SD IDOK
        Abort
      ${EndIf}
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro CloseRunningSaverFunction ""
!insertmacro CloseRunningSaverFunction "un."

; Screen saving on (1) or off (0) for the user, told to the system and kept
; where Windows keeps it.
!macro SetScreenSaving on
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i ${on}, p 0, i ${SPIF_UPDATEINIFILE_SENDCHANGE})'
  WriteRegStr HKCU "${DESKTOP_KEY}" "${SAVER_ACTIVE_VALUE}" "${on}"
!macroend

; The helper that finds and closes the running programs, unpacked for this run.
!macro CarryRunningPrograms
  InitPluginsDir
  File "/oname=$PLUGINSDIR\${RUNNING_PROGRAMS_FILE}" "${RUNNING_PROGRAMS}"
!macroend

; Before the kind of installation is applied, while the user's own folders are
; the ones the shell names.
!macro FindUserSettingsFolder
  SetShellVarContext current
  StrCpy $UserSettingsFolder "$APPDATA\${PRODUCT}"
!macroend

; ---------------------------------------------------------------------------
; The installer.

Function .onInit
  !insertmacro FindUserSettingsFolder
  !insertmacro CarryRunningPrograms
  ${If} $INSTDIR != ""
    StrCpy $FolderGiven 1
  ${EndIf}
  ${GetParameters} $R0
  ; An installation of the one kind only is found first: its kind is offered.
  StrCpy $AllUsers 0
  ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R1 != ""
  ${AndIf} $R2 == ""
    StrCpy $AllUsers 1
  ${EndIf}
  ; Then the command line, and a silent run decides for the current user.
  ${If} ${Silent}
    StrCpy $AllUsers 0
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/CurrentUser" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 0
    StrCpy $ModeGiven 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/AllUsers" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
    StrCpy $ModeGiven 1
  ${EndIf}

  ${If} $ModeGiven == 1
  ${OrIf} ${Silent}
    Call CheckRights
    Pop $0
    ${If} $0 == 0
      SetErrorLevel ${EXIT_REFUSED}
      Quit
    ${EndIf}
    Call CheckOtherKind
    Pop $0
    ${If} $0 == 0
      SetErrorLevel ${EXIT_REFUSED}
      Quit
    ${EndIf}
  ${EndIf}
  Call ApplyInstallMode
FunctionEnd

; For all users without the rights for it: says so and offers the installation
; for the current user (a silent run refuses). Gives 1 to go on, 0 to stop.
Function CheckRights
  ${If} $AllUsers == 1
    Call MayInstallForAllUsers
    Pop $0
    ${If} $0 == 0
      MessageBox MB_YESNO|MB_ICONEXCLAMATION "$(NoRightsText)" /SD IDNO IDYES +3
        Push 0
        Return
      StrCpy $AllUsers 0
    ${EndIf}
  ${EndIf}
  Push 1
FunctionEnd

; An installation of the other kind: the user chooses which to keep (a silent
; run keeps it and installs nothing). Gives 1 to go on, 0 to stop.
Function CheckOtherKind
  ${If} $AllUsers == 1
    ReadRegStr $OtherInstall HKCU "${UNINSTALL_KEY}" "InstallLocation"
    StrCpy $0 "$(OtherIsCurrentUserText)"
  ${Else}
    ReadRegStr $OtherInstall HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCpy $0 "$(OtherIsAllUsersText)"
  ${EndIf}
  ${If} $OtherInstall != ""
    MessageBox MB_YESNO|MB_ICONQUESTION $0 /SD IDNO IDYES +4
      StrCpy $OtherInstall ""
      Push 0
      Return
    ; Only an administrator may remove the installation for all users.
    ${If} $AllUsers == 0
      Call MayInstallForAllUsers
      Pop $0
      ${If} $0 == 0
        MessageBox MB_OK|MB_ICONSTOP "$(OtherNeedsRightsText)" /SD IDOK
        StrCpy $OtherInstall ""
        Push 0
        Return
      ${EndIf}
    ${EndIf}
  ${EndIf}
  Push 1
FunctionEnd

; The registry view, the Start menu and the default folder of the kind chosen.
Function ApplyInstallMode
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
  ${If} $FolderGiven != 1
    ; Installing again goes where the last installation of this kind went.
    ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $INSTDIR == ""
    ${AndIf} $AllUsers == 1
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${ElseIf} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

Function ModePageShow
  ${If} $ModeGiven == 1
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "$(MULTIUSER_TEXT_INSTALLMODE_TITLE)" "$(MULTIUSER_TEXT_INSTALLMODE_SUBTITLE)"
  nsDialogs::Create 1018
  Pop $ModePage
  ${NSD_CreateLabel} 0 2u 100% 42u "$(MULTIUSER_INNERTEXT_INSTALLMODE_TOP)"
  Pop $0
  ${NSD_CreateRadioButton} 15u 50u -15u 10u "$(MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS)"
  Pop $AllUsersButton
  ${NSD_CreateRadioButton} 15u 70u -15u 10u "$(MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER)"
  Pop $0
  ${If} $AllUsers == 1
    ${NSD_Check} $AllUsersButton
  ${Else}
    ${NSD_Check} $0
  ${EndIf}
  nsDialogs::Show
FunctionEnd

; The choice is checked as the command line's is; the page stays when the user
; keeps the installation of the other kind or, without the rights for all
; users, declines the installation just for him.
Function ModePageLeave
  ${NSD_GetState} $AllUsersButton $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call CheckRights
  Pop $0
  ${If} $0 == 0
    Abort
  ${EndIf}
  Call CheckOtherKind
  Pop $0
  ${If} $0 == 0
    Abort
  ${EndIf}
  Call ApplyInstallMode
FunctionEnd

; For all users only the help page and the uninstaller go into the folder: the
; saver's place is fixed, so the page is left out.
Function DirectoryPagePre
  ${If} $AllUsers == 1
    Abort
  ${EndIf}
FunctionEnd

; The other kind's own uninstaller removes it, but not the user's settings: the
; settings file beside a saver of the user's own becomes the user's settings
; file, which a saver of either kind reads first. Run in place, the uninstaller
; cannot remove itself, so that is done here. Aborts when the installation is
; not gone.
Function RemoveOtherKind
  ${If} $AllUsers == 1
  ${AndIfNot} ${FileExists} "$UserSettingsFolder\${SETTINGS_FILE}"
  ${AndIf} ${FileExists} "$OtherInstall\${SETTINGS_FILE}"
    CreateDirectory "$UserSettingsFolder"
    CopyFiles /SILENT "$OtherInstall\${SETTINGS_FILE}" "$UserSettingsFolder"
  ${EndIf}
  ExecWait '"$OtherInstall\${UNINSTALLER_FILE}" /S ${KEEP_USER_SETTINGS_OPTION} _?=$OtherInstall'
  ${If} $AllUsers == 1
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${Else}
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${EndIf}
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "$(OtherNotRemovedText)" /SD IDOK
    SetErrorLevel ${EXIT_REFUSED}
    Abort
  ${EndIf}
  Delete "$OtherInstall\${UNINSTALLER_FILE}"
  RMDir "$OtherInstall"
FunctionEnd

; One program file. One still in use (the programs were closed, yet something
; holds it) is written beside it and takes its place at the next restart.
!macro InstallFile folder name
  SetOverwrite try
  ClearErrors
  File "/oname=${folder}\${name}" "${DIST}/${name}"
  ${If} ${Errors}
    SetOverwrite on
    ClearErrors
    File "/oname=${folder}\${name}${PENDING_SUFFIX}" "${DIST}/${name}"
    Rename /REBOOTOK "${folder}\${name}${PENDING_SUFFIX}" "${folder}\${name}"
    ${If} ${Errors}
      Delete "${folder}\${name}${PENDING_SUFFIX}"
      StrCpy $R9 "${folder}\${name}"
      MessageBox MB_OK|MB_ICONSTOP "$(NotReplacedText)" /SD IDOK
      SetErrorLevel ${EXIT_REFUSED}
      Abort
    ${EndIf}
  ${EndIf}
  SetOverwrite on
!macroend

Section "!$(ProgramSectionName)" ProgramSection
  SectionIn RO
  ${If} $AllUsers == 1
    StrCpy $SaverFolder $SYSDIR
  ${Else}
    StrCpy $SaverFolder $INSTDIR
  ${EndIf}
  ${If} $OtherInstall != ""
    Call RemoveOtherKind
  ${EndIf}
  Call CloseRunningSaver

  ; The settings file is not among these: an earlier installation's stays.
  CreateDirectory "$SaverFolder"
  !insertmacro InstallFile "$SaverFolder" "${SAVER_FILE}"
  !insertmacro InstallFile "$SaverFolder" "${RENDERER_FILE}"
  SetOutPath "$INSTDIR"
  !insertmacro InstallFile "$INSTDIR" "${HELP_FILE}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER_FILE}"

  ; The saver's settings, making it the user's screen saver again (after
  ; another was chosen), and the help page.
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  SetOutPath "$SaverFolder"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\$(SettingsShortcut).lnk" "$SaverFolder\${SAVER_FILE}" "/c"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\$(ChooseShortcut).lnk" "$SYSDIR\rundll32.exe" \
    "desk.cpl,InstallScreenSaver $SaverFolder\${SAVER_FILE}" "$SaverFolder\${SAVER_FILE}" 0
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\$(HelpShortcut).lnk" "$INSTDIR\${HELP_FILE}"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$SaverFolder\${SAVER_FILE},0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "HelpLink" "$INSTDIR\${HELP_FILE}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER_FILE}"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER_FILE}" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  ${If} $AllUsers == 1
    ${GetSize} "$SaverFolder" "/M=${PRODUCT}.* /S=0K /G=0" $1 $2 $3
    IntOp $0 $0 + $1
  ${EndIf}
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0

  ${If} ${RebootFlag}
    MessageBox MB_OK|MB_ICONINFORMATION "$(ReplacedAtRestartText)" /SD IDOK
    SetErrorLevel ${EXIT_RESTART_NEEDED}
  ${EndIf}
SectionEnd

; What right-click "Install" does: the saver's short path becomes the user's
; screen saver, and screen savers are switched on.
Section "$(SaverSectionName)" SaverSection
  Call SaverPath
  Pop $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "${SAVER_VALUE}" "$0"
  !insertmacro SetScreenSaving 1
SectionEnd

Function OpenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

; ---------------------------------------------------------------------------
; The uninstaller: of the kind whose entry names its folder.

Function un.onInit
  !insertmacro FindUserSettingsFolder
  StrCpy $AllUsers 0
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    StrCpy $AllUsers 1
  ${EndIf}
  ${If} $AllUsers == 1
    Call un.MayInstallForAllUsers
    Pop $0
    ${If} $0 == 0
      MessageBox MB_OK|MB_ICONSTOP "$(UninstallNoRightsText)" /SD IDOK
      SetErrorLevel ${EXIT_REFUSED}
      Quit
    ${EndIf}
    SetShellVarContext all
    StrCpy $SaverFolder $SYSDIR
  ${Else}
    SetShellVarContext current
    StrCpy $SaverFolder $INSTDIR
  ${EndIf}
  !insertmacro CarryRunningPrograms
FunctionEnd

; Removes one file now, or at the next restart when it is in use. Sets $R8 to 1
; when it is still there.
!macro RemoveFile path
  Delete /REBOOTOK "${path}"
  ${If} ${FileExists} "${path}"
    StrCpy $R8 1
  ${EndIf}
!macroend

Section "Uninstall"
  Call un.CloseRunningSaver

  ; Removing the user's screen saver leaves the desktop as choosing "(None)"
  ; does: no saver named, screen saving off. Another saver chosen since is
  ; left as it is. The path is compared in either form.
  Call un.SaverPath
  Pop $0
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "${SAVER_VALUE}"
  ${If} $1 == $0
  ${OrIf} $1 == "$SaverFolder\${SAVER_FILE}"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "${SAVER_VALUE}"
    !insertmacro SetScreenSaving 0
  ${EndIf}

  ; File by file, never a whole folder: a folder may hold files that are not
  ; ours, and System32 holds everyone's.
  StrCpy $R8 0
  !insertmacro RemoveFile "$SaverFolder\${SAVER_FILE}"
  !insertmacro RemoveFile "$SaverFolder\${RENDERER_FILE}"
  Delete "$SaverFolder\${SAVER_FILE}${PENDING_SUFFIX}"
  Delete "$SaverFolder\${RENDERER_FILE}${PENDING_SUFFIX}"
  !insertmacro RemoveFile "$INSTDIR\${HELP_FILE}"
  Delete "$INSTDIR\${HELP_FILE}${PENDING_SUFFIX}"
  ; The settings file beside the saver, or this user's where that folder could
  ; not be written, and what an interrupted write of either may have left.
  Delete "$SaverFolder\${SETTINGS_FILE}.*.tmp"
  Delete "$UserSettingsFolder\${SETTINGS_FILE}.*.tmp"
  Delete "$SaverFolder\${SETTINGS_FILE}"
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "${KEEP_USER_SETTINGS_OPTION}" $1
  ${If} ${Errors}
    Delete "$UserSettingsFolder\${SETTINGS_FILE}"
  ${EndIf}
  RMDir "$UserSettingsFolder"

  Delete "$SMPROGRAMS\${PRODUCT}\${SETTINGS_SHORTCUT_EN}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${SETTINGS_SHORTCUT_JA}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${CHOOSE_SHORTCUT_EN}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${CHOOSE_SHORTCUT_JA}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${HELP_SHORTCUT_EN}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${HELP_SHORTCUT_JA}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  ${If} $R8 == 1
    ; Until the files in use are gone, the entry and the uninstaller stay, and
    ; the uninstaller runs once more after the restart to finish.
    WriteRegStr SHCTX "${RUN_ONCE_KEY}" "${RUN_ONCE_VALUE}" '"$INSTDIR\${UNINSTALLER_FILE}" /S'
    MessageBox MB_OK|MB_ICONINFORMATION "$(RemovedAtRestartText)" /SD IDOK
    SetErrorLevel ${EXIT_RESTART_NEEDED}
  ${Else}
    DeleteRegValue SHCTX "${RUN_ONCE_KEY}" "${RUN_ONCE_VALUE}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    Delete "$INSTDIR\${UNINSTALLER_FILE}"
    RMDir "$INSTDIR"
  ${EndIf}
SectionEnd
