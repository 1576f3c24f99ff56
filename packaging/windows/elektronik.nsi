; SPDX-FileCopyrightText: 2026 The Elektronik developers
; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer, made by scripts/windows/package.sh, which defines
; VERSION, STAGE (the folder to install), FILES (its Delete lines for the
; uninstaller), LICENSE, ICON and OUTFILE.
; A 64-bit installer for the 64-bit programs, which also runs where
; Windows (or Wine) has no 32-bit part.
Target amd64-unicode
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Elektronik"
!define MENU_FOLDER "$SMPROGRAMS\Elektronik"

Name "Elektronik ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Elektronik"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "Elektronik ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\elektronik.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Elektronik Berechnungen starten"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "Elektronik"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Elektronik ${VERSION} Installation"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "© 2026 The Elektronik developers, GPL-3.0-or-later"

; Shortcuts and the entry under installed programs for every user, as the
; programs go to Program Files.
Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "Elektronik"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\Deinstallieren.exe"

    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\Elektronik Berechnungen.lnk" "$INSTDIR\elektronik.exe"
    CreateShortcut "${MENU_FOLDER}\Umrechnung.lnk" "$INSTDIR\einheiten.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Elektronik ${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\elektronik.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Die Elektronik-Entwickler"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer wrote, file by file, so that nothing else in
; a folder the user chose is lost.
Section "Uninstall"
    !include "${FILES}"
    Delete "$INSTDIR\Deinstallieren.exe"
    RMDir "$INSTDIR"
    Delete "${MENU_FOLDER}\Elektronik Berechnungen.lnk"
    Delete "${MENU_FOLDER}\Umrechnung.lnk"
    RMDir "${MENU_FOLDER}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
