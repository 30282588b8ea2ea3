# The Windows program folder and its two packages: an NSIS installer and a portable zip
# of the same folder. The folder holds the program and only what it loads: Qt's DLLs,
# the windows platform plugin, the Windows style, the MinGW runtime, the fonts the windows
# are laid out for, and the licences of all of it. Every binary is stripped.

# Qt is linked dynamically (LGPL-3); these are the files of it that the program loads.
set(qt_bin ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
set(qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
install(FILES ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll DESTINATION .)
install(FILES ${qt_plugins}/platforms/qwindows.dll DESTINATION platforms)
# Without it the widgets take Qt's own Windows 95 look. Qt 6.7 moved the Vista style into
# a plugin of its own name, beside the Windows 11 style.
file(GLOB windows_style ${qt_plugins}/styles/qwindowsvistastyle.dll ${qt_plugins}/styles/qmodernwindowsstyle.dll)
if(NOT windows_style)
    message(FATAL_ERROR "Qt for Windows in ${QT6_INSTALL_PREFIX} has no Windows style plugin")
endif()
install(FILES ${windows_style} DESTINATION styles)

install(FILES ${VELMORA_MINGW_RUNTIME} DESTINATION .)

# Windows has none of the fonts the layout is measured with; the program adds these.
install(FILES ${VELMORA_LAYOUT_FONTS} DESTINATION fonts)

# Licences: Qt's and its third-party notices, the GCC runtime library exception and
# winpthreads' notice (from Debian's copyright files of those packages), the fonts', and
# which Qt source the DLLs were built from.
install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/ DESTINATION licenses/qt)
install(FILES ${QT6_INSTALL_PREFIX}/SOURCE DESTINATION licenses/qt RENAME BUILT-FROM.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licenses RENAME mingw-w64-winpthreads.txt)
foreach(package IN LISTS VELMORA_LAYOUT_FONT_PACKAGES)
    install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses RENAME ${package}.txt)
endforeach()

# Last: strips every binary in the folder as installed (the DLLs come with their symbols).
install(CODE "
    file(GLOB_RECURSE binaries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.exe\"
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(binary IN LISTS binaries)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${binary}\" RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR \"could not strip \${binary}\")
        endif()
    endforeach()
")

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME Velmora-${PROJECT_VERSION}-win64)
# One folder and one registry key for every version, so that a newer one replaces an older.
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velmora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Velmora)
set(CPACK_PACKAGE_EXECUTABLES velmora Velmora)
set(CPACK_NSIS_PACKAGE_NAME Velmora)
set(CPACK_NSIS_DISPLAY_NAME Velmora)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_INSTALLED_ICON_NAME velmora.exe)
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/app/velmora.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/app/velmora.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_CONTACT ${VELMORA_CONTACT})
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer: the default 32-bit one does not start on a 64-bit-only system.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\n!include FileFunc.nsh")
# What "Apps & features" shows beyond CPack's own entries, in NSIS's own words.
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-apps-entry.nsh.in ${CMAKE_BINARY_DIR}/windows-apps-entry.nsh @ONLY)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "!include ${CMAKE_BINARY_DIR}/windows-apps-entry.nsh")
# The installer is named for what it is; the zip unpacks into one folder of the same name.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows-cpack-options.cmake)
