; Setup program of the Memory Rhythms screen saver.
;
;   makensis -DARCH=<x86|x64> -DSCR_FILE=<path of memory-rhythms.scr> -DVERSION=<x.y.z>
;            [-DOUT_FILE=<setup.exe>] [-DSIGN_COMMAND=<signer>] memory-rhythms.nsi
;
; ARCH is the architecture of the saver it packs, and of the setup program itself:
;   x86  a 32-bit setup program for 32-bit Windows; the saver goes into the system folder, which
;        on 64-bit Windows is the folder of 32-bit screen savers, SysWOW64
;   x64  a 64-bit setup program for 64-bit Windows; the saver goes into the real System32, and the
;        uninstall entry into the 64-bit registry. An earlier install of the 32-bit saver (by the
;        x86 setup program) is replaced: its file, uninstaller and entry go, and a selection of it
;        moves to the 64-bit file (run for another account than the desk's, the 32-bit file stays
;        until a run for the desk's: AdoptEarlier32BitInstall)
;
; SIGN_COMMAND, when given, signs the uninstaller before it is packed and the setup program once
; it is written: it is run as <signer> <file> <description> and must exit with 0 (scripts/package
; passes scripts/lib/sign-pe when a certificate is configured).
;
; Installs the saver where Windows looks for screen savers of its architecture, offers to make it
; the current user's screen saver, and registers an uninstaller with Apps & Features. Command line:
;   /S          silent; makes it the screen saver unless /NOSELECT is given as well
;   /NOSELECT   leaves the current screen saver as it is (no question asked)
; The screen saver is chosen for the account setup runs as, and only when that is the account of the
; person at the desk (CheckDeskAccount); choosing it also switches the screen saver on, as the
; Screen Saver Settings dialog does.
; The uninstaller takes /S as well.
;
; Exit codes, the same in both builds (deployment tools read them):
;   0     installed (uninstalled)
;   1     cancelled by the user
;   2     failed; nothing was changed, and (unless silent) a message said what failed
;   740   not run with administrator rights; nothing was changed
;   1633  (x86 setup program) the processor lacks SSE2, which the 32-bit saver needs; nothing was
;         changed
;   1638  (x86 setup program) the 64-bit saver is installed: use the x64 setup program; nothing was
;         changed
;   3010  installed, but a restart finishes it: the saver was held so that it could not even be
;         renamed, or an uninstall had left it to be deleted at the restart, and the new one takes
;         its place then (uninstaller: the saver could not even be renamed, and is deleted then)
; The uninstaller started as Apps & Features starts it returns 0 as soon as it has handed over to
; its copy in the temporary folder; its own code comes back only with _?=<its folder>.

!ifndef ARCH
  !error "Give the architecture: -DARCH=x86 or -DARCH=x64"
!endif
!if "${ARCH}" == "x64"
  Target amd64-unicode
!else if "${ARCH}" == "x86"
  Unicode true
!else
  !error "ARCH must be x86 or x64, not ${ARCH}"
!endif
ManifestDPIAware true
; Asks for elevation where there is UAC; .onInit checks that it was given (it is not asked for on
; Windows XP and Server 2003, nor with UAC off).
RequestExecutionLevel admin
; A file that cannot be written ends the install instead of being skipped: a silent install would
; otherwise answer "Ignore" and go on with the old file in place. (The steps check the error flag
; as well.)
AllowSkipFiles off
SetCompressor /SOLID lzma

!ifndef SCR_FILE
  !error "Give the saver to pack: -DSCR_FILE=<path of memory-rhythms.scr>"
!endif
!ifndef VERSION
  !error "Give the version: -DVERSION=<major.minor.patch>"
!endif
!ifndef OUT_FILE
  !define OUT_FILE "memory-rhythms-setup-${ARCH}.exe"
!endif

!define PRODUCT "Memory Rhythms"
!define PUBLISHER "the Memory Rhythms authors"
!define SCR_NAME "memory-rhythms.scr"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\MemoryRhythms"
!define DESKTOP_KEY "Control Panel\Desktop"
; The screen saver a user had before setup selected ours, kept in that user's own key, since the
; setting is each user's own; absent when the user had none. Setup programs of earlier releases
; kept it in the uninstall entry, for everyone alike: an upgrade moves it (AdoptMachineRecord).
!define USER_KEY "Software\${PRODUCT}"
!define PREVIOUS_SAVER "PreviousScreenSaver"
; Whether the screen saver was switched on (ScreenSaveActive "1") before setup chose ours, kept
; beside PREVIOUS_SAVER and given back with it.
!define PREVIOUS_ACTIVE "PreviousScreenSaveActive"
; The new saver, beside the old one until a restart swaps them, when the old one is held so that it
; cannot even be renamed. Not .scr, so that it never shows in the Screen Saver list. Install and
; uninstall both begin by taking it away, which voids its queued move: Windows passes over a move
; whose file is gone.
!define STAGED_NAME "memory-rhythms.new"
; Where Windows keeps the file operations it carries out at boot (SaverDeletionQueued).
!define SESSION_MANAGER_KEY "SYSTEM\CurrentControlSet\Control\Session Manager"

!define EXIT_FAILED 2 ; NSIS's own code for an aborted install
!define EXIT_NOT_ADMIN 740 ; ERROR_ELEVATION_REQUIRED
!define EXIT_NO_SSE2 1633 ; ERROR_INSTALL_PLATFORM_UNSUPPORTED
!define EXIT_OTHER_BUILD 1638 ; ERROR_PRODUCT_VERSION: another version is installed
!define EXIT_RESTART 3010 ; ERROR_SUCCESS_REBOOT_REQUIRED

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
!ifdef SIGN_COMMAND
  !uninstfinalize '"${SIGN_COMMAND}" "%1" "${PRODUCT} uninstaller"' = 0
  !finalize '"${SIGN_COMMAND}" "%1" "${PRODUCT} setup"' = 0
!endif
; A fixed place: the uninstaller looks for its files there, wherever it is started from.
!if "${ARCH}" == "x64"
  !define INSTALL_DIR "$PROGRAMFILES64\${PRODUCT}"
!else
  !define INSTALL_DIR "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDir "${INSTALL_DIR}"
BrandingText "${PRODUCT} ${VERSION}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "x64.nsh"

!define MUI_ABORTWARNING
; With the saver replaced at the next restart the finish page offers to restart; Enter alone must
; not restart the computer.
!define MUI_FINISHPAGE_REBOOTLATER_DEFAULT
; Room for the restart's text and FinishNote above the restart buttons.
!define MUI_FINISHPAGE_TEXT_LARGE

!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
Var FinishNote ; said after the finish page's text
!define MUI_FINISHPAGE_TEXT "$(FinishText)$FinishNote"
!define MUI_FINISHPAGE_TEXT_REBOOT "$(MUI_TEXT_FINISH_INFO_REBOOT)$FinishNote"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; No language dialog: .onInit picks the language from the system's.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) ${PUBLISHER}"

LangString WelcomeText ${LANG_ENGLISH} "This will install the ${PRODUCT} screen saver ${VERSION}: a dial of seven memory types and how active each of them is now, worked out from the clock.$\r$\n$\r$\nClick Install to install it."
LangString WelcomeText ${LANG_RUSSIAN} "Программа установит заставку ${PRODUCT} ${VERSION}: круг из семи типов памяти и их активность в текущий момент, рассчитанную по часам.$\r$\n$\r$\nНажмите «Установить», чтобы установить её."
LangString AskSelect ${LANG_ENGLISH} "Make ${PRODUCT} your screen saver now?"
LangString AskSelect ${LANG_RUSSIAN} "Сделать ${PRODUCT} вашей заставкой?"
LangString FinishText ${LANG_ENGLISH} "${PRODUCT} is installed. You can choose it or change its timing in the screen saver settings of Windows."
LangString FinishText ${LANG_RUSSIAN} "Заставка ${PRODUCT} установлена. Выбрать её или изменить время ожидания можно в параметрах заставки Windows."
LangString SectionName ${LANG_ENGLISH} "Screen saver"
LangString SectionName ${LANG_RUSSIAN} "Заставка"
LangString NeedsAdmin ${LANG_ENGLISH} "Setup needs administrator rights: it installs ${PRODUCT} into the Windows folder, for every user of this computer. Run it as an administrator.$\r$\n$\r$\nNothing was changed."
LangString NeedsAdmin ${LANG_RUSSIAN} "Программе установки нужны права администратора: она устанавливает ${PRODUCT} в папку Windows, для всех пользователей компьютера. Запустите её от имени администратора.$\r$\n$\r$\nНичего не изменено."
LangString CannotWrite ${LANG_ENGLISH} "Setup could not write $FailedFile."
LangString CannotWrite ${LANG_RUSSIAN} "Не удалось записать файл $FailedFile."
LangString CannotQueue ${LANG_ENGLISH} "$SaverPath is in use, and setup could not arrange for it to be replaced at the next restart."
LangString CannotQueue ${LANG_RUSSIAN} "Файл $SaverPath занят, и не удалось назначить его замену при следующей перезагрузке."
LangString CannotSelect ${LANG_ENGLISH} "Setup could not change your screen saver setting."
LangString CannotSelect ${LANG_RUSSIAN} "Не удалось изменить настройку заставки."
LangString CannotRegister ${LANG_ENGLISH} "Setup could not register ${PRODUCT} with Apps & Features."
LangString CannotRegister ${LANG_RUSSIAN} "Не удалось зарегистрировать ${PRODUCT} в списке установленных программ."
LangString NothingChanged ${LANG_ENGLISH} "${PRODUCT} was not installed: nothing was changed."
LangString NothingChanged ${LANG_RUSSIAN} "Заставка ${PRODUCT} не установлена: ничего не изменено."
!if "${ARCH}" == "x86"
LangString NeedsSse2 ${LANG_ENGLISH} "${PRODUCT} needs a processor with SSE2, which the processor of this computer lacks.$\r$\n$\r$\nNothing was changed."
LangString NeedsSse2 ${LANG_RUSSIAN} "Для заставки ${PRODUCT} нужен процессор с поддержкой SSE2, а процессор этого компьютера её не поддерживает.$\r$\n$\r$\nНичего не изменено."
LangString Has64Bit ${LANG_ENGLISH} "The 64-bit ${PRODUCT} is installed on this computer. To update it, run memory-rhythms-setup-x64.exe.$\r$\n$\r$\nNothing was changed."
LangString Has64Bit ${LANG_RUSSIAN} "На этом компьютере установлена 64-разрядная заставка ${PRODUCT}. Чтобы обновить её, запустите memory-rhythms-setup-x64.exe.$\r$\n$\r$\nНичего не изменено."
!endif
LangString OtherAccount ${LANG_ENGLISH} "$\r$\n$\r$\nSetup ran as another account than yours and left your screen saver as it is: choose ${PRODUCT} in your own screen saver settings."
LangString OtherAccount ${LANG_RUSSIAN} "$\r$\n$\r$\nУстановка шла от имени другой учётной записи, и ваша заставка не изменена: выберите ${PRODUCT} в своих параметрах заставки."
!if "${ARCH}" == "x64"
LangString Kept32Bit ${LANG_ENGLISH} "$\r$\n$\r$\nThe 32-bit ${PRODUCT} installed before stays, since your screen saver setting may name it: setup run as your own account replaces it, and the uninstaller removes it."
LangString Kept32Bit ${LANG_RUSSIAN} "$\r$\n$\r$\nУстановленная ранее 32-разрядная заставка ${PRODUCT} оставлена, так как она может быть выбрана в ваших параметрах: её заменит установка от вашей учётной записи, а удалит программа удаления."
!endif

Var SaverPath ; where Windows finds the saver, as SCRNSAVE.EXE names it
Var SaverDir ; the folder of SaverPath
; What the install has changed so far, for PutBack to undo when a later step fails.
Var Placed ; 1 once the new saver is at SaverPath
Var Aside ; the old saver, renamed so that the new one could take its name
Var Staged ; the new saver beside a held old one, queued to replace it at the next restart
Var StagedBefore ; the new saver an earlier install had staged, renamed aside (VoidStagedSaver)
Var HadEntry ; 1 when the uninstall entry was there before: an upgrade
Var SelectionTouched ; 1 once SCRNSAVE.EXE was changed
Var SelectionHad ; 1 when SCRNSAVE.EXE was set before it was changed
Var SelectionBefore ; and what it was
Var SwitchedOn ; 1 once the screen saver was switched on (SelectSaver)
Var Failure ; what failed, as the user is told
Var FailedFile ; the file named in CannotWrite
Var FailureShown ; 1 once the user was told
Var ForDesk ; 1 when setup runs as the person at the desk (CheckDeskAccount)

; The saver of the 32-bit setup program on 64-bit Windows: the folder of 32-bit screen savers.
!define SYSWOW64_SAVER "$WINDIR\SysWOW64\${SCR_NAME}"

; A 32-bit installer writes to $SYSDIR, which on 64-bit Windows the WOW64 redirection sends to
; SysWOW64: the folder of 32-bit screen savers. SCRNSAVE.EXE is read by 64-bit Windows without that
; redirection, so it must name the folder the file really is in. A 64-bit installer sees no
; redirection: its $SYSDIR is the real System32, the folder of 64-bit screen savers.
!macro SAVER_PATH un
  Function ${un}SaverPath
    !if "${ARCH}" == "x64"
      StrCpy $SaverDir $SYSDIR
    !else
      ${If} ${RunningX64}
        StrCpy $SaverDir "$WINDIR\SysWOW64"
      ${Else}
        StrCpy $SaverDir $SYSDIR
      ${EndIf}
    !endif
    StrCpy $SaverPath "$SaverDir\${SCR_NAME}"
  FunctionEnd

  ; Pops a file's path, then a path as Windows keeps it (a selection, the value of SCRNSAVE.EXE, or
  ; a file of an operation queued for the restart); pushes 1 when the path names that file, in its
  ; long or its short form (Windows may write either), 0 otherwise. The short form needs the file
  ; to exist.
  Function ${un}NamesFile
    Exch $0
    Exch
    Exch $1
    Push $2
    StrCpy $2 0
    ${If} $1 == ""
      ; nothing selected
    ${ElseIf} $1 == $0
      StrCpy $2 1
    ${Else}
      GetFullPathName /SHORT $0 $0
      ${If} $0 != ""
      ${AndIf} $1 == $0
        StrCpy $2 1
      ${EndIf}
    ${EndIf}
    StrCpy $0 $2
    Pop $2
    Pop $1
    Exch $0
  FunctionEnd

  ; Pops a selection; pushes 1 when it names this build's saver, SaverPath, and 0 for any other
  ; file. The same test in both builds, which differ only in SaverPath: the 64-bit saver in System32
  ; is no business of the 32-bit setup program on 64-bit Windows (though its $SYSDIR spells that
  ; very path), nor is the 32-bit one in SysWOW64 any of the 64-bit setup program, except where
  ; it replaces an earlier 32-bit install (AdoptEarlier32BitInstall).
  Function ${un}IsOurSaver
    Push $SaverPath
    Call ${un}NamesFile
  FunctionEnd

  ; Pops a file's path and deletes the file, or, where it is in use, has Windows delete it at the
  ; next restart. For a saver renamed aside: the saver is gone from its place already, so that
  ; restart only tidies up and leaves the reboot flag as it was.
  Function ${un}DeleteAside
    Exch $0
    Push $1
    StrCpy $1 0
    ${If} ${RebootFlag}
      StrCpy $1 1
    ${EndIf}
    Delete /REBOOTOK $0
    ${If} $1 == 0
      SetRebootFlag false
    ${EndIf}
    Pop $1
    Pop $0
  FunctionEnd

  ; Pops 0 or 1 and switches the screen saver off or on as the Screen Saver Settings dialog does:
  ; through SystemParametersInfo, so that Windows takes it up at once, saved in the user's profile
  ; (ScreenSaveActive) and announced to running programs (SPIF_UPDATEINIFILE | SPIF_SENDCHANGE).
  ; Sets the error flag when Windows refuses. The idle time and the password option are not
  ; touched.
  Function ${un}SetScreenSaverActive
    Exch $0
    Push $1
    System::Call 'user32::SystemParametersInfoW(i 17, i r0, p 0, i 3) i .r1' ; SPI_SETSCREENSAVEACTIVE
    ${If} $1 = 0
      SetErrors
    ${EndIf}
    Pop $1
    Pop $0
  FunctionEnd
