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
;        moves to the 64-bit file
;
; SIGN_COMMAND, when given, signs the uninstaller before it is packed and the setup program once
; it is written: it is run as <signer> <file> <description> and must exit with 0 (scripts/package
; passes scripts/lib/sign-pe when a certificate is configured).
;
; Installs the saver where Windows looks for screen savers of its architecture, offers to make it
; the current user's screen saver, and registers an uninstaller with Apps & Features. Command line:
;   /S          silent; makes it the screen saver unless /NOSELECT is given as well
;   /NOSELECT   leaves the current screen saver as it is (no question asked)
; The uninstaller takes /S as well.

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
RequestExecutionLevel admin
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
; The screen saver the installing user had before ours was selected, kept in our uninstall entry
; so that it goes away with it; absent when the user had none.
!define PREVIOUS_SAVER "PreviousScreenSaver"

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

!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$(FinishText)"
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

Var SaverPath ; where Windows finds the saver, as SCRNSAVE.EXE names it

; The saver of the 32-bit setup program on 64-bit Windows: the folder of 32-bit screen savers.
!define SYSWOW64_SAVER "$WINDIR\SysWOW64\${SCR_NAME}"

; A 32-bit installer writes to $SYSDIR, which on 64-bit Windows the WOW64 redirection sends to
; SysWOW64: the folder of 32-bit screen savers. SCRNSAVE.EXE is read by 64-bit Windows without that
; redirection, so it must name the folder the file really is in. A 64-bit installer sees no
; redirection: its $SYSDIR is the real System32, the folder of 64-bit screen savers.
!macro SAVER_PATH un
  Function ${un}SaverPath
    !if "${ARCH}" == "x64"
      StrCpy $SaverPath "$SYSDIR\${SCR_NAME}"
    !else
      ${If} ${RunningX64}
        StrCpy $SaverPath "${SYSWOW64_SAVER}"
      ${Else}
        StrCpy $SaverPath "$SYSDIR\${SCR_NAME}"
      ${EndIf}
    !endif
  FunctionEnd

  ; Pops a path; pushes 1 when it names our saver (long or short form, System32 or SysWOW64 spelling),
  ; 0 otherwise. Needs the file to exist for the short form. For the 64-bit setup program the
  ; 32-bit saver of an earlier install in SysWOW64 is ours too.
  Function ${un}IsOurSaver
    Exch $0
    Push $1
    Push $2
    StrCpy $1 0
    ${If} $0 == ""
      ; nothing selected
    ${ElseIf} $0 == $SaverPath
    ${OrIf} $0 == "$SYSDIR\${SCR_NAME}"
      StrCpy $1 1
    !if "${ARCH}" == "x64"
    ${ElseIf} $0 == "${SYSWOW64_SAVER}"
      StrCpy $1 1
    !endif
    ${Else}
      GetFullPathName /SHORT $2 $SaverPath
      ${If} $2 != ""
      ${AndIf} $0 == $2
        StrCpy $1 1
      ${EndIf}
      !if "${ARCH}" == "x64"
        GetFullPathName /SHORT $2 "${SYSWOW64_SAVER}"
        ${If} $2 != ""
        ${AndIf} $0 == $2
          StrCpy $1 1
        ${EndIf}
      !endif
    ${EndIf}
    StrCpy $0 $1
    Pop $2
    Pop $1
    Exch $0
  FunctionEnd
!macroend
!insertmacro SAVER_PATH ""
!insertmacro SAVER_PATH "un."

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

; The registry view of the uninstall entry: the 64-bit one for the 64-bit saver (a 64-bit process
; writes there anyway; said here so that no one has to know that), the 32-bit one for the other.
!macro REGISTRY_VIEW
  !if "${ARCH}" == "x64"
    SetRegView 64
  !endif
!macroend

Function .onInit
  !insertmacro CHOOSE_LANGUAGE
  !insertmacro REGISTRY_VIEW
  Call SaverPath
FunctionEnd

