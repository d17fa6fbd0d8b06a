; Installer for Vertisel on 64-bit Windows.
; makensis -DVERSION=1.0.0.0 -DSTAGE=<folder with the files> -DOUTFILE=<setup.exe> vertisel.nsi
; Per user (no administrator rights) by default; for all users when elevated.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "${__FILEDIR__}/product.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vertisel"

Name "${PRODUCT_NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vertisel"
Icon "${STAGE}\vertisel.ico"
UninstallIcon "${STAGE}\vertisel.ico"
BrandingText "Vertisel ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1026 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=1026 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1026 "FileDescription" "Vertisel ${VERSION} Setup"
VIAddVersionKey /LANG=1026 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${STAGE}\vertisel.ico"
!define MUI_UNICON "${STAGE}\vertisel.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vertisel.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

Function .onInit
    SetRegView 64
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
        ; Elevated: Program Files, the all-users Start menu and HKLM. The
        ; default folder is compared first: $LOCALAPPDATA follows the context.
        ${If} $INSTDIR == "$LOCALAPPDATA\Programs\Vertisel"
            StrCpy $INSTDIR "$PROGRAMFILES64\Vertisel"
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Vertisel"
    SetOutPath "$INSTDIR"
    File "${STAGE}\vertisel.exe"
    File "${STAGE}\LICENSE.txt"
    File "${STAGE}\README.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\Vertisel.lnk" "$INSTDIR\vertisel.exe" "" "$INSTDIR\vertisel.exe" 0

    ; SHCTX is HKLM for all users, HKCU for the current user.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "HelpLink" "${HELP_LINK}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HELP_LINK}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vertisel.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetRegView 64
    ; An all-users install is registered under HKLM with this folder.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            MessageBox MB_ICONSTOP "Vertisel е инсталиран за всички потребители: стартирайте деинсталирането като администратор." /SD IDOK
            Abort
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Vertisel.lnk"
    Delete "$INSTDIR\vertisel.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