!macroend
!insertmacro SAVER_PATH ""
!insertmacro SAVER_PATH "un."

; Pops a file's name, then its folder, and removes the file. A file in use (a running saver) cannot
; be deleted, but Windows lets it be renamed: renamed aside, it frees its name at once and goes
; under the new one (DeleteAside). Queued for deletion under its own name, it would take with it
; at the restart whatever has that name by then: a saver installed in the meantime. So its own name
; is queued only where it cannot even be renamed (a scanner or a backup may hold it so), setup
; looks for that deletion before it puts a saver there (SaverDeletionQueued), and the restart
; finishes the removal: the reboot flag is set.
!macro REMOVE_FILE un
  Function ${un}RemoveFile
    Exch $1
    Exch
    Exch $0
    Push $2
    ${IfNot} ${FileExists} "$0\$1"
      Goto done
    ${EndIf}
    ClearErrors
    GetTempFileName $2 $0
    ${IfNot} ${Errors}
      Delete $2
      Rename "$0\$1" $2
      ${IfNot} ${Errors}
        Push $2
        Call ${un}DeleteAside
        Goto done
      ${EndIf}
      Delete $2
    ${EndIf}
    Delete /REBOOTOK "$0\$1"
  done:
    Pop $2
    Pop $0
    Pop $1
  FunctionEnd
