#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The AppStream metainfo and the desktop entry pass their validators.
#   desktop_metadata.sh METAINFO DESKTOP-ENTRY
set -euo pipefail
command -v appstreamcli > /dev/null || { echo "appstreamcli is not installed"; exit 77; }
command -v desktop-file-validate > /dev/null || { echo "desktop-file-validate is not installed"; exit 77; }
appstreamcli validate --no-net --pedantic "$1"
# desktop-file-validate exits 0 on hints; only errors and warnings fail it.
desktop-file-validate "$2"
