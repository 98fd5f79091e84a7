; The Windows setup program of the Corvalith configuration utility, built by `make installer` with
; makensis -INPUTCHARSET UTF8 and these definitions (installer/CMakeLists.txt passes them):
;   VERSION     the product version, major.minor.patch
;   PUBLISHER   the publisher shown in "Apps & features"
;   BIN         the folder of the Windows programs and their Skins folders (build/win64/bin)
;   ICON        the program's icon
;   OUTFILE     the setup program to write
;
; It installs for the current user, without administrator rights, into the user's local programs
; folder. Switches: /S silent, /LANG=EN|DE|CHS|CHT the language of the data folder's defaults (and of the
; setup program), /AUTOSTART start with Windows, /D=folder the installation folder (last).
; Exit codes: 0 installed, 1 cancelled, 2 bad switch, 3 the program did not exit, 4 the program folder
; could not be replaced (the old one is kept whole).

Unicode true
Target amd64-unicode ; a 64-bit setup program: the programs it installs are 64-bit too
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!ifndef VERSION | PUBLISHER | BIN | ICON | OUTFILE
    !error "makensis needs -DVERSION= -DPUBLISHER= -DBIN= -DICON= -DOUTFILE="
!endif

!define PRODUCT "Corvalith"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvalith"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define PRODUCT_KEY "SOFTWARE\Corvalith"
; What the running program is known by: its single-instance mutex and its main window's class.
!define PROGRAM_MUTEX "Corvalith_Mutex"
!define PROGRAM_WINDOW_CLASS "HarloHCClass"
!define IDCANCEL 2 ; the command of the tray menu's "Exit"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Corvalith.exe"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString SectionProgram ${LANG_ENGLISH} "Corvalith"
LangString SectionProgram ${LANG_GERMAN} "Corvalith"
LangString SectionProgram ${LANG_SIMPCHINESE} "Corvalith"
LangString SectionProgram ${LANG_TRADCHINESE} "Corvalith"
LangString SectionAutostart ${LANG_ENGLISH} "Start with Windows"
LangString SectionAutostart ${LANG_GERMAN} "Mit Windows starten"
LangString SectionAutostart ${LANG_SIMPCHINESE} "开机时启动"
LangString SectionAutostart ${LANG_TRADCHINESE} "開機時啟動"
LangString ProgramRuns ${LANG_ENGLISH} "Corvalith is still running. Exit it from its tray icon's menu (Exit), then choose Retry."
LangString ProgramRuns ${LANG_GERMAN} "Corvalith läuft noch. Beenden Sie es im Menü seines Infobereich-Symbols (Exit) und wählen Sie dann Wiederholen."
LangString ProgramRuns ${LANG_SIMPCHINESE} "Corvalith 仍在运行。请在其通知区域图标的菜单中选择“退出”，然后点击“重试”。"
LangString ProgramRuns ${LANG_TRADCHINESE} "Corvalith 仍在執行。請在其通知區域圖示的選單中選擇「退出」，然後點選「重試」。"
LangString FolderBusy ${LANG_ENGLISH} "The program folder is in use and was not changed:"
LangString FolderBusy ${LANG_GERMAN} "Der Programmordner wird verwendet und wurde nicht geändert:"
LangString FolderBusy ${LANG_SIMPCHINESE} "程序文件夹正在使用中，未作更改："
LangString FolderBusy ${LANG_TRADCHINESE} "程式資料夾正在使用中，未作變更："
LangString BadLanguage ${LANG_ENGLISH} "Unknown language; use /LANG=EN, DE, CHS or CHT."
LangString BadLanguage ${LANG_GERMAN} "Unbekannte Sprache; /LANG=EN, DE, CHS oder CHT verwenden."
LangString BadLanguage ${LANG_SIMPCHINESE} "未知语言；请使用 /LANG=EN、DE、CHS 或 CHT。"
LangString BadLanguage ${LANG_TRADCHINESE} "未知語言；請使用 /LANG=EN、DE、CHS 或 CHT。"
LangString RemoveData ${LANG_ENGLISH} "Also remove your profiles and macros?"
LangString RemoveData ${LANG_GERMAN} "Auch Ihre Profile und Makros entfernen?"
LangString RemoveData ${LANG_SIMPCHINESE} "是否同时删除您的配置文件和宏？"
LangString RemoveData ${LANG_TRADCHINESE} "是否同時刪除您的設定檔和巨集？"

