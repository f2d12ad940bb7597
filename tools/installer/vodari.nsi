; Vodari's installer. Built by tools/package.sh, which passes:
;   VERSION       the package version, e.g. 1.3.1
;   VERSION_QUAD  the same with four parts, e.g. 1.3.1.0
;   STAGE         the laid-out program folder (Vodari.exe, books, sound, ...)
;   OUTFILE       the installer to write
;   ICON          the program icon
;
; It installs for the current user only, without administrator rights, into
; the user's own program folder, where Vodari may write its history books.
; The program finds books\ and sound\ in its working folder, so every
; shortcut starts it in the program folder. This file is UTF-8 with a byte
; order mark, as Unicode NSIS reads Chinese text correctly only so.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vodari"
; The main window's caption: the program runs while a window of this title exists.
!define MAIN_WINDOW_TITLE "Vodari1.3"

Name "Vodari"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vodari"
; Installing again goes to the folder of the earlier installation.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Vodari ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=2052 "ProductName" "Vodari"
VIAddVersionKey /LANG=2052 "FileDescription" "Vodari 英语单词学习 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TEXT "这个向导将把 Vodari ${VERSION} 安装到您的电脑上。$\r$\n$\r$\nVodari 帮助您学习英语单词：单词测试、背记、查询和屏幕取词。$\r$\n$\r$\n安装只为当前用户进行，不需要管理员权限。如果以前安装过 Vodari，您的学习记录和自定义字典都会保留。$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
; The bottom text names the button as the Chinese language file labels it.
!define MUI_LICENSEPAGE_TEXT_BOTTOM "如果您接受许可协议的条款，请点击 [我接受(I)] 继续安装。您必须接受协议才能安装 $(^NameDA)。"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "运行 Vodari"
!define MUI_FINISHPAGE_RUN_FUNCTION StartVodari
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\使用说明.htm"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "阅读使用说明"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "SimpChinese"

; Files are replaced while the program runs only at the cost of its records:
; ask the user to close it first.
!macro REFUSE_WHILE_RUNNING
  retry:
  FindWindow $0 "#32770" "${MAIN_WINDOW_TITLE}"
  StrCmp $0 0 +3
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Vodari 正在运行。请先退出 Vodari，再点“重试”。" /SD IDCANCEL IDRETRY retry
  Abort
!macroend

Function .onInit
  !insertmacro REFUSE_WHILE_RUNNING
FunctionEnd

Function un.onInit
  !insertmacro REFUSE_WHILE_RUNNING
FunctionEnd

Function StartVodari
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Vodari.exe"'
FunctionEnd

Section "Vodari 程序、单词本和使用说明" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${STAGE}/Vodari.exe"
  !if /FileExists "${STAGE}/nhw32.dll"
    File "${STAGE}/nhw32.dll"
  !endif
  ; The capture library's 64-bit part, for reading 64-bit programs.
  !if /FileExists "${STAGE}/nhw32_64.dll"
    File "${STAGE}/nhw32_64.dll"
    File "${STAGE}/nhw32_x64.exe"
  !endif
  File "${STAGE}/使用说明.htm"
  File "${STAGE}/LICENSE.txt"
  SetOutPath "$INSTDIR\guide"
  File "${STAGE}/guide/*.png"
  SetOutPath "$INSTDIR\sound"
  File "${STAGE}/sound/*.wav"
  SetOutPath "$INSTDIR\books"
  File /x "重点单词记录.txt" /x "曾经背记过的单词.txt" /x "用户自定义字典.txt" "${STAGE}/books/*.txt"
  ; The history books and the user dictionary hold the user's own records
  ; and words: written only when missing, so an upgrade keeps them.
  SetOverwrite off
  File "${STAGE}/books/重点单词记录.txt"
  File "${STAGE}/books/曾经背记过的单词.txt"
  File "${STAGE}/books/用户自定义字典.txt"
  SetOverwrite on

  ; A shortcut's working folder is the output path when it is made.
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\Vodari"
  CreateShortCut "$SMPROGRAMS\Vodari\Vodari.lnk" "$INSTDIR\Vodari.exe"
  CreateShortCut "$SMPROGRAMS\Vodari\Vodari 使用说明.lnk" "$INSTDIR\使用说明.htm"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vodari 英语单词学习"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vodari"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vodari.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "桌面快捷方式" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\Vodari.lnk" "$INSTDIR\Vodari.exe"
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\Vodari.exe"
  Delete "$INSTDIR\nhw32.dll"
  Delete "$INSTDIR\nhw32_64.dll"
  Delete "$INSTDIR\nhw32_x64.exe"
  Delete "$INSTDIR\使用说明.htm"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\guide\*.png"
  RMDir "$INSTDIR\guide"
  Delete "$INSTDIR\sound\*.wav"
  RMDir "$INSTDIR\sound"
  ; The word books that came with the program (and the empty ones a lookup
  ; creates for missing catalogue books).
  Delete "$INSTDIR\books\单词本*.txt"
  Delete "$INSTDIR\books\考研单词表.txt"
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "是否同时删除您的学习记录（曾经选错的单词、曾经背记过的单词）和用户自定义字典？$\r$\n$\r$\n选“否”将把它们保留在 $INSTDIR\books 中，重新安装后可以继续使用。" /SD IDNO IDNO keep_records
    Delete "$INSTDIR\books\重点单词记录.txt"
    Delete "$INSTDIR\books\曾经背记过的单词.txt"
    Delete "$INSTDIR\books\用户自定义字典.txt"
  keep_records:
  RMDir "$INSTDIR\books"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\Vodari\Vodari.lnk"
  Delete "$SMPROGRAMS\Vodari\Vodari 使用说明.lnk"
  RMDir "$SMPROGRAMS\Vodari"
  Delete "$DESKTOP\Vodari.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
