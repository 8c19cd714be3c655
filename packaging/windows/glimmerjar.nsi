; The Glimmerjar installer, made by makensis (scripts/package-windows.sh passes the defines).
;
; For the person running it, without administrator rights: the programs go into their own
; programs folder, the Start menu entries into their own Start menu, the uninstaller into
; their own Apps list. Run elevated, it can install for everyone instead: into Program
; Files, with the screen saver in the system folder where every user's list finds it.
;
; Switches: /S silent; /D=FOLDER the folder; /SCREENSAVER make Glimmerjar the screen saver
; (a silent install leaves the screen saver alone without it); /ALLUSERS for everyone
; (needs administrator rights). The uninstaller: /S silent; /REMOVESETTINGS also removes
; the settings and the saved lava, which it otherwise keeps.
;
; Defines: VERSION (1.2.3), PROGRAMS (folder of glimmerjar.exe, glimmerjar.scr and
; readme.txt), ICON (the program's .ico), PICTURE (the welcome page's 164 x 314 BMP),
; OUTFILE, END_REQUEST and END_ANSWER (resources/end_request.h: how a running lamp is
; asked to end); SIGN, when given, a command that signs the file it is handed in place (the
; uninstaller before it goes in, and the installer itself).
;
; Neither ever leaves a file behind: a Glimmerjar that is running (the screen saver, a lamp
; in a window, its settings) is asked to end first, as its Exit would end it (the person is
; asked before, unless the run is silent), and a file still in use after that is removed at
; the next sign-in (the person is told).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; Files keep no build-time dates, so that two builds of one commit give one installer.
SetDateSave off
ManifestDPIAware true
RequestExecutionLevel user

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include nsDialogs.nsh

!define PRODUCT "Glimmerjar"
!define PUBLISHER "Tessvane"
!define WEB_SITE "https://glimmerjar.app/"
!define UNINSTALLER "Uninstall Glimmerjar.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Glimmerjar"
!define SETTINGS_KEY "Software\Tessvane\Glimmerjar"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEANDSEND 3

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!ifdef SIGN
    !uninstfinalize '${SIGN} "%1"'
    !finalize '${SIGN} "%1"'
!endif
; No InstallDir: $INSTDIR starts empty unless /D= names a folder (see UseScope).
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

Var allUsers        ; 1: installed for everyone
Var givenFolder     ; the folder /D= named, else empty
Var scope           ; the page's radio buttons
Var scopeJustMe
Var scopeEveryone
Var removeSettings  ; the uninstaller's check box
Var welcomeScope    ; the welcome page's words on who it installs for

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEFINISHPAGE_BITMAP "${PICTURE}"
!define MUI_COMPONENTSPAGE_NODESC
; The welcome page says who it installs for, as the next page will ask (see .onInit).
!define MUI_WELCOMEPAGE_TEXT "This will install ${PRODUCT} ${VERSION}, a lava lamp for your screen: a screen saver, and a desktop toy to play with.$\r$\n$\r$\n$welcomeScope$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_TEXT "${PRODUCT} has been installed.$\r$\n$\r$\nYou find it in the Start menu, with its settings. Press H in the lamp for its manual."
!define MUI_FINISHPAGE_RUN "$INSTDIR\glimmerjar.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start the lamp now"
!define MUI_FINISHPAGE_LINK "${WEB_SITE}"
!define MUI_FINISHPAGE_LINK_LOCATION "${WEB_SITE}"

!insertmacro MUI_PAGE_WELCOME
Page custom ScopePage ScopePageLeave
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.RemovePage un.RemovePageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; --- A running Glimmerjar ----------------------------------------------------------------

!define LAMP_CLASS "WindowsScreenSaverClass"

