# Reads data/layout-fonts.txt, the one list of the layout's fonts, into
#   VELMORA_LAYOUT_FONTS          their files, as Debian installs them
#   VELMORA_LAYOUT_FONT_ROLES     the role of each of them
#   VELMORA_LAYOUT_FONT_PACKAGES  the Debian packages that hold them
# and writes layoutfonts.h, which names each role's family to the widgets and says which
# file serves which role.
set(layout_fonts_list ${PROJECT_SOURCE_DIR}/data/layout-fonts.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${layout_fonts_list})
file(STRINGS ${layout_fonts_list} rows REGEX "^[^#]")
set(VELMORA_LAYOUT_FONTS)
set(VELMORA_LAYOUT_FONT_ROLES)
set(VELMORA_LAYOUT_FONT_PACKAGES)
set(families)
set(roles)
set(files)
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(LENGTH fields count)
    if(NOT count EQUAL 4)
        message(FATAL_ERROR "data/layout-fonts.txt: not role|family|package|file: ${row}")
    endif()
    list(GET fields 0 role)
    list(GET fields 1 family)
    list(GET fields 2 package)
    list(GET fields 3 font_file)
    list(APPEND VELMORA_LAYOUT_FONTS ${font_file})
    list(APPEND VELMORA_LAYOUT_FONT_ROLES ${role})
    get_filename_component(file_name ${font_file} NAME)
    string(APPEND files "    {Role::${role}, \"${file_name}\"},\n")
    list(APPEND VELMORA_LAYOUT_FONT_PACKAGES ${package})
    if(NOT "${role}" IN_LIST roles)
        list(APPEND roles ${role})
        string(APPEND families "inline constexpr char ${role}Family[] = \"${family}\";\n")
    endif()
endforeach()
list(JOIN roles ", " role_names)
list(REMOVE_DUPLICATES VELMORA_LAYOUT_FONT_PACKAGES)

set(layout_fonts_header ${PROJECT_BINARY_DIR}/generated/qt/layoutfonts.h)
file(CONFIGURE OUTPUT ${layout_fonts_header} CONTENT [[
// Made by cmake/layout-fonts.cmake from data/layout-fonts.txt: the family of each role,
// and the file of each cut with its role.
#pragma once

namespace velmora::layoutfonts {

enum class Role { @role_names@ };

@families@
struct File {
    Role role;
    const char* name;
};
inline constexpr File files[] = {
@files@};

} // namespace velmora::layoutfonts
]] @ONLY)
