# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs in cpack between the staging install and the package. The empty
# rankings and results log that an install creates are the pupils' files,
# which the package must not carry (an upgrade would empty them); the
# package's postinst creates the missing ones instead.
file(GLOB_RECURSE pupil_files
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.res"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/Vysledky.dat")
if(pupil_files)
  file(REMOVE ${pupil_files})
endif()

# The compiler's .comment section says nothing a user needs; Debian's own
# packages drop it, and lintian asks the same. Runs after cpack's strip.
file(GLOB_RECURSE binaries
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.so")
foreach(binary IN LISTS binaries)
  execute_process(COMMAND "${CPACK_ORBETA_OBJCOPY}" --remove-section=.comment "${binary}"
                  RESULT_VARIABLE status ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "objcopy ${binary}: ${error}")
  endif()
endforeach()