; Asks every window of the lamp's class with wParam $R0 (0: only answer, 1: end); $R9 is
; how many answered as Glimmerjar (other screen savers share the class and do not answer).
!macro ASK_LAMPS un
Function ${un}AskLamps
    System::Call 'user32::RegisterWindowMessageW(w "${END_REQUEST}") i .R8'
    StrCpy $R9 0
    StrCpy $R7 0
    ${Do}
        FindWindow $R7 "${LAMP_CLASS}" "" 0 $R7
        ${If} $R7 = 0
            ${Break}
        ${EndIf}
        StrCpy $R6 0
        System::Call 'user32::SendMessageTimeoutW(p R7, i R8, p R0, p 0, i 2, i 3000, *p .R6) p .R5'
        ${If} $R6 = ${END_ANSWER}
            IntOp $R9 $R9 + 1
        ${EndIf}
    ${Loop}
FunctionEnd

; Ends every running Glimmerjar before files are replaced or removed, asking the person
; first (OK ends it, Cancel stops the setup); waits up to ten seconds for it to save and go.
Function ${un}EndRunningLamps
    StrCpy $R0 0
    Call ${un}AskLamps
    ${If} $R9 = 0
        Return
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONINFORMATION "${PRODUCT} is running. OK ends it (your settings and the lava are saved), so that its files can be changed; Cancel stops." /SD IDOK IDOK +2
    Quit
    StrCpy $R0 1
    Call ${un}AskLamps
    StrCpy $R0 0
    StrCpy $R4 0
    ${Do}
        Sleep 250
        IntOp $R4 $R4 + 1
        Call ${un}AskLamps
        ${If} $R9 = 0
        ${OrIf} $R4 >= 40
            ${Break}
        ${EndIf}
    ${Loop}
    ; The processes let go of their files a moment after their windows go.
    Sleep 500
FunctionEnd
!macroend
!insertmacro ASK_LAMPS ""
!insertmacro ASK_LAMPS "un."

; --- Install --------------------------------------------------------------------------

Section "Glimmerjar" SecProgram
    SectionIn RO
    Call EndRunningLamps
    SetOutPath "$INSTDIR"
    File "${PROGRAMS}\glimmerjar.exe"
    File "${PROGRAMS}\glimmerjar.scr"
    File "${PROGRAMS}\readme.txt"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    ${If} $allUsers == 1
        ; The display settings list the screen savers of the system folder.
        CopyFiles /SILENT "$INSTDIR\glimmerjar.scr" "$SYSDIR\glimmerjar.scr"
    ${EndIf}

    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\glimmerjar.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_SITE}"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start menu entries" SecShortcuts
    CreateDirectory "$SMPROGRAMS\Glimmerjar"
    CreateShortcut "$SMPROGRAMS\Glimmerjar\Glimmerjar.lnk" "$INSTDIR\glimmerjar.exe" "" \
        "$INSTDIR\glimmerjar.exe" 0 SW_SHOWNORMAL "" "A lava lamp to play with"
    CreateShortcut "$SMPROGRAMS\Glimmerjar\Glimmerjar Settings.lnk" "$INSTDIR\glimmerjar.scr" "/c" \
        "$INSTDIR\glimmerjar.exe" 0 SW_SHOWNORMAL "" "The lava lamp's colours and physics"
SectionEnd

Section "Use Glimmerjar as my screen saver" SecScreenSaver
    ${If} $allUsers == 1
        StrCpy $0 "$SYSDIR\glimmerjar.scr"
    ${Else}
        StrCpy $0 "$INSTDIR\glimmerjar.scr"
    ${EndIf}
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
    ; Turned on, after the ten minutes Windows offers first unless a wait is already set.
    ReadRegStr $1 HKCU "${DESKTOP_KEY}" "ScreenSaveTimeOut"
    ${If} $1 == ""
        WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveTimeOut" "600"
    ${EndIf}
    System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATEANDSEND})'
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
SectionEnd