!macroend
!insertmacro REMOVE_FILE "un."
!if "${ARCH}" == "x64"
  !insertmacro REMOVE_FILE ""
!endif

; Russian on Russian, Ukrainian and Belarusian systems, the same rule as the saver's own texts;
; English everywhere else. The language of the system default locale decides, not the user's.
!macro CHOOSE_LANGUAGE
  System::Call 'kernel32::GetSystemDefaultLangID() i .r0'
  IntOp $0 $0 & 0x3FF
  ${If} $0 = 0x19
  ${OrIf} $0 = 0x22
  ${OrIf} $0 = 0x23
    StrCpy $LANGUAGE ${LANG_RUSSIAN}
  ${Else}
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${EndIf}
!macroend

; Setup writes to the Windows folder and to the machine's part of the registry. A standard user
; gets neither on Windows XP and Server 2003, or with UAC off, where nothing asks for elevation:
; every step would fail, so setup says why and stops before it changes anything.
!macro REQUIRE_ADMINISTRATOR
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "$(NeedsAdmin)" /SD IDOK
    SetErrorLevel ${EXIT_NOT_ADMIN}
    Quit
  ${EndIf}
!macroend

; The registry view of the uninstall entry: the 64-bit one for the 64-bit saver (a 64-bit process
; writes there anyway; said here so that no one has to know that), the 32-bit one for the other.
!macro REGISTRY_VIEW
  !if "${ARCH}" == "x64"
    SetRegView 64
  !endif
