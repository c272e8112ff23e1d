# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs at install time (cmake --install, cpack), when the prefix is known:
# installs Orbeta.ini naming the installed trees, the tables (read only,
# beside the resources) and the data tree, which holds only what the pupils
# write.
#   ORBETA_BUILD_DIR, ORBETA_SOURCE_DIR, ORBETA_INSTALL_WINDIR,
#   ORBETA_INSTALL_DATA_DIR, ORBETA_WRITTEN_DATA_FILES come from the build.
if(IS_ABSOLUTE "${ORBETA_INSTALL_DATA_DIR}")
  set(data_dir "${ORBETA_INSTALL_DATA_DIR}")
elseif(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(data_dir "/${ORBETA_INSTALL_DATA_DIR}")
else()
  set(data_dir "${CMAKE_INSTALL_PREFIX}/${ORBETA_INSTALL_DATA_DIR}")
endif()

# The settings go where an administrator's changes survive an upgrade, and
# where the program looks for them: /etc/orbeta for the prefix /usr,
# etc/orbeta under any other.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(etc_dir "/etc/orbeta")
else()
  set(etc_dir "${CMAKE_INSTALL_PREFIX}/etc/orbeta")
endif()
set(tables_dir "${CMAKE_INSTALL_PREFIX}/${ORBETA_INSTALL_WINDIR}/hd")

set(ORBETA_INI_CD "${CMAKE_INSTALL_PREFIX}/${ORBETA_INSTALL_WINDIR}/cd/")
set(ORBETA_INI_HD "${data_dir}/")
set(ORBETA_INI_TAB "TAB=${tables_dir}/")
# One file per destination: installs into different roots may run at once.
string(MD5 destination "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
set(ini "${ORBETA_BUILD_DIR}/install/${destination}/Orbeta.ini")
configure_file("${ORBETA_SOURCE_DIR}/cmake/Orbeta.ini.in" "${ini}" @ONLY)
file(INSTALL DESTINATION "${etc_dir}" TYPE FILE FILES "${ini}")

# The tables are the program's and are replaced by a new installation, in a
# folder the pupils cannot write; the rankings and the results log are the
# pupils' and are only created when missing.
file(INSTALL DESTINATION "${tables_dir}" TYPE DIRECTORY FILES "${ORBETA_BUILD_DIR}/hd/"
     REGEX "/[^/]*\\.res$" EXCLUDE REGEX "/Vysledky\\.dat$" EXCLUDE REGEX "\\.lock$" EXCLUDE)
file(MAKE_DIRECTORY "$ENV{DESTDIR}${data_dir}")
foreach(name IN LISTS ORBETA_WRITTEN_DATA_FILES)
  set(target "$ENV{DESTDIR}${data_dir}/${name}")
  if(NOT EXISTS "${target}")
    message(STATUS "Creating: ${target}")
    file(WRITE "${target}" "")
  endif()
endforeach()