Var LanguageCode ; EN, DE, CHS or CHT: the defaults laid down in the data folder

; ---- the running program ----------------------------------------------------------------------------
; Asks a running Corvalith.exe to exit with the tray menu's "Exit" command and waits up to ten seconds for
; it to end; then asks the user to exit it (Retry or Cancel; silent mode cancels). Cancel ends the setup
; with exit code 3 before anything has been changed.
!macro CLOSE_PROGRAM_FUNCTION prefix
Function ${prefix}CloseProgram
    Push $0
    Push $1
    Push $2
    StrCpy $2 0
    ${Do}
        System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${PROGRAM_MUTEX}") p .r0'
        ${If} $0 P= 0
            ${Break}
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r0)'
        ${If} $2 = 0
            FindWindow $1 "${PROGRAM_WINDOW_CLASS}"
            ${If} $1 <> 0
                DetailPrint "Asking Corvalith to exit"
                System::Call 'user32::PostMessageW(p r1, i ${WM_COMMAND}, p ${IDCANCEL}, p 0)'
            ${EndIf}
        ${EndIf}
        IntOp $2 $2 + 1
        ${If} $2 > 50
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRuns)" /SD IDCANCEL IDRETRY retry
            SetErrorLevel 3
            Quit
            retry:
            StrCpy $2 0
        ${EndIf}
        Sleep 200
    ${Loop}
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_PROGRAM_FUNCTION ""
!insertmacro CLOSE_PROGRAM_FUNCTION "un."

; ---- install ------------------------------------------------------------------------------------------
; The new program folder is put together beside the old one and swapped in with two renames, so a failure
; leaves the old folder whole or the new one, never a mix.
Section "$(SectionProgram)" SectionProgram
    SectionIn RO
    Call CloseProgram

    StrCpy $R8 "$INSTDIR.new"
    StrCpy $R9 "$INSTDIR.old"
    RMDir /r "$R8"
    RMDir /r "$R9"
    SetOutPath "$R8"
    File "${BIN}/Corvalith.exe"
    File "${BIN}/corvalith-show.exe"
    File "${BIN}/corvalith-cli.exe"
    File /r "${BIN}/Skins"
    File /r "${BIN}/Skins150"
    File /r "${BIN}/Skins200"
    CreateDirectory "$R8\Update\3360"
    ; The firmware updater is not ours: whatever its folder holds stays.
    ${If} ${FileExists} "$INSTDIR\Update\*.*"
        CopyFiles /SILENT "$INSTDIR\Update\*.*" "$R8\Update"
    ${EndIf}
    WriteUninstaller "$R8\Uninstall.exe"

    SetOutPath "$TEMP"
    ${If} ${FileExists} "$INSTDIR\*.*"
        ClearErrors
        Rename "$INSTDIR" "$R9"
        ${If} ${Errors}
            RMDir /r "$R8"
            MessageBox MB_ICONSTOP "$(FolderBusy) $INSTDIR" /SD IDOK
            SetErrorLevel 4
            Quit
        ${EndIf}
    ${EndIf}
    ClearErrors
    Rename "$R8" "$INSTDIR"
    ${If} ${Errors}
        Rename "$R9" "$INSTDIR"
        RMDir /r "$R8"
        MessageBox MB_ICONSTOP "$(FolderBusy) $INSTDIR" /SD IDOK
        SetErrorLevel 4
        Quit
    ${EndIf}
    RMDir /r "$R9"
    SetOutPath "$INSTDIR"

    ; The data folder's defaults in the chosen language, only where the data folder lacks them: profiles,
    ; captions and macros already there are never replaced.
    InitPluginsDir
    File "/oname=$PLUGINSDIR\corvalith-installdefaults.exe" "${BIN}/corvalith-installdefaults.exe"
    nsExec::ExecToLog '"$PLUGINSDIR\corvalith-installdefaults.exe" --into "$APPDATA\${PRODUCT}" $LanguageCode'
    Pop $0
    ${If} $0 != 0
        DetailPrint "The data folder's defaults were not laid down ($0)"
        SetErrorLevel 5
    ${EndIf}

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Corvalith.exe"
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Corvalith.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallerLanguage" "$LANGUAGE"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(SectionAutostart)" SectionAutostart
    WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Corvalith.exe"'