!macroend

; Pops a WTS_INFO_CLASS and pushes that information of the session setup runs in; sets the error
; flag when it cannot be read.
Function SessionInformation
  Exch $0
  Push $1
  Push $2
  ; WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION
  System::Call 'wtsapi32::WTSQuerySessionInformationW(p 0, i -1, i r0, *p .r1, *i .r2) i .r0'
  ${If} $0 = 0
    StrCpy $0 ""
    SetErrors
  ${Else}
    System::Call 'kernel32::lstrcpynW(w .r0, p r1, i ${NSIS_MAX_STRLEN})'
    System::Call 'wtsapi32::WTSFreeMemory(p r1)'
  ${EndIf}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Sets ForDesk to 0 when setup runs as an account other than the one of the session's desktop: an
; administrator's name and password typed at a standard user's prompt, a deployment tool's account.
; SCRNSAVE.EXE is the setting of the account that writes it, so setup would choose the saver for
; that account, not for the person at the desk. Accounts are told apart by domain and name: a
; domain's admin is not the computer's own admin. A session without a user name has nobody at its
; desk (a service's session 0 on Windows Vista and later); and Local System is never the person at
; the desk. Where the session's account cannot be read (Terminal Services stopped on Windows XP,
; say), setup chooses for its own account, as it always has. All these calls exist on Windows XP
; and Server 2003.
Function CheckDeskAccount
  StrCpy $ForDesk 1
  System::Call 'advapi32::ConvertStringSidToSidW(w "S-1-5-18", *p .r0) i .r1'
  ${If} $1 <> 0
    System::Call 'advapi32::CheckTokenMembership(p 0, p r0, *i .r2) i .r1'
    System::Call 'kernel32::LocalFree(p r0)'
    ${If} $1 <> 0
    ${AndIf} $2 <> 0
      StrCpy $ForDesk 0
      Return
    ${EndIf}
  ${EndIf}
  ; NameSamCompatible: DOMAIN\name, the domain being the computer's name for a local account, as
  ; the session's WTSDomainName gives it.
  System::Call 'secur32::GetUserNameExW(i 2, w .r0, *i ${NSIS_MAX_STRLEN}) i .r1'
  ${If} $1 = 0
    Return
  ${EndIf}
  ClearErrors
  Push 5 ; WTSUserName
  Call SessionInformation
  Pop $2
  Push 7 ; WTSDomainName
  Call SessionInformation
  Pop $3
  ${If} ${Errors}
    Return
  ${EndIf}
  ; Account names are compared as Windows does, without regard to case.
  ${If} $2 == ""
  ${OrIf} "$3\$2" != $0
    StrCpy $ForDesk 0
  ${EndIf}
FunctionEnd

Function .onInit
  !insertmacro CHOOSE_LANGUAGE
  !if "${ARCH}" == "x86"
    ; The 32-bit saver computes with SSE2 instructions, which Windows XP, Vista and 7 do not
    ; require of a processor: without them it would end at its first calculation, unseen, as it
    ; runs as a screen saver.
    System::Call 'kernel32::IsProcessorFeaturePresent(i 10) i .r0' ; PF_XMMI64_INSTRUCTIONS_AVAILABLE
    ${If} $0 = 0
      MessageBox MB_OK|MB_ICONSTOP "$(NeedsSse2)" /SD IDOK
      SetErrorLevel ${EXIT_NO_SSE2}
      Quit
    ${EndIf}
  !endif
  !insertmacro REQUIRE_ADMINISTRATOR
  !if "${ARCH}" == "x86"
    ; With the 64-bit saver installed (its entry is in the 64-bit registry) this setup program
    ; would add a second Memory Rhythms to the Screen Saver list and to Apps & Features.
    ${If} ${RunningX64}
      SetRegView 64
      ClearErrors
      ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayName"
      SetRegView Default
      ${IfNot} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$(Has64Bit)" /SD IDOK
        SetErrorLevel ${EXIT_OTHER_BUILD}
        Quit
      ${EndIf}
    ${EndIf}
  !endif
  !insertmacro REGISTRY_VIEW
  Call SaverPath
  Call CheckDeskAccount
