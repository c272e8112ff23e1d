# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian package: cpack -G DEB in a build tree (scripts/package.sh).
# It packages what cmake --install puts into a staging root under the prefix
# /usr, with the settings in /etc/orbeta and the data tree in /var/lib/orbeta.

list(JOIN ORBETA_WRITTEN_DATA_FILES " " ORBETA_WRITTEN_DATA_FILES)
# Where preinst leaves an Orbeta.ini of the first package that the
# administrator changed, for postinst to carry into /etc/orbeta/Orbeta.ini.
set(ORBETA_OLD_INI_STASH Orbeta.ini.dpkg-0.1)
foreach(script preinst postinst postrm)
  configure_file(debian/${script}.in ${CMAKE_CURRENT_BINARY_DIR}/debian/${script} @ONLY)
endforeach()
# The administrator's settings: dpkg keeps a changed Orbeta.ini on upgrades.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/debian/conffiles "/etc/orbeta/Orbeta.ini\n")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbeta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orbeta Tarovia developers <orbeta@orbeta-tarovia.sk>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "physics practice for primary schools")
set(CPACK_PACKAGE_DESCRIPTION
    "A full-screen physics practice program for Slovak schools. Pupils pick one
of 21 task types in mechanics, heat, optics, electricity and the history of
physics and work freshly generated examples: calculations on animated
laboratory scenes, ray constructions drawn with the mouse, history pairs and
timelines. Each series ends with a mark, a ranking and a results-log line.
Teachers print worksheets, also from the command line with orbeta-cli.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ORBETA_HOMEPAGE})
# Libraries come from dpkg-shlibdeps; what is loaded by name at run time is
# listed: the DejaVu fonts the program draws with (the oblique face, used by
# the worksheets, is in -extra), adduser for the group. Without Qt's Slovak
# catalogues the print dialog speaks English, so they are only recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser, fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_BINARY_DIR}/debian/preinst ${CMAKE_CURRENT_BINARY_DIR}/debian/postinst
    ${CMAKE_CURRENT_BINARY_DIR}/debian/postrm
    ${CMAKE_CURRENT_BINARY_DIR}/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The staging script also drops the compiler's .comment section, as Debian's
# own packages do.
set(CPACK_ORBETA_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/PackageStaging.cmake)
include(CPack)
