; The per-user Windows installer of ZENTRIX, made from the unpacked Windows
; zip by scripts/build-windows-installer.sh, which passes:
;   SOURCE     the zip's "zentrix" folder (zentrix.exe, zentrix-cli.exe, DLLs,
;              uir, Doc, examples)
;   FILES      an include file of the "Delete" and "RMDir" lines that take
;              exactly those files and folders away again
;   VERSION    the project's version; OUTFILE the installer to write
; No administrator rights: the program goes to the user's own programs folder
; and a Start-menu shortcut, and the uninstaller is registered for the user
; only. /S installs and uninstalls silently. The shortcut starts the program
; in its own folder, where it finds uir\ and Doc\ as in the zip.
; A 64-bit installer for a 64-bit program (and Wine without its 32-bit half
; runs it).
Target amd64-unicode
!macro NEEDS NAME
  !ifndef ${NAME}
    !error "makensis -DSOURCE=folder -DFILES=list.nsh -DVERSION=x.y.z -DOUTFILE=setup.exe"
  !endif
!macroend
!insertmacro NEEDS SOURCE
!insertmacro NEEDS FILES
!insertmacro NEEDS VERSION
!insertmacro NEEDS OUTFILE
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZENTRIX"

Name "ZENTRIX ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\ZENTRIX"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "ZENTRIX"
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The shortcut's working folder is $OUTDIR, the installation.
  CreateShortcut "$SMPROGRAMS\ZENTRIX.lnk" "$INSTDIR\zentrix.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "ZENTRIX"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The ZENTRIX developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zentrix.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only the installed files go: models, settings or a language.dat the user
; put in the folder stay, and so does the folder then.
Section "Uninstall"
  Delete "$SMPROGRAMS\ZENTRIX.lnk"
  !include "${FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