FunctionEnd

; Ends the install as failed when the step just before set the error flag. $Failure says what the
; step was; PutBack undoes what came before it.
!macro FAIL_ON_ERRORS failure
  ${If} ${Errors}
    StrCpy $Failure "${failure}"
    Call Failed
    Abort
  ${EndIf}
!macroend

; Undoes what the install has changed, so that a failed install leaves the saver, the selection and
; the uninstall entry as they were. Safe to call twice.
Function PutBack
  ${If} $Staged != ""
    ; The restart then finds nothing to move: the queued replacement is void.
    Delete $Staged
    StrCpy $Staged ""
    SetRebootFlag false
  ${EndIf}
  ${If} $StagedBefore != ""
    ; And the one an earlier install had queued is valid again.
    Rename $StagedBefore "$SaverDir\${STAGED_NAME}"
    StrCpy $StagedBefore ""
  ${EndIf}
  ${If} $Placed == 1
    Delete $SaverPath
    StrCpy $Placed 0
  ${EndIf}
  ${If} $Aside != ""
    Rename $Aside $SaverPath
    StrCpy $Aside ""
  ${EndIf}
  ${If} $SelectionTouched == 1
    ${If} $SelectionHad == 1
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $SelectionBefore
    ${Else}
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${EndIf}
    StrCpy $SelectionTouched 0
  ${EndIf}
  ${If} $SwitchedOn == 1
    Push 0
    Call SetScreenSaverActive
    StrCpy $SwitchedOn 0
  ${EndIf}
  ${If} $HadEntry != 1
    Delete "$INSTDIR\${UNINSTALLER}"
    SetOutPath $TEMP ; the working folder cannot be removed
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}
FunctionEnd

; Puts back what was changed and tells the user what failed, once.
Function Failed
  Call PutBack
  ${If} $FailureShown != 1
    StrCpy $FailureShown 1
    DetailPrint "$Failure"
    DetailPrint "$(NothingChanged)"
    MessageBox MB_OK|MB_ICONSTOP "$Failure$\r$\n$\r$\n$(NothingChanged)" /SD IDOK
  ${EndIf}
FunctionEnd

; Also reached when NSIS itself ended the install: a file it could not write.
Function .onInstFailed
  ${If} $Failure == ""
    StrCpy $Failure "$(CannotWrite)"
  ${EndIf}
  Call Failed
  SetErrorLevel ${EXIT_FAILED}
FunctionEnd

Function .onInstSuccess
  ${If} ${RebootFlag}
    SetErrorLevel ${EXIT_RESTART}
  ${EndIf}
FunctionEnd

; A new saver that an earlier install left to be moved into place at the restart is taken out of
; the way before anything else, and its queued move with it: whatever this install does, that
; restart brings no older saver back. Renamed aside rather than deleted, so that PutBack can give a
; failed install's restart the replacement it had; it goes once the install is done
; (DiscardAside).
Function VoidStagedSaver
  ; A folder of that name is no saver of ours (and makes the staging fail, should it be needed).
  ${IfNot} ${FileExists} "$SaverDir\${STAGED_NAME}"
  ${OrIf} ${FileExists} "$SaverDir\${STAGED_NAME}\*.*"
    Return
  ${EndIf}
  ClearErrors
  StrCpy $FailedFile "$SaverDir\${STAGED_NAME}"
  GetTempFileName $StagedBefore $SaverDir
  Delete $StagedBefore
  Rename $FailedFile $StagedBefore
  ${If} ${Errors}
    StrCpy $StagedBefore ""
  ${EndIf}
  !insertmacro FAIL_ON_ERRORS "$(CannotWrite)"
FunctionEnd

; Pushes 1 when the deletion of SaverPath is queued for the next restart, 0 otherwise: an uninstall
; found the saver held so that it could be neither deleted nor renamed (RemoveFile). A saver
; written there now would go at that restart. Windows keeps what it is to do at boot as pairs of
; paths in their NT form (\??\C:\...) in PendingFileRenameOperations: a file, and where it goes,
; or an empty path for a deletion.
Function SaverDeletionQueued
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  Push $6
  StrCpy $0 0
  ; HKEY_LOCAL_MACHINE, sign-extended as Windows defines it; KEY_QUERY_VALUE
  System::Call 'advapi32::RegOpenKeyExW(p -2147483646, w "${SESSION_MANAGER_KEY}", i 0, i 1, *p .r1) i .r2'
  ${If} $2 <> 0
    Goto done
  ${EndIf}
  System::Call 'advapi32::RegQueryValueExW(p r1, w "PendingFileRenameOperations", p 0, *i .r3, p 0, *i 0 r4) i .r2'
  ${If} $2 = 0
  ${AndIf} $3 = 7 ; REG_MULTI_SZ
    ; Zeros past the end (System::Alloc clears what it allocates): every string read ends inside
    ; the buffer, and so does the list, even should the value lack its final empty string.
    IntOp $3 $4 + 8
    System::Alloc $3
    Pop $5
    System::Call 'advapi32::RegQueryValueExW(p r1, w "PendingFileRenameOperations", p 0, p 0, p r5, *i r4) i .r2'
    StrCpy $6 $5
    ${DoWhile} $2 = 0
      System::Call 'kernel32::lstrlenW(p r6) i .r3'
      ${If} $3 = 0
        ${ExitDo} ; the empty string that ends the list
      ${EndIf}
      System::Call 'kernel32::lstrcpynW(w .r4, p r6, i ${NSIS_MAX_STRLEN})'
      IntOp $3 $3 + 1
      IntOp $3 $3 * 2
      IntPtrOp $6 $6 + $3
      System::Call 'kernel32::lstrlenW(p r6) i .r3'
      ${If} $3 = 0
        StrCpy $3 $4 4
        ${If} $3 == "\??\"
          StrCpy $4 $4 "" 4
        ${EndIf}
        Push $4
        Push $SaverPath
        Call NamesFile
        Pop $3
        ${If} $3 == 1
          StrCpy $0 1
        ${EndIf}
        StrCpy $3 0
      ${EndIf}
      IntOp $3 $3 + 1
      IntOp $3 $3 * 2
      IntPtrOp $6 $6 + $3
    ${Loop}
    System::Free $5
  ${EndIf}
  System::Call 'advapi32::RegCloseKey(p r1)'
