# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Creates FILE empty unless it exists: a rebuild keeps what pupils wrote.
if(NOT EXISTS ${FILE})
  file(WRITE ${FILE} "")
endif()
