# cpack -G DEB: the same files as a Debian package; dpkg-shlibdeps finds the libraries'
# packages, and the fonts the windows are laid out for are named here, from their list.
set(CPACK_PACKAGE_DESCRIPTION [=[Velmora is a desktop calculator for Fanno flow: steady, one-dimensional,
adiabatic flow of a perfect gas through a duct of constant area with wall
friction, for students and engineers working compressible-flow problems.

Given the ratio of specific heats and a Mach number, it computes the friction
parameter 4fL*/D and the ratios of temperature, pressure, density and
stagnation pressure to the sonic state. Given 4fL*/D, it finds the subsonic
and the supersonic Mach number that produce it. Every calculation draws the
curve of 4fL*/D against the Mach number and marks the solution on it.]=])
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The program is stripped. CPack's own debug-symbol package is not made: CMake 3.25 writes
# its md5sums with the build folder's paths, which dpkg and lintian reject.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${VELMORA_LAYOUT_FONT_PACKAGES}")
# Without it Qt falls back to XWayland on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