done:
  Pop $6
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Makes room for the new saver at SaverPath. A running saver (the screen saver settings' preview,
; the saver of another signed-in user) cannot be written, but Windows lets it be renamed: the old
; file is renamed aside for the new one to be written under its name, and goes once nothing runs it
; (DiscardAside). Held so that not even renaming works, or queued for deletion at the next restart
; by an uninstall that found it so, the new saver is written beside it instead, and Windows puts it
; in place at the restart, after the deletion: Staged is set, and setup ends with 3010.
Function MakeRoomForSaver
  Call SaverDeletionQueued
  Pop $0
  ${If} $0 == 1
    DetailPrint "$SaverPath is to be deleted at the next restart: the new one takes its place after that"
    Goto stage
  ${EndIf}
  ${IfNot} ${FileExists} $SaverPath
    Return
  ${EndIf}
  ClearErrors
  GetTempFileName $Aside $SaverDir
  StrCpy $FailedFile $SaverDir
  !insertmacro FAIL_ON_ERRORS "$(CannotWrite)"
  Delete $Aside
  Rename $SaverPath $Aside
  ${IfNot} ${Errors}
    Return
  ${EndIf}
  StrCpy $Aside ""
  DetailPrint "$SaverPath is in use: the new one takes its place at the next restart"
stage:
  ClearErrors
  StrCpy $Staged "$SaverDir\${STAGED_NAME}"
  StrCpy $FailedFile $Staged
  StrCpy $Failure "$(CannotWrite)"
  SetOutPath $SYSDIR
  SetDateSave off
  File "/oname=${STAGED_NAME}" "${SCR_FILE}"
  !insertmacro FAIL_ON_ERRORS "$(CannotWrite)"
  ; MOVEFILE_REPLACE_EXISTING | MOVEFILE_DELAY_UNTIL_REBOOT, called here rather than through
  ; Rename /REBOOTOK, which does not tell when Windows refuses to queue it. Queued last, it comes
  ; after any deletion of SaverPath queued before.
  System::Call 'kernel32::MoveFileExW(w "$Staged", w "$SaverPath", i 5) i .r0'
  ${If} $0 = 0
    SetErrors
  ${EndIf}
  !insertmacro FAIL_ON_ERRORS "$(CannotQueue)"
  SetRebootFlag true
FunctionEnd

; Deletes what the install put aside (MakeRoomForSaver, VoidStagedSaver), at the next restart if
; it is still in use then. That restart only tidies up: the new saver is in place already, or
; staged to be, so it does not count as one the install needs.
Function DiscardAside
  ${If} $Aside != ""
    Push $Aside
    Call DeleteAside
    StrCpy $Aside ""
  ${EndIf}
  ${If} $StagedBefore != ""
    Push $StagedBefore
    Call DeleteAside
    StrCpy $StagedBefore ""
  ${EndIf}
FunctionEnd

; Changes the user's screen saver, remembering the setting as it was for PutBack.
Function SetSelection
  Exch $0
  ${If} $SelectionTouched != 1
    ClearErrors
    ReadRegStr $SelectionBefore HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} ${Errors}
      StrCpy $SelectionHad 0
    ${Else}
      StrCpy $SelectionHad 1
    ${EndIf}
    StrCpy $SelectionTouched 1
  ${EndIf}
  ClearErrors
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  !insertmacro FAIL_ON_ERRORS "$(CannotSelect)"
  Pop $0
FunctionEnd

!if "${ARCH}" == "x64"
; The x86 setup program, run on 64-bit Windows, left the 32-bit saver in SysWOW64, its uninstaller
; in the 32-bit Program Files and its entry in the 32-bit registry. Two savers of one name would
; show twice in the Screen Saver list and twice in Apps & Features, so the 64-bit saver takes the
; place of the 32-bit one: the screen saver the user had before the first install is carried over
; (AdoptMachineRecord), a selection of the 32-bit file moves to the 64-bit one (whatever
; /NOSELECT says: the user chose Memory Rhythms, and the old file goes), and, once this install is
; registered, the rest is removed (RemoveEarlier32BitInstall).
; Run for another account than the desk's, setup cannot see the desk's selection, and must not
; change it: it takes over the 32-bit entry, but the 32-bit file stays, marked in this install's
; entry (KEPT_32BIT), and so does the record of the screen saver before, moved into this entry;
; the next run for the desk's account replaces the file and adopts the record, and the uninstaller
; removes the file.
!define KEPT_32BIT "Kept32BitSaver"
Var Earlier32BitLocation ; InstallLocation of the 32-bit install replaced; empty when there is none
Var Earlier32BitEntry ; 1 when its entry is there
Var Earlier32BitFound ; 1 when there is its entry or a 32-bit saver kept

Function AdoptEarlier32BitInstall
  StrCpy $Earlier32BitFound 0
  StrCpy $Earlier32BitEntry 0
  ClearErrors
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "${KEPT_32BIT}"
  ${IfNot} ${Errors}
    StrCpy $Earlier32BitFound 1
  ${EndIf}
  SetRegView 32
  ClearErrors
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayName"
  ; A 32-bit saver in SysWOW64 without it (copied there by hand) is not this program's.
  ${IfNot} ${Errors}
    StrCpy $Earlier32BitFound 1
    StrCpy $Earlier32BitEntry 1
    ; Its uninstaller is where its entry says: the 32-bit Program Files, which $PROGRAMFILES32 of
    ; a 64-bit setup program names on Windows, but not under Wine.
    ReadRegStr $Earlier32BitLocation HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ClearErrors
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
    ${IfNot} ${Errors}
    ${AndIf} $ForDesk == 1
      SetRegView 64
      Push $1
      Call AdoptMachineRecord
    ${EndIf}
  ${EndIf}
  SetRegView 64
  ${If} $Earlier32BitFound != 1
  ${OrIf} $ForDesk != 1
    Return
  ${EndIf}

  ClearErrors
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${IfNot} ${Errors}
    Push $0
    Push "${SYSWOW64_SAVER}"
    Call NamesFile
    Pop $1
    ${If} $1 == 1
      Push $SaverPath
      Call SetSelection
    ${EndIf}
  ${EndIf}
