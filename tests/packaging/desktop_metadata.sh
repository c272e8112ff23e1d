#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The AppStream metainfo and the desktop entry pass their validators, the
# entry is named after the metainfo's id, which launches it, and the metainfo
# says where to report a fault and where help is.
#   desktop_metadata.sh METAINFO DESKTOP-ENTRY
set -euo pipefail
command -v appstreamcli > /dev/null || { echo "appstreamcli is not installed"; exit 77; }
command -v desktop-file-validate > /dev/null || { echo "desktop-file-validate is not installed"; exit 77; }
appstreamcli validate --no-net --pedantic "$1"
# desktop-file-validate exits 0 on hints; only errors and warnings fail it.
desktop-file-validate "$2"
id=$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$1")
[ "$(basename "$2")" = "$id.desktop" ] || { echo "the desktop entry $(basename "$2") is not named after the id $id"; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$1" || { echo "the metainfo launches no $id.desktop"; exit 1; }
for url in bugtracker help; do
  grep -q "<url type=\"$url\">https://" "$1" || { echo "the metainfo has no $url link"; exit 1; }
done
