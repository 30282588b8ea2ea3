# The browser program as a static site: our own index.html around Qt's loader, the
# program's JavaScript and WebAssembly, a web app manifest with the icons, a service worker
# that keeps exactly this build's files for working offline, and the licences of
# everything the page carries. Made afresh, in SITE_DIR, after every link of PROGRAM.
function(velmora_add_site program site_dir)
    string(REPLACE ";" "," font_packages "${VELMORA_LAYOUT_FONT_PACKAGES}")
    add_custom_target(${program}_site ALL
        COMMAND ${CMAKE_COMMAND}
            -DPROGRAM=${program}
            -DPROGRAM_DIR=$<TARGET_FILE_DIR:${program}>
            -DPAGE_SOURCES=${PROJECT_SOURCE_DIR}/app/web
            -DICONS=${PROJECT_SOURCE_DIR}/data/icons
            -DQT_PREFIX=${QT6_INSTALL_PREFIX}
            -DSITE=${site_dir}
            -DVERSION=${PROJECT_VERSION}
            -DTITLE=${PROJECT_NAME}
            "-DSUMMARY=${PROJECT_DESCRIPTION}"
            -DCONTACT=${VELMORA_CONTACT}
            -DFONT_PACKAGES=${font_packages}
            -P ${PROJECT_SOURCE_DIR}/app/web/make-site.cmake
        DEPENDS ${program} ${PROJECT_SOURCE_DIR}/app/web/make-site.cmake
        COMMENT "Making the site of ${program} in ${site_dir}"
        VERBATIM)
endfunction()
