# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary root (DESTDIR) and checks what a desktop
# needs to show the program in its menu: the entry, the program it starts, an
# icon of every size it names; and that --help and --version answer.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=... -DDATADIR=... -P InstallTest.cmake
set(root ${BUILD_DIR}/tests/install-root)
file(REMOVE_RECURSE ${root})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD_DIR}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(prefix ${root}${PREFIX})
# Nothing lands outside the prefix, and Orbeta.ini names the installed trees
# (the default data directory assumed).
function(check_inside root prefix)
  file(GLOB_RECURSE everything LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
  foreach(path IN LISTS everything)
    if(NOT "/${path}" MATCHES "^${prefix}/")
      message(FATAL_ERROR "installed outside the prefix ${prefix}: /${path}")
    endif()
  endforeach()
  # The settings in etc/orbeta, where the installed program looks; the
  # tables apart from the data tree, which holds only the pupils' files.
  file(STRINGS ${root}${prefix}/etc/orbeta/Orbeta.ini ini)
  list(FIND ini "CD=${prefix}/share/orbeta/cd/" cd)
  list(FIND ini "HD=${prefix}/var/lib/orbeta/" hd)
  list(FIND ini "TAB=${prefix}/share/orbeta/hd/" tab)
  if(cd LESS 0 OR hd LESS 0 OR tab LESS 0)
    message(FATAL_ERROR "Orbeta.ini under ${prefix} names other trees: ${ini}")
  endif()
  if(NOT EXISTS ${root}${prefix}/share/orbeta/hd/Znamky.dat OR EXISTS ${root}${prefix}/var/lib/orbeta/Znamky.dat)
    message(FATAL_ERROR "the tables are not in ${prefix}/share/orbeta/hd alone")
  endif()
endfunction()
# A prefix given at install time moves everything, the data tree included.
set(moved ${BUILD_DIR}/tests/install-root-moved)
file(REMOVE_RECURSE ${moved})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${moved} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /opt/orbeta-test
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install --prefix failed:\n${output}")
endif()
check_inside(${moved} /opt/orbeta-test)
file(REMOVE_RECURSE ${moved})
file(GLOB_RECURSE installed RELATIVE ${root} ${prefix}/${DATADIR}/applications/* ${prefix}/${DATADIR}/icons/*)
list(JOIN installed "\n  " listing)
message(STATUS "Desktop files installed:\n  ${listing}")

set(entry ${prefix}/${DATADIR}/applications/sk.tarovia.orbeta.desktop)
if(NOT EXISTS ${entry})
  message(FATAL_ERROR "no desktop entry at ${entry}")
endif()
foreach(key Type Name Exec Icon Categories)
  file(STRINGS ${entry} found REGEX "^${key}=")
  list(LENGTH found count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${entry}: key ${key} appears ${count} times")
  endif()
endforeach()
file(STRINGS ${entry} exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
if(NOT EXISTS ${prefix}/${BINDIR}/${exec})
  message(FATAL_ERROR "the entry starts ${exec}, which is not installed in ${BINDIR}")
endif()

file(STRINGS ${entry} icon REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" icon "${icon}")
foreach(size 48 64 128 256)
  set(png ${prefix}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${icon}.png)
  if(NOT EXISTS ${png})
    message(FATAL_ERROR "no ${size} pixel icon at ${png}")
  endif()
  # The PNG signature, then the width and height of the IHDR chunk.
  file(READ ${png} header LIMIT 24 HEX)
  math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" expected "${expected}")
  string(LENGTH "${expected}" digits)
  math(EXPR pad "8 - ${digits}")
  string(REPEAT "0" ${pad} zeros)
  set(dimension "${zeros}${expected}")
  if(NOT header STREQUAL "89504e470d0a1a0a0000000d49484452${dimension}${dimension}")
    message(FATAL_ERROR "${png} is not a ${size} x ${size} PNG (${header})")
  endif()
endforeach()

foreach(program orbeta orbeta-cli)
  execute_process(COMMAND ${prefix}/${BINDIR}/${program} --version
    RESULT_VARIABLE status OUTPUT_VARIABLE version)
  if(NOT status EQUAL 0 OR NOT version MATCHES "^${program} [0-9]+\\.[0-9]+")
    message(FATAL_ERROR "${program} --version: ${status} ${version}")
  endif()
  execute_process(COMMAND ${prefix}/${BINDIR}/${program} --help
    RESULT_VARIABLE status OUTPUT_VARIABLE help)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} --help: exit status ${status}")
  endif()
  set(expected_words)
  if(program STREQUAL "orbeta")
    set(expected_words --window --no-splash --tour --help --version ORBETA_WINDIR ORBETA_SKIP_SPLASH
        ORBETA_MESSAGEBOX ORBETA_BENCHMARK)
  endif()
  foreach(word IN LISTS expected_words)
    string(FIND "${help}" "${word}" at)
    if(at LESS 0)
      message(FATAL_ERROR "${program} --help does not mention ${word}")
    endif()
  endforeach()
endforeach()
file(REMOVE_RECURSE ${root})
