; Veltrune-Setup.exe: installs the program folder that scripts/package.sh
; hands over, and removes exactly that again. Built with
;   makensis -DARCH=i686|x86_64 -DOUT_FILE=... -DINSTALL_LIST=... -DREMOVE_LIST=... Veltrune.nsi
; where the two lists are the File and the Delete/RMDir lines of the folder.
; Silent with /S (install and uninstall); /D=folder picks another folder.

Unicode true
!include LogicLib.nsh
!include FileFunc.nsh

!if "${ARCH}" == "x86_64"
  Target amd64-unicode
  InstallDir "$PROGRAMFILES64\Veltrune"
!else
  Target x86-unicode
  InstallDir "$PROGRAMFILES\Veltrune"
!endif

Name "Veltrune"
OutFile "${OUT_FILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrune"
; What the program takes at start-up so that only one copy runs; the copy
; holds it until its process ends.
!define INSTANCE_MUTEX "1C845AE4-7D13-49d5-A913-415C41157F21"
!define SYNCHRONIZE 0x00100000

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

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

Function .onInit
  SetShellVarContext all
!if "${ARCH}" == "x86_64"
  SetRegView 64
!endif
FunctionEnd

Function un.onInit
  SetShellVarContext all
!if "${ARCH}" == "x86_64"
  SetRegView 64
!endif
FunctionEnd

Section "Veltrune"
  !insertmacro StopRunningCopy
  !include "${INSTALL_LIST}"
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

; The profiles in "ARVEX OC Profiles\" of the all-users application data are
; the user's: they are not in the program folder and stay where they are.
Section "Uninstall"
  !insertmacro StopRunningCopy
  !include "${REMOVE_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only if nothing of the user's is left in it.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Veltrune.lnk"
  DeleteRegValue HKLM "${RUN_KEY}" "Veltrune"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
