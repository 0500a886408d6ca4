# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (make package): CPack's DEB generator over the install
# rules, with the dependencies found by dpkg-shlibdeps and the version of the
# project.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quillix developers")
set(CPACK_PACKAGE_CONTACT "${QUILLIX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmable scientific and financial calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillix is a desktop calculator whose every value remembers the formula that
produced it: a result can be stored in a named variable, recalled by name into
later formulas, and is calculated again when a variable it depends on changes.
The variables form a program that can be saved into a library and run later
with new inputs.
.
It has algebraic and reverse Polish input, 93 built-in functions (arithmetic,
trigonometry, dates, finance, statistics, logic), unit conversion, a finance
box and a date calculator. The command-line tool quillix-cli puts the same
engine, functions, programs and units at the disposal of scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLIX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/quillix/quillix")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
