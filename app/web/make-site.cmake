# Makes the site from a linked browser program: cmake -DPROGRAM=… -DPROGRAM_DIR=… -DPAGE_SOURCES=…
# -DICONS=… -DQT_PREFIX=… -DSITE=… -DVERSION=… -DTITLE=… -DSUMMARY=… -DCONTACT=… -DFONT_PACKAGES=A,B… -P make-site.cmake
# The site is made beside its place and moved there whole, so that a failed run never
# leaves one that looks complete.

set(staging ${SITE}.new)
file(REMOVE_RECURSE ${staging})
file(MAKE_DIRECTORY ${staging}/icons ${staging}/licenses/qt)

# The program as Qt's build left it, and Qt's loader.
foreach(file ${PROGRAM}.js ${PROGRAM}.wasm qtloader.js)
    if(NOT EXISTS ${PROGRAM_DIR}/${file})
        message(FATAL_ERROR "the program's build has no ${file} in ${PROGRAM_DIR}")
    endif()
    file(COPY ${PROGRAM_DIR}/${file} DESTINATION ${staging})
endforeach()

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

# The licences. Qt is linked statically into velmora.wasm, so the site says how to get
# its source and relink (LGPL-3, section 4).
file(COPY ${QT_PREFIX}/licenses/ DESTINATION ${staging}/licenses/qt)
file(READ ${QT_PREFIX}/SOURCE QT_SOURCE)
file(READ ${QT_PREFIX}/FEATURES-OFF QT_FEATURES_OFF)
string(STRIP "${QT_SOURCE}" QT_SOURCE)
string(REPLACE "\n" " " QT_FEATURES_OFF "${QT_FEATURES_OFF}")
configure_file(${PAGE_SOURCES}/RELINKING.txt.in ${staging}/licenses/RELINKING.txt @ONLY)
string(REPLACE "," ";" font_packages "${FONT_PACKAGES}")
foreach(package IN LISTS font_packages)
    configure_file(/usr/share/doc/${package}/copyright ${staging}/licenses/${package}.txt COPYONLY)
endforeach()

# A page that lists them: static servers need not list a folder.
file(GLOB_RECURSE licences RELATIVE ${staging}/licenses ${staging}/licenses/*)
list(SORT licences)
set(LICENCE_LINKS "")
foreach(licence IN LISTS licences)
    string(APPEND LICENCE_LINKS "<li><a href=\"${licence}\">${licence}</a></li>\n")
endforeach()
configure_file(${PAGE_SOURCES}/licenses.html.in ${staging}/licenses/index.html @ONLY)

configure_file(${PAGE_SOURCES}/manifest.webmanifest.in ${staging}/manifest.webmanifest @ONLY)
file(SIZE ${staging}/${PROGRAM}.wasm WASM_BYTES)
configure_file(${PAGE_SOURCES}/index.html.in ${staging}/index.html @ONLY)

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
