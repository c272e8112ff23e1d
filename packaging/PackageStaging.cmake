# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs in cpack between the staging install and the package: the empty
# rankings and results log that an install creates are the pupils' files,
# which the package must not carry (an upgrade would empty them); the
# package's postinst creates the missing ones instead.
file(GLOB_RECURSE pupil_files
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.res"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/Vysledky.dat")
if(pupil_files)
  file(REMOVE ${pupil_files})
endif()
