; Veltrune-Setup.exe: installs the components that scripts/package.sh hands
; over, records what it installed, and removes exactly that again. Built with
;   makensis -DARCH=i686|x86_64 -DOUT_FILE=... -DPACKAGE=folder Veltrune.nsi
; where the folder holds program.nsh, simboard.nsh and velolib.nsh.
; Silent with /S (install and uninstall); /D=folder picks another folder;
; /SIMBOARD=1 or /SIMBOARD=0 installs the simulated board or leaves it out
; whatever the machine holds.

Unicode true
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!if "${ARCH}" == "x86_64"
  Target amd64-unicode
  InstallDir "$PROGRAMFILES64\Veltrune"
!else
  Target x86-unicode
  InstallDir "$PROGRAMFILES\Veltrune"
!endif
; An upgrade goes where the earlier version is.
InstallDirRegKey HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrune" "InstallLocation"

Name "Veltrune"
OutFile "${OUT_FILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrune"
; What this installation put in the folder, one path a line relative to it
; (a trailing "\" for a folder), in the order the uninstaller removes them.
!define RECORD "installed-files.txt"
; What the program takes at start-up so that only one copy runs; the copy
; holds it until its process ends.
!define INSTANCE_MUTEX "1C845AE4-7D13-49d5-A913-415C41157F21"
!define SYNCHRONIZE 0x00100000

; The folder first: whether the maker's libraries are already beside the
; program decides which components are ticked.
Page directory "" "" DirectoryLeave
Page components "" "" ComponentsLeave
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var Record
Var BoardSwitch
Var DefaultsFor
Var EarlierDir

; Ends a running copy the way the program is meant to be ended: its private
; close message (1024 with the tag 85) to its main window. Its files are in
; use until the process has gone, which its mutex tells: the system lets go
; of it only then.
!macro StopRunningCopy
  FindWindow $0 "TMainForm" "Veltrune"
  ${If} $0 <> 0
    DetailPrint "Ending the running Veltrune"
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${INSTANCE_MUTEX}") p.r1'
    SendMessage $0 1024 85 0 /TIMEOUT=10000
    ${If} $1 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r1, i 15000) i.r2'
      System::Call 'kernel32::CloseHandle(p r1)'
    ${EndIf}
  ${EndIf}
!macroend

!macro Record PATH
  FileWrite $Record "${PATH}$\r$\n"
!macroend

!macro RegView
  SetShellVarContext all
!if "${ARCH}" == "x86_64"
  SetRegView 64
!endif
!macroend

!include "${__FILEDIR__}/Record.nsh"
!insertmacro RecordFunctions ""
!insertmacro RecordFunctions "un."

Section "Veltrune (required)" SecProgram
  SectionIn RO
  !insertmacro StopRunningCopy
  ; Written aside until complete; opened first so that an unwritable folder
  ; stops the installation before the earlier version is touched.
  CreateDirectory "$INSTDIR"
  ClearErrors
  FileOpen $Record "$INSTDIR\${RECORD}.new" w
  ${If} ${Errors}
    MessageBox MB_ICONSTOP "Cannot write in $INSTDIR." /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  ; The earlier version's files go first, all of them: what this version
  ; ships is written again below, and what it no longer ships is gone.
  ${If} $EarlierDir != ""
  ${AndIf} $EarlierDir != $INSTDIR
    Push $EarlierDir
    Call RemoveEarlierVersion
    RMDir "$EarlierDir"
  ${EndIf}
  Push $INSTDIR
  Call RemoveEarlierVersion
  !include "${PACKAGE}/program.nsh"
SectionEnd

Section "Simulated board (firmlink.dll, boards, firmctl)" SecSimBoard
  !include "${PACKAGE}/simboard.nsh"
SectionEnd

Section "Profile writer (velolib.dll)" SecVelolib
  !include "${PACKAGE}/velolib.nsh"
SectionEnd

Section "-Registration"
  FileClose $Record
  Rename "$INSTDIR\${RECORD}.new" "$INSTDIR\${RECORD}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Veltrune.lnk" "$INSTDIR\Veltrune.exe" "" "$INSTDIR\Resource\Veltrune02.ico"
  ; The program starts hidden, with only its tray icon, as it should at logon.
  WriteRegStr HKLM "${RUN_KEY}" "Veltrune" '"$INSTDIR\Veltrune.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Veltrune"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Resource\Veltrune02.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; After the sections, whose indexes it needs.
!include "${__FILEDIR__}/MakersLibraries.nsh"

Function .onInit
  !insertmacro RegView
  ReadRegStr $EarlierDir HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/SIMBOARD=" $BoardSwitch
  ${If} ${Errors}
    StrCpy $BoardSwitch ""
  ${ElseIf} $BoardSwitch != "0"
  ${AndIf} $BoardSwitch != "1"
    MessageBox MB_ICONSTOP "/SIMBOARD= takes 1 (install the simulated board) or 0 (leave it out), not $\"$BoardSwitch$\"." /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  Call ChooseComponents
  ; Without pages nobody else would look.
  ${If} ${Silent}
    Call ForeignLibraryInTheWay
    Pop $0
    ${If} $0 != ""
      SetErrorLevel 2
      Abort
    ${EndIf}
  ${EndIf}
FunctionEnd

Function DirectoryLeave
  ${If} $INSTDIR != $DefaultsFor
    Call ChooseComponents
  ${EndIf}
FunctionEnd

Function ComponentsLeave
  Call ForeignLibraryInTheWay
  Pop $0
  ${If} $0 != ""
    Abort
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro RegView
FunctionEnd

; The profiles in "ARVEX OC Profiles\" of the all-users application data are
; the user's: they are not in the program folder and stay where they are.
Section "Uninstall"
  !insertmacro StopRunningCopy
  Push $INSTDIR
  Call un.RemoveRecorded
  ; Left by an installation that did not get to its end.
  Delete "$INSTDIR\${RECORD}.new"
  Delete "$INSTDIR\uninstall.exe"
  ; Only if nothing of the user's is left in it.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Veltrune.lnk"
  DeleteRegValue HKLM "${RUN_KEY}" "Veltrune"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
