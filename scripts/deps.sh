#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the build, the program, the tests and the
# package checks need,
# asking apt only when something is missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ ccache
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6 qt6-image-formats-plugins
  libgl-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  python3-fonttools fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n poppler-utils
  clang libclang-rt-14-dev
  dpkg-dev lintian reuse appstream desktop-file-utils groff-base man-db
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
