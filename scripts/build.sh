#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into build/ (or $ORBETA_BUILD_DIR), warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ORBETA_BUILD_DIR:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DORBETA_WERROR=ON
cmake --build "$build"