FunctionEnd

Function RemoveEarlier32BitInstall
  ${If} $Earlier32BitFound != 1
    Return
  ${EndIf}
  ${If} $Earlier32BitEntry == 1
    SetRegView 32
    ClearErrors
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
    ${IfNot} ${Errors}
    ${AndIf} $ForDesk != 1
      SetRegView 64
      WriteRegStr HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}" $1
      SetRegView 32
    ${EndIf}
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    SetRegView 64
    ${If} $Earlier32BitLocation != ""
      Delete "$Earlier32BitLocation\${UNINSTALLER}"
      RMDir "$Earlier32BitLocation"
    ${EndIf}
  ${EndIf}
  ${If} $ForDesk == 1
    ; A 32-bit saver staged by the x86 setup program goes first, with its queued move.
    Push "$WINDIR\SysWOW64"
    Push "${STAGED_NAME}"
    Call RemoveFile
    Push "$WINDIR\SysWOW64"
    Push "${SCR_NAME}"
    Call RemoveFile
    DeleteRegValue HKLM "${UNINSTALL_KEY}" "${KEPT_32BIT}"
    DetailPrint "Replaced the 32-bit ${PRODUCT} of an earlier install"
  ${Else}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "${KEPT_32BIT}" 1
    StrCpy $FinishNote "$FinishNote$(Kept32Bit)"
    DetailPrint "Another account than the desktop's: the 32-bit ${PRODUCT} of an earlier install stays"
  ${EndIf}
FunctionEnd
!endif

; Pops the screen saver recorded in an uninstall entry by a setup program of an earlier release and
; makes it the upgrading user's record, unless that user has one already.
Function AdoptMachineRecord
  Exch $0
  Push $1
  ClearErrors
  ReadRegStr $1 HKCU "${USER_KEY}" "${PREVIOUS_SAVER}"
  ${If} ${Errors}
    WriteRegStr HKCU "${USER_KEY}" "${PREVIOUS_SAVER}" $0
  ${EndIf}
  Pop $1
  Pop $0
FunctionEnd

; Pushes 0 when the user has the screen saver switched off (ScreenSaveActive "0"), 1 otherwise, as
; Windows takes a missing value. The setting as saved, not SPI_GETSCREENSAVEACTIVE: a program may
; switch the screen saver off for a while without saving that (to show a film or a presentation),
; which is no choice of the user's.
Function ScreenSaverActive
  Push $0
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
  ${If} $0 != "0"
    StrCpy $0 1
  ${EndIf}
  Exch $0
FunctionEnd

; Records the user's current screen saver, and whether the screen saver is switched on, unless
; ours is the current one already (an upgrade, or a second install): then what was recorded the
; first time stays. (Setup programs of earlier releases recorded no on/off state: that is recorded
; as it is now.)
Function RememberPreviousSaver
  Call ScreenSaverActive
  Pop $2
  ClearErrors
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} ${Errors}
    DeleteRegValue HKCU "${USER_KEY}" "${PREVIOUS_SAVER}"
  ${Else}
    Push $0
    Call IsOurSaver
    Pop $1
    ${If} $1 == 1
      ClearErrors
      ReadRegStr $1 HKCU "${USER_KEY}" "${PREVIOUS_ACTIVE}"
      ${IfNot} ${Errors}
        Return
      ${EndIf}
    ${Else}
      ClearErrors
      WriteRegStr HKCU "${USER_KEY}" "${PREVIOUS_SAVER}" $0
      !insertmacro FAIL_ON_ERRORS "$(CannotSelect)"
    ${EndIf}
  ${EndIf}
  ClearErrors
  WriteRegStr HKCU "${USER_KEY}" "${PREVIOUS_ACTIVE}" $2
  !insertmacro FAIL_ON_ERRORS "$(CannotSelect)"
FunctionEnd

; Does what the Screen Saver Settings dialog does as it saves a choice: SCRNSAVE.EXE, and the
; screen saver switched on. Chosen while it is off (ScreenSaveActive "0", as choosing "(None)"
; leaves it on Windows XP), the saver would never start. A screen saver switched on already is
; left as it is.
Function SelectSaver
  Call RememberPreviousSaver
  Push $SaverPath
  Call SetSelection
  Call ScreenSaverActive
  Pop $0
  ${If} $0 == 0
    ClearErrors
    Push 1
    Call SetScreenSaverActive
    !insertmacro FAIL_ON_ERRORS "$(CannotSelect)"
    StrCpy $SwitchedOn 1
  ${EndIf}
FunctionEnd

