cmake_minimum_required(VERSION 3.25)
# Makes the site from a linked browser program: cmake -DPROGRAM=… -DPROGRAM_DIR=… -DNODE=…
# -DMARKUP=… -DPAGE_SOURCES=… -DICONS=… -DFONT_LIST=… -DFONTS=… -DSITE=… -DVERSION=… -DTITLE=…
# -DSUMMARY=… -DFONT_PACKAGES=A,B… -P make-site.cmake
# The site is made beside its place and moved there whole, so that a failed run never
# leaves one that looks complete.

set(staging ${SITE}.new)
file(REMOVE_RECURSE ${staging})
file(MAKE_DIRECTORY ${staging}/icons ${staging}/fonts ${staging}/licenses)

foreach(file ${PROGRAM}.js ${PROGRAM}.wasm)
    if(NOT EXISTS ${PROGRAM_DIR}/${file})
        message(FATAL_ERROR "the program's build has no ${file} in ${PROGRAM_DIR}")
    endif()
    file(COPY ${PROGRAM_DIR}/${file} DESTINATION ${staging})
endforeach()

# The fonts, each role's family as a custom property of the style sheet, which names no
# family of its own. The caption's cut is the italic one.
file(STRINGS ${FONT_LIST} rows REGEX "^[^#]")
set(faces "")
set(FONT_PRELOADS "")
set(families ":root {")
set(roles)
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 role)
    list(GET fields 1 family)
    list(GET fields 3 font_file)
    get_filename_component(name ${font_file} NAME_WE)
    if(NOT EXISTS ${FONTS}/${name}.woff2)
        message(FATAL_ERROR "no subset font ${FONTS}/${name}.woff2")
    endif()
    file(COPY ${FONTS}/${name}.woff2 DESTINATION ${staging}/fonts)
    # The opening window shows the controls' and the Greek labels' fonts: fetched with the
    # page, they are in before its first frame, which then needs no second layout.
    if(role STREQUAL "controls" OR role STREQUAL "greek")
        string(APPEND FONT_PRELOADS "  <link rel=\"preload\" href=\"fonts/${name}.woff2\" as=\"font\" type=\"font/woff2\" crossorigin>\n")
    endif()
    set(style normal)
    if(role STREQUAL "caption")
        set(style italic)
    endif()
    string(APPEND faces "@font-face { font-family: \"${family}\"; font-style: ${style}; font-display: swap; "
                        "src: url(\"fonts/${name}.woff2\") format(\"woff2\"); }\n")
    if(NOT role IN_LIST roles)
        list(APPEND roles ${role})
        string(APPEND families " --font-${role}: \"${family}\";")
    endif()
endforeach()
# The windows come with the page, written from the layout tables: the page shows them at
# its first frame, and the program only binds their behaviour.
foreach(part html css)
    execute_process(COMMAND ${NODE} ${MARKUP} ${part} OUTPUT_VARIABLE windows_${part} RESULT_VARIABLE failed)
    if(failed OR windows_${part} STREQUAL "")
        message(FATAL_ERROR "${MARKUP} ${part} wrote no windows (${failed})")
    endif()
endforeach()
set(WINDOWS "${windows_html}")

file(READ ${PAGE_SOURCES}/velmora.css style)
file(WRITE ${staging}/velmora.css "${faces}${families} }\n\n${style}\n/* The windows' controls, each at its place. */\n${windows_css}")

# The manifest names every icon: the PNGs by their size, the SVG for any size.
file(GLOB icons ${ICONS}/velmora-*.png)
list(SORT icons COMPARE NATURAL ORDER DESCENDING)
set(MANIFEST_ICONS "    {\"src\": \"icons/velmora.svg\", \"sizes\": \"any\", \"type\": \"image/svg+xml\"}")
foreach(icon IN LISTS icons)
    string(REGEX REPLACE ".*velmora-([0-9]+)\\.png$" "\\1" size "${icon}")
    string(APPEND MANIFEST_ICONS
           ",\n    {\"src\": \"icons/velmora-${size}.png\", \"sizes\": \"${size}x${size}\", \"type\": \"image/png\"}")
endforeach()
file(COPY ${icons} ${ICONS}/velmora.svg DESTINATION ${staging}/icons)

# The licences of the fonts the page carries, and a page that lists them: static
# servers need not list a folder.
string(REPLACE "," ";" font_packages "${FONT_PACKAGES}")
set(LICENCE_LINKS "")
foreach(package IN LISTS font_packages)
    configure_file(/usr/share/doc/${package}/copyright ${staging}/licenses/${package}.txt COPYONLY)
    string(APPEND LICENCE_LINKS "<li><a href=\"${package}.txt\">${package}</a></li>\n")
endforeach()
configure_file(${PAGE_SOURCES}/licenses.html.in ${staging}/licenses/index.html @ONLY)

configure_file(${PAGE_SOURCES}/manifest.webmanifest.in ${staging}/manifest.webmanifest @ONLY)
configure_file(${PAGE_SOURCES}/index.html.in ${staging}/index.html @ONLY)
configure_file(${PAGE_SOURCES}/start.js.in ${staging}/start.js @ONLY)

# The service worker keeps exactly the files of this build that the page loads: all but
# the licences. Its name for them changes with any byte of any file, so a new build
# replaces the old files whole.
file(GLOB_RECURSE files RELATIVE ${staging} ${staging}/*)
list(FILTER files EXCLUDE REGEX "^licenses/")
list(SORT files)
set(digests "")
set(CACHED_FILES "")
foreach(file IN LISTS files)
    file(SHA256 ${staging}/${file} digest)
    string(APPEND digests "${digest}  ${file}\n")
    string(APPEND CACHED_FILES "    './${file}',\n")
endforeach()
string(SHA256 BUILD_ID "${digests}")
string(SUBSTRING ${BUILD_ID} 0 16 BUILD_ID)
configure_file(${PAGE_SOURCES}/service-worker.js.in ${staging}/service-worker.js @ONLY)

file(REMOVE_RECURSE ${SITE})
file(RENAME ${staging} ${SITE})