SectionEnd

; ---- start --------------------------------------------------------------------------------------------
Function .onInit
    SetShellVarContext current
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/LANG=" $R1
    ${IfNot} ${Errors}
        ${If} $R1 S== "EN"
            StrCpy $LANGUAGE ${LANG_ENGLISH}
        ${ElseIf} $R1 S== "DE"
            StrCpy $LANGUAGE ${LANG_GERMAN}
        ${ElseIf} $R1 S== "CHS"
            StrCpy $LANGUAGE ${LANG_SIMPCHINESE}
        ${ElseIf} $R1 S== "CHT"
            StrCpy $LANGUAGE ${LANG_TRADCHINESE}
        ${Else}
            MessageBox MB_ICONSTOP "$(BadLanguage)" /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${ElseIfNot} ${Silent}
        ; The language page: $LANGUAGE starts as the Windows interface language when it is one of the four.
        LangDLL::LangDialog "Corvalith" "Please select a language." A \
            "English" ${LANG_ENGLISH} "Deutsch" ${LANG_GERMAN} \
            "简体中文" ${LANG_SIMPCHINESE} "繁體中文" ${LANG_TRADCHINESE} ""
        Pop $LANGUAGE
        ${If} $LANGUAGE == "cancel"
            Abort
        ${EndIf}
    ${EndIf}
    ${If} $LANGUAGE = ${LANG_GERMAN}
        StrCpy $LanguageCode "DE"
    ${ElseIf} $LANGUAGE = ${LANG_SIMPCHINESE}
        StrCpy $LanguageCode "CHS"
    ${ElseIf} $LANGUAGE = ${LANG_TRADCHINESE}
        StrCpy $LanguageCode "CHT"
    ${Else}
        StrCpy $LanguageCode "EN"
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/AUTOSTART" $R1
    ${IfNot} ${Errors}
        SectionSetFlags ${SectionAutostart} ${SF_SELECTED}
    ${EndIf}
FunctionEnd

; ---- uninstall ----------------------------------------------------------------------------------------
Function un.onInit
    SetShellVarContext current
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallerLanguage"
    ${If} $0 != ""
        StrCpy $LANGUAGE $0
    ${EndIf}
FunctionEnd

; Removes what the setup program put down and its registry entries. The profiles and macros stay unless
; the user asks to remove them too (silent mode keeps them).
Section "Uninstall"
    Call un.CloseProgram
    Delete "$INSTDIR\Corvalith.exe"
    Delete "$INSTDIR\corvalith-show.exe"
    Delete "$INSTDIR\corvalith-cli.exe"
    RMDir /r "$INSTDIR\Skins"
    RMDir /r "$INSTDIR\Skins150"
    RMDir /r "$INSTDIR\Skins200"
    RMDir "$INSTDIR\Update\3360"
    RMDir "$INSTDIR\Update"
    Delete "$INSTDIR\Uninstall.exe"
    SetOutPath "$TEMP"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    MessageBox MB_YESNO|MB_DEFBUTTON2|MB_ICONQUESTION "$(RemoveData)" /SD IDNO IDNO keep
    RMDir /r "$APPDATA\${PRODUCT}"
    DeleteRegKey HKCU "${PRODUCT_KEY}"
    keep:
SectionEnd