; Every step the install depends on is checked; the first that fails ends it, and what came before
; is put back (PutBack). The saver comes first, the uninstall entry last: an entry never names an
; install that is not there.
Section "$(SectionName)" SecSaver
  SectionIn RO
  ClearErrors
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayName"
  ${IfNot} ${Errors}
    StrCpy $HadEntry 1
  ${EndIf}

  Call VoidStagedSaver
  ; Into $SYSDIR, the folder of SaverPath as this program sees it (redirected to SysWOW64 for the
  ; 32-bit setup program on 64-bit Windows).
  SetOutPath $SYSDIR
  Call MakeRoomForSaver
  ${If} $Staged == ""
    StrCpy $FailedFile $SaverPath
    StrCpy $Failure "$(CannotWrite)"
    StrCpy $Placed 1
    ; The build's file time would make each setup program differ from the last: the same sources
    ; must give the same bytes. The installed file takes the time of the install instead.
    SetDateSave off
    ClearErrors
    File "/oname=${SCR_NAME}" "${SCR_FILE}"
    !insertmacro FAIL_ON_ERRORS "$(CannotWrite)"
  ${EndIf}

  ClearErrors
  SetOutPath $INSTDIR
  StrCpy $FailedFile "$INSTDIR\${UNINSTALLER}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  !insertmacro FAIL_ON_ERRORS "$(CannotWrite)"

  ; The record of the screen saver before is the desk's: another account leaves it in the entry.
  ClearErrors
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
  ${IfNot} ${Errors}
  ${AndIf} $ForDesk == 1
    Push $0
    Call AdoptMachineRecord
  ${EndIf}
  !if "${ARCH}" == "x64"
    Call AdoptEarlier32BitInstall
  !endif
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOSELECT" $1
  ${IfNot} ${Errors}
    DetailPrint "/NOSELECT: the screen saver setting is left as it is"
  ${ElseIf} $ForDesk != 1
    DetailPrint "Another account than the desktop's: the screen saver setting is left as it is"
    StrCpy $FinishNote "$(OtherAccount)"
  ${ElseIf} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION "$(AskSelect)" /SD IDYES IDYES`
    Call SelectSaver
  ${EndIf}

  ; One entry, rewritten on an upgrade. The version goes last: should a write fail, an upgrade's
  ; entry still shows the version that is installed.
  ClearErrors
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${UNINSTALLER},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecSaver} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  !insertmacro FAIL_ON_ERRORS "$(CannotRegister)"
  ${If} $ForDesk == 1
    DeleteRegValue HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
  ${EndIf}

  ; Done: nothing below can undo the install.
  Call DiscardAside
  !if "${ARCH}" == "x64"
    Call RemoveEarlier32BitInstall
  !endif
SectionEnd

!if "${ARCH}" == "x64"
Var Kept32Bit ; 1 when a setup run for another account kept the 32-bit saver (KEPT_32BIT)
!endif

Function un.onInit
  !insertmacro CHOOSE_LANGUAGE
  !insertmacro REQUIRE_ADMINISTRATOR
  ; The files are where setup put them, whichever copy of the uninstaller runs.
  StrCpy $INSTDIR "${INSTALL_DIR}"
  !insertmacro REGISTRY_VIEW
  Call un.SaverPath
  !if "${ARCH}" == "x64"
    ClearErrors
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "${KEPT_32BIT}"
    ${IfNot} ${Errors}
      StrCpy $Kept32Bit 1
    ${EndIf}
  !endif
FunctionEnd

Function un.onUninstSuccess
  ${If} ${RebootFlag}
    SetErrorLevel ${EXIT_RESTART}
  ${EndIf}
FunctionEnd

; Gives the uninstalling user back the screen saver recorded for them at install time, and switches
; the screen saver off again if it was off then, if ours is still their selected one; a saver
; chosen since then is left alone, and so is the on/off state. Other users' settings are not within
; reach: a selection of ours there names a file that is gone, which Windows takes as none. Runs
; while our file still exists.
Function un.RestorePreviousSaver
  ClearErrors
  ReadRegStr $2 HKCU "${USER_KEY}" "${PREVIOUS_SAVER}"
  StrCpy $3 1
  ${If} ${Errors}
    ; Setup run for another account leaves the record in the entry, for the desk's account.
    ClearErrors
    ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
    ${If} ${Errors}
      StrCpy $3 0
    ${EndIf}
  ${EndIf}
  ReadRegStr $4 HKCU "${USER_KEY}" "${PREVIOUS_ACTIVE}"
  DeleteRegValue HKCU "${USER_KEY}" "${PREVIOUS_SAVER}"
  DeleteRegValue HKCU "${USER_KEY}" "${PREVIOUS_ACTIVE}"
  DeleteRegKey /IfEmpty HKCU "${USER_KEY}"
  ClearErrors
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} ${Errors}
    Return
  ${EndIf}
  Push $0
  Call un.IsOurSaver
  Pop $1
  !if "${ARCH}" == "x64"
    ${If} $1 != 1
    ${AndIf} $Kept32Bit == 1
      Push $0
      Push "${SYSWOW64_SAVER}"
      Call un.NamesFile
      Pop $1
    ${EndIf}
  !endif
  ${If} $1 != 1
    Return
  ${EndIf}
  ${If} $3 == 1
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $2
  ${Else}
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}
  ${If} $4 == "0"
    Push 0
    Call un.SetScreenSaverActive
  ${EndIf}
FunctionEnd

; Removes the files of a saver (RemoveFile): a new one an install staged for the restart first,
; which voids its queued move, then the saver itself.
Function un.RemoveSaver
  Exch $0
  Push "$0"
  Push "${STAGED_NAME}"
  Call un.RemoveFile
  ${If} ${FileExists} "$0\${STAGED_NAME}"
    ; Held so that it could not even be renamed: its move comes at the restart all the same, and
    ; the saver it brings is deleted right after (MOVEFILE_DELAY_UNTIL_REBOOT, queued after it).
    System::Call 'kernel32::MoveFileExW(w "$0\${SCR_NAME}", p 0, i 4)'
    SetRebootFlag true
  ${EndIf}
  Push "$0"
  Push "${SCR_NAME}"
  Call un.RemoveFile
  Pop $0
FunctionEnd

Section "Uninstall"
  Call un.RestorePreviousSaver
  Push $SaverDir
  Call un.RemoveSaver
  !if "${ARCH}" == "x64"
    ${If} $Kept32Bit == 1
      Push "$WINDIR\SysWOW64"
      Call un.RemoveSaver
    ${EndIf}
  !endif
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