Function .onInit
    StrCpy $givenFolder $INSTDIR
    StrCpy $allUsers 0
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/ALLUSERS" $R1
    ${IfNot} ${Errors}
        UserInfo::GetAccountType
        Pop $R2
        ${If} $R2 != "Admin"
            MessageBox MB_ICONSTOP "Installing for everyone needs administrator rights: run the installer as administrator, or without /ALLUSERS to install it for you alone." /SD IDOK
            SetErrorLevel 740  ; ERROR_ELEVATION_REQUIRED
            Quit
        ${EndIf}
        StrCpy $allUsers 1
    ${EndIf}
    Call UseScope

    ; Who it installs for, as the pages that follow offer it: an administrator is asked.
    UserInfo::GetAccountType
    Pop $R2
    ${If} $allUsers == 1
        StrCpy $welcomeScope "It is installed for everyone who uses this computer."
    ${ElseIf} $R2 == "Admin"
        StrCpy $welcomeScope "As you are an administrator, you can install it for yourself alone or for everyone who uses this computer."
    ${Else}
        StrCpy $welcomeScope "No administrator rights are needed: it is installed for you alone."
    ${EndIf}

    ; A silent install changes the screen saver only when told to.
    ${If} ${Silent}
        ClearErrors
        ${GetOptions} $R0 "/SCREENSAVER" $R1
        ${If} ${Errors}
            SectionSetFlags ${SecScreenSaver} 0
        ${EndIf}
    ${EndIf}
FunctionEnd

; Sets the registry root, the folders and the install folder for $allUsers: the folder
; /D= named, else that of an earlier install of the same kind, else the usual one.
Function UseScope
    SetRegView 64
    ${If} $allUsers == 1
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\Glimmerjar"
    ${Else}
        SetShellVarContext current
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Glimmerjar"
    ${EndIf}
    ReadRegStr $R3 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R3 != ""
        StrCpy $INSTDIR $R3
    ${EndIf}
    ${If} $givenFolder != ""
        StrCpy $INSTDIR $givenFolder
    ${EndIf}
FunctionEnd

; "Install for": asked only of an administrator, who may choose everyone.
Function ScopePage
    ${If} $allUsers == 1
        Abort
    ${EndIf}
    UserInfo::GetAccountType
    Pop $R0
    ${If} $R0 != "Admin"
        Abort
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "Install for" "Choose who can use ${PRODUCT}."
    nsDialogs::Create 1018
    Pop $scope
    ${NSD_CreateLabel} 0 0 100% 24u "You are running the installer as an administrator, so it can install ${PRODUCT} for everyone who uses this computer."
    Pop $0
    ${NSD_CreateRadioButton} 10u 32u 100% 12u "Just for &me"
    Pop $scopeJustMe
    ${NSD_CreateRadioButton} 10u 48u 100% 12u "For &everyone (the screen saver in everyone's list)"
    Pop $scopeEveryone
    ${NSD_Check} $scopeJustMe
    nsDialogs::Show
FunctionEnd

Function ScopePageLeave
    ${NSD_GetState} $scopeEveryone $0
    ${If} $0 == ${BST_CHECKED}
        StrCpy $allUsers 1
    ${Else}
        StrCpy $allUsers 0
    ${EndIf}
    Call UseScope
FunctionEnd

; --- Uninstall ------------------------------------------------------------------------

