; Included by the installer after CPack's own entries in "Apps & features": the size of
; the installed folder, and the command that uninstalls without asking. The key is
; CPACK_PACKAGE_INSTALL_REGISTRY_KEY (cmake/windows-package.cmake).
WriteRegStr SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
IntFmt $0 "0x%08X" $0
WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora" "EstimatedSize" "$0"
