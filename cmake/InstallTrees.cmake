# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs at install time (cmake --install, cpack), when the prefix is known:
# installs Orbeta.ini naming the installed trees and the data tree.
#   ORBETA_BUILD_DIR, ORBETA_SOURCE_DIR, ORBETA_INSTALL_WINDIR,
#   ORBETA_INSTALL_DATA_DIR, ORBETA_WRITTEN_DATA_FILES come from the build.
if(IS_ABSOLUTE "${ORBETA_INSTALL_DATA_DIR}")
  set(data_dir "${ORBETA_INSTALL_DATA_DIR}")
elseif(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(data_dir "/${ORBETA_INSTALL_DATA_DIR}")
else()
  set(data_dir "${CMAKE_INSTALL_PREFIX}/${ORBETA_INSTALL_DATA_DIR}")
endif()

set(ORBETA_INI_CD "${CMAKE_INSTALL_PREFIX}/${ORBETA_INSTALL_WINDIR}/cd/")
set(ORBETA_INI_HD "${data_dir}/")
# One file per destination: installs into different roots may run at once.
string(MD5 destination "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
set(ini "${ORBETA_BUILD_DIR}/install/${destination}/Orbeta.ini")
configure_file("${ORBETA_SOURCE_DIR}/cmake/Orbeta.ini.in" "${ini}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${ORBETA_INSTALL_WINDIR}" TYPE FILE FILES "${ini}")

# The tables are the program's and are replaced by a new installation; the
# rankings and the results log are the pupils' and are only created when missing.
file(INSTALL DESTINATION "${data_dir}" TYPE DIRECTORY FILES "${ORBETA_BUILD_DIR}/hd/"
     REGEX "/[^/]*\\.res$" EXCLUDE REGEX "/Vysledky\\.dat$" EXCLUDE REGEX "\\.lock$" EXCLUDE)
foreach(name IN LISTS ORBETA_WRITTEN_DATA_FILES)
  set(target "$ENV{DESTDIR}${data_dir}/${name}")
  if(NOT EXISTS "${target}")
    message(STATUS "Creating: ${target}")
    file(WRITE "${target}" "")
  endif()
endforeach()