Section "un.Glimmerjar" UnSecProgram
    SectionIn RO
    Call un.EndRunningLamps
    ; The screen saver is given up only while it is still Glimmerjar: the file it names is
    ; this install's, by any spelling of its name (a short 8.3 name, another case).
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} $0 != ""
        StrCpy $1 $0
        System::Call 'kernel32::GetLongPathNameW(w r0, w .r1, i ${NSIS_MAX_STRLEN}) i .r2'
        ${If} $2 = 0
            StrCpy $1 $0
        ${EndIf}
        StrCpy $3 "$INSTDIR\glimmerjar.scr"
        System::Call 'kernel32::GetLongPathNameW(w r3, w .r4, i ${NSIS_MAX_STRLEN}) i .r2'
        ${If} $2 = 0
            StrCpy $4 $3
        ${EndIf}
        StrCpy $3 "$SYSDIR\glimmerjar.scr"
        System::Call 'kernel32::GetLongPathNameW(w r3, w .r5, i ${NSIS_MAX_STRLEN}) i .r2'
        ${If} $2 = 0
            StrCpy $5 $3
        ${EndIf}
        ${If} $1 == $4
        ${OrIf} $1 == $5
            DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
            System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 0, p 0, i ${SPIF_UPDATEANDSEND})'
        ${EndIf}
    ${EndIf}

    Delete "$SMPROGRAMS\Glimmerjar\Glimmerjar.lnk"
    Delete "$SMPROGRAMS\Glimmerjar\Glimmerjar Settings.lnk"
    RMDir "$SMPROGRAMS\Glimmerjar"
    ${If} $allUsers == 1
        Delete /REBOOTOK "$SYSDIR\glimmerjar.scr"
    ${EndIf}
    Delete "$INSTDIR\glimmerjar.exe"
    Delete "$INSTDIR\glimmerjar.scr"
    Delete "$INSTDIR\readme.txt"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only if empty: a folder the person chose may hold their own files.
    RMDir "$INSTDIR"
    ; A file still in use goes at the next sign-in: for everyone by Windows' own pending
    ; removals, for one person (who may not write those) by a command run once.
    ${If} ${FileExists} "$INSTDIR\glimmerjar.exe"
    ${OrIf} ${FileExists} "$INSTDIR\glimmerjar.scr"
        ${If} $allUsers == 1
            Delete /REBOOTOK "$INSTDIR\glimmerjar.exe"
            Delete /REBOOTOK "$INSTDIR\glimmerjar.scr"
            RMDir /REBOOTOK "$INSTDIR"
        ${Else}
            WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\RunOnce" "Remove Glimmerjar" \
                '"$SYSDIR\cmd.exe" /c del /f /q "$INSTDIR\glimmerjar.exe" "$INSTDIR\glimmerjar.scr" & rd "$INSTDIR"'
        ${EndIf}
        MessageBox MB_ICONINFORMATION "Some of ${PRODUCT}'s files are still in use; they are removed the next time you sign in." /SD IDOK
    ${EndIf}
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Also remove my settings" UnSecSettings
    ; The settings and the saved lava: under the machine's key where the program could
    ; write there, else under the person's own.
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Tessvane"
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "Software\Tessvane"
SectionEnd

; What goes and what stays, with the choice to let the settings go too.
Function un.RemovePage
    !insertmacro MUI_HEADER_TEXT "Uninstall ${PRODUCT}" "Remove ${PRODUCT} from this computer."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 20u "${PRODUCT} will be removed from:"
    Pop $0
    ${NSD_CreateText} 0 20u 100% 12u "$INSTDIR"
    Pop $0
    SendMessage $0 ${EM_SETREADONLY} 1 0
    ${NSD_CreateLabel} 0 44u 100% 30u "Your settings and the lava in the lamp are kept, so that they are there again if you install ${PRODUCT} later."
    Pop $0
    ${NSD_CreateCheckbox} 0 78u 100% 12u "&Also remove my settings"
    Pop $removeSettings
    ${If} ${SectionIsSelected} ${UnSecSettings}
        ${NSD_Check} $removeSettings
    ${EndIf}
    GetDlgItem $0 $HWNDPARENT 1
    SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
    nsDialogs::Show
FunctionEnd

Function un.RemovePageLeave
    ${NSD_GetState} $removeSettings $0
    ${If} $0 == ${BST_CHECKED}
        SectionSetFlags ${UnSecSettings} ${SF_SELECTED}
    ${Else}
        SectionSetFlags ${UnSecSettings} 0
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
    ; Installed for everyone when the machine's Apps entry points at this folder.
    StrCpy $allUsers 0
    ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R0 == $INSTDIR
        StrCpy $allUsers 1
        UserInfo::GetAccountType
        Pop $R1
        ${If} $R1 != "Admin"
            MessageBox MB_ICONSTOP "${PRODUCT} was installed for everyone: removing it needs administrator rights." /SD IDOK
            SetErrorLevel 740
            Quit
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
    ${GetParameters} $R2
    ClearErrors
    ${GetOptions} $R2 "/REMOVESETTINGS" $R3
    ${IfNot} ${Errors}
        SectionSetFlags ${UnSecSettings} ${SF_SELECTED}
    ${EndIf}
FunctionEnd
