; The installation's record (RECORD in Veltrune.nsi): read by the installer,
; to tell its own files from the maker's and to clear the earlier version
; away, and by the uninstaller.

; Reads the next entry of the record open as HANDLE into VAR, without its
; line end; the error flag is set at the end of the record.
!macro ReadRecordLine HANDLE VAR
  ClearErrors
  FileRead ${HANDLE} ${VAR}
  ${If} ${Errors}
    ; Testing the flag cleared it; the caller tests it again.
    SetErrors
  ${Else}
    ${Do}
      StrCpy $9 ${VAR} 1 -1
      ${If} $9 == "$\r"
      ${OrIf} $9 == "$\n"
        StrCpy ${VAR} ${VAR} -1
      ${Else}
        ${ExitDo}
      ${EndIf}
    ${Loop}
  ${EndIf}
!macroend

!macro RecordFunctions UN
; Pushes 1 when the entry names something inside the folder: a damaged or
; altered record must not reach the user's other files.
Function ${UN}IsInsideFolder
  Exch $R0
  Push $R1
  Push $R2
  Push $R3
  StrCpy $R1 1
  StrCpy $R2 $R0 1
  ${If} $R0 == ""
  ${OrIf} $R2 == "\"
  ${OrIf} $R2 == "/"
    StrCpy $R1 0
  ${EndIf}
  StrLen $R3 $R0
  ${For} $R2 0 $R3
    StrCpy $9 $R0 2 $R2
    StrCpy $8 $R0 1 $R2
    ${If} $9 == ".."
    ${OrIf} $8 == ":"
      StrCpy $R1 0
    ${EndIf}
  ${Next}
  StrCpy $R0 $R1
  Pop $R3
  Pop $R2
  Pop $R1
  Exch $R0
FunctionEnd

; Removes from the folder on the stack what its record lists, then the
; record. Folders go only when empty, so the user's files keep theirs.
Function ${UN}RemoveRecorded
  Exch $R0
  Push $R1
  Push $R2
  Push $R3
  ClearErrors
  FileOpen $R1 "$R0\${RECORD}" r
  ${IfNot} ${Errors}
    ${Do}
      !insertmacro ReadRecordLine $R1 $R2
      ${If} ${Errors}
        ${ExitDo}
      ${EndIf}
      Push $R2
      Call ${UN}IsInsideFolder
      Pop $R3
      ${If} $R3 == 1
        StrCpy $R3 $R2 1 -1
        ${If} $R3 == "\"
          RMDir "$R0\$R2"
        ${Else}
          Delete "$R0\$R2"
        ${EndIf}
      ${EndIf}
    ${Loop}
    FileClose $R1
    Delete "$R0\${RECORD}"
  ${EndIf}
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd
!macroend

; Clears the earlier version out of the folder on the stack: by its record,
; or, for a version from before the record, by its own uninstaller, which
; knows its files (run in place, so that it returns when it is done).
Function RemoveEarlierVersion
  Exch $R0
  ${If} ${FileExists} "$R0\${RECORD}"
    Push $R0
    Call RemoveRecorded
  ${ElseIf} ${FileExists} "$R0\uninstall.exe"
    ExecWait '"$R0\uninstall.exe" /S _?=$R0'
  ${EndIf}
  Delete "$R0\uninstall.exe"
  Pop $R0
FunctionEnd
