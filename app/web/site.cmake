# The browser program as a static site: the page with its windows (written by MARKUP, run
# with Node.js), its style and starter, the program's JavaScript and WebAssembly, the layout's fonts subset to WOFF2, a web app manifest with
# the icons, a service worker that keeps exactly this build's files for working offline,
# and the licences of the fonts. Made afresh, in SITE_DIR, after every link of PROGRAM.
function(velmora_add_site program markup site_dir)
    find_program(VELMORA_PYFTSUBSET pyftsubset REQUIRED)
    find_program(VELMORA_NODE node REQUIRED)
    set(fonts_dir ${CMAKE_CURRENT_BINARY_DIR}/site-fonts)
    set(subsets)
    foreach(font IN LISTS VELMORA_LAYOUT_FONTS)
        get_filename_component(name ${font} NAME_WE)
        # The controls' font shows what the user types and every message; the others show
        # only the fixed captions of their labels, which need no more than ASCII and γ, ρ.
        list(FIND VELMORA_LAYOUT_FONTS ${font} index)
        list(GET VELMORA_LAYOUT_FONT_ROLES ${index} role)
        if(role STREQUAL "controls")
            set(characters ${PROJECT_SOURCE_DIR}/app/web/font-characters.txt)
        else()
            set(characters ${PROJECT_SOURCE_DIR}/app/web/caption-characters.txt)
        endif()
        set(subset ${fonts_dir}/${name}.woff2)
        add_custom_command(OUTPUT ${subset}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${fonts_dir}
            COMMAND ${VELMORA_PYFTSUBSET} ${font} --output-file=${subset} --flavor=woff2
                    --unicodes-file=${characters} --layout-features=kern,liga --no-hinting --desubroutinize
            DEPENDS ${font} ${characters}
            VERBATIM)
        list(APPEND subsets ${subset})
    endforeach()
    string(REPLACE ";" "," font_packages "${VELMORA_LAYOUT_FONT_PACKAGES}")
    add_custom_target(${program}_site ALL
        COMMAND ${CMAKE_COMMAND}
            -DPROGRAM=${program}
            -DPROGRAM_DIR=$<TARGET_FILE_DIR:${program}>
            -DNODE=${VELMORA_NODE}
            -DMARKUP=$<TARGET_FILE:${markup}>
            -DPAGE_SOURCES=${PROJECT_SOURCE_DIR}/app/web
            -DICONS=${PROJECT_SOURCE_DIR}/data/icons
            -DFONT_LIST=${PROJECT_SOURCE_DIR}/data/layout-fonts.txt
            -DFONTS=${fonts_dir}
            -DSITE=${site_dir}
            -DVERSION=${PROJECT_VERSION}
            -DTITLE=${PROJECT_NAME}
            "-DSUMMARY=${PROJECT_DESCRIPTION}"
            -DFONT_PACKAGES=${font_packages}
            -P ${PROJECT_SOURCE_DIR}/app/web/make-site.cmake
        DEPENDS ${program} ${markup} ${subsets} ${PROJECT_SOURCE_DIR}/app/web/make-site.cmake
                ${PROJECT_SOURCE_DIR}/app/web/velmora.css ${PROJECT_SOURCE_DIR}/app/web/index.html.in
                ${PROJECT_SOURCE_DIR}/app/web/start.js.in ${PROJECT_SOURCE_DIR}/app/web/service-worker.js.in
        COMMENT "Making the site of ${program} in ${site_dir}"
        VERBATIM)
endfunction()
