; Which components a machine needs: the maker's own firmware library and
; profile writer, where it has them, must keep being the ones the program
; loads, so ours are ticked only where theirs are missing. The program loads
; a library from its own folder first, then from the system path: both count.
; A file that our record lists is ours, wherever it lies.

; Pushes 1 when the record in the folder lists the file name.
; Stack: folder, name (name on top).
Function IsRecorded
  Exch $R0
  Exch
  Exch $R1
  Push $R2
  Push $R3
  StrCpy $R3 0
  ; Where the uninstall entry says we are, a folder without a record holds a
  ; version from before it, which shipped both libraries.
  ${If} $R1 == $EarlierDir
  ${AndIfNot} ${FileExists} "$R1\${RECORD}"
  ${AndIf} ${FileExists} "$R1\uninstall.exe"
    StrCpy $R3 1
  ${EndIf}
  ClearErrors
  FileOpen $R2 "$R1\${RECORD}" r
  ${IfNot} ${Errors}
    ${Do}
      !insertmacro ReadRecordLine $R2 $R1
      ${If} ${Errors}
        ${ExitDo}
      ${EndIf}
      ${If} $R1 == $R0
        StrCpy $R3 1
        ${ExitDo}
      ${EndIf}
    ${Loop}
    FileClose $R2
  ${EndIf}
  StrCpy $R0 $R3
  Pop $R3
  Pop $R2
  Pop $R1
  Exch $R0
FunctionEnd

; Pushes the full path under which the system folders or PATH hold the
; library, or "". PATH is read whole: it is often longer than an NSIS string.
Function FindOnSystemPath
  Exch $R0
  Push $R1
  Push $R2
  Push $R3
  System::Call 'kernel32::SearchPathW(w "$SYSDIR;$WINDIR", w R0, p 0, i ${NSIS_MAX_STRLEN}, w .R1, p 0) i.R2'
  ${If} $R2 = 0
    StrCpy $R1 ""
    System::Call 'kernel32::GetEnvironmentVariableW(w "PATH", p 0, i 0) i.R2'
    ${If} $R2 > 0
      IntOp $R3 $R2 * 2
      System::Alloc $R3
      Pop $R3
      System::Call 'kernel32::GetEnvironmentVariableW(w "PATH", p R3, i R2)'
      System::Call 'kernel32::SearchPathW(p R3, w R0, p 0, i ${NSIS_MAX_STRLEN}, w .R1, p 0) i.R2'
      System::Free $R3
      ${If} $R2 = 0
        StrCpy $R1 ""
      ${EndIf}
    ${EndIf}
  ${EndIf}
  StrCpy $R0 $R1
  Pop $R3
  Pop $R2
  Pop $R1
  Exch $R0
FunctionEnd

; Pushes 1 when a library of that name that is not ours lies beside the
; program or on the system path.
Function MakersLibraryPresent
  Exch $R0
  Push $R1
  Push $R2
  StrCpy $R1 0
  ${If} ${FileExists} "$INSTDIR\$R0"
    Push $INSTDIR
    Push $R0
    Call IsRecorded
    Pop $R2
    ${If} $R2 == 0
      StrCpy $R1 1
    ${EndIf}
  ${EndIf}
  ${If} $R1 == 0
    Push $R0
    Call FindOnSystemPath
    Pop $R2
    ${If} $R2 != ""
      ${GetParent} $R2 $R2
      Push $R2
      Push $R0
      Call IsRecorded
      Pop $R2
      ${If} $R2 == 0
        StrCpy $R1 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
  StrCpy $R0 $R1
  Pop $R2
  Pop $R1
  Exch $R0
FunctionEnd

!macro TickUnlessMakersLibrary SECTION NAME
  Push "${NAME}"
  Call MakersLibraryPresent
  Pop $0
  ${If} $0 == 1
    !insertmacro UnselectSection ${SECTION}
  ${Else}
    !insertmacro SelectSection ${SECTION}
  ${EndIf}
!macroend

; The ticks for the folder in $INSTDIR; /SIMBOARD= overrides the board's.
Function ChooseComponents
  StrCpy $DefaultsFor $INSTDIR
  ${If} $BoardSwitch == "1"
    !insertmacro SelectSection ${SecSimBoard}
  ${ElseIf} $BoardSwitch == "0"
    !insertmacro UnselectSection ${SecSimBoard}
  ${Else}
    !insertmacro TickUnlessMakersLibrary ${SecSimBoard} "firmlink.dll"
  ${EndIf}
  !insertmacro TickUnlessMakersLibrary ${SecVelolib} "velolib.dll"
FunctionEnd

; Ours must not overwrite the maker's library in the folder (the uninstaller
; would then remove it as ours): pushes "" when nothing ticked is in the way,
; else the name of what is, after saying so.
!macro RefuseOverMakersLibrary SECTION NAME
  ${If} $0 == ""
  ${AndIf} ${SectionIsSelected} ${SECTION}
  ${AndIf} ${FileExists} "$INSTDIR\${NAME}"
    Push $INSTDIR
    Push "${NAME}"
    Call IsRecorded
    Pop $1
    ${If} $1 == 0
      StrCpy $0 "${NAME}"
      MessageBox MB_ICONSTOP "$INSTDIR\${NAME} does not belong to Veltrune and stays; untick the component that would replace it, or move the file away first." /SD IDOK
    ${EndIf}
  ${EndIf}
!macroend

Function ForeignLibraryInTheWay
  StrCpy $0 ""
  !insertmacro RefuseOverMakersLibrary ${SecSimBoard} "firmlink.dll"
  !insertmacro RefuseOverMakersLibrary ${SecVelolib} "velolib.dll"
  Push $0
FunctionEnd