!if "${ARCH}" == "x64"
; The x86 setup program, run on 64-bit Windows, left the 32-bit saver in SysWOW64, its uninstaller
; in the 32-bit Program Files and its entry in the 32-bit registry. Two savers of one name would
; show twice in the Screen Saver list and twice in Apps & Features, so the 64-bit saver takes the
; place of the 32-bit one: the screen saver the user had before the first install is carried over
; to this install's entry, a selection of the 32-bit file moves to the 64-bit one (whatever
; /NOSELECT says: the user chose Memory Rhythms, and the old file goes), and the rest is removed.
Function ReplaceEarlier32BitInstall
  SetRegView 32
  ClearErrors
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayName"
  ${IfNot} ${Errors}
    ClearErrors
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
    ${IfNot} ${Errors}
      SetRegView 64
      ClearErrors
      ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
      ${If} ${Errors}
        WriteRegStr HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}" $1
      ${EndIf}
      SetRegView 32
    ${EndIf}
    ; Its uninstaller is where its entry says (the 32-bit Program Files, which a 64-bit setup
    ; program's $PROGRAMFILES32 does not name).
    ReadRegStr $3 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${If} $3 != ""
      Delete "$3\${UNINSTALLER}"
      RMDir "$3"
    ${EndIf}
    DetailPrint "Replaced the 32-bit ${PRODUCT} of an earlier install"
  ${EndIf}
  SetRegView 64

  ClearErrors
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${IfNot} ${Errors}
  ${AndIf} $0 != $SaverPath
    Push $0
    Call IsOurSaver
    Pop $1
    ${If} $1 == 1
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $SaverPath
    ${EndIf}
  ${EndIf}

  Delete /REBOOTOK "${SYSWOW64_SAVER}"
FunctionEnd
!endif

; Records the user's current screen saver unless it is already ours (an upgrade, or a second
; install): then what was recorded the first time stays.
Function RememberPreviousSaver
  ClearErrors
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} ${Errors}
    DeleteRegValue HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
  ${Else}
    Push $0
    Call IsOurSaver
    Pop $1
    ${If} $1 == 1
      Return
    ${EndIf}
    WriteRegStr HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}" $0
  ${EndIf}
FunctionEnd

Function SelectSaver
  Call RememberPreviousSaver
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $SaverPath
FunctionEnd

Section "$(SectionName)" SecSaver
  SectionIn RO
  SetOutPath $SYSDIR
  ; The build's file time would make each setup program differ from the last: the same sources
  ; must give the same bytes. The installed file takes the time of the install instead.
  SetDateSave off
  File "/oname=${SCR_NAME}" "${SCR_FILE}"
  !if "${ARCH}" == "x64"
    Call ReplaceEarlier32BitInstall
  !endif

  SetOutPath $INSTDIR
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; One entry, rewritten on an upgrade; the recorded previous saver in it is kept.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${UNINSTALLER},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecSaver} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOSELECT" $1
  ${IfNot} ${Errors}
    DetailPrint "/NOSELECT: the screen saver setting is left as it is"
  ${ElseIf} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION "$(AskSelect)" /SD IDYES IDYES`
    Call SelectSaver
  ${EndIf}
SectionEnd

Function un.onInit
  !insertmacro CHOOSE_LANGUAGE
  ; The files are where setup put them, whichever copy of the uninstaller runs.
  StrCpy $INSTDIR "${INSTALL_DIR}"
  !insertmacro REGISTRY_VIEW
  Call un.SaverPath
FunctionEnd

; Gives the user back the screen saver recorded at install time, if ours is still the selected
; one; a saver chosen since then is left alone. Runs while our file still exists.
Function un.RestorePreviousSaver
  ClearErrors
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} ${Errors}
    Return
  ${EndIf}
  Push $0
  Call un.IsOurSaver
  Pop $1
  ${If} $1 != 1
    Return
  ${EndIf}
  ClearErrors
  ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
  ${If} ${Errors}
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${Else}
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $2
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.RestorePreviousSaver
  Delete /REBOOTOK "$SYSDIR\${SCR_NAME}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
