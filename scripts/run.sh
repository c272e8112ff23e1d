#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Quick start: install what is missing, build, start the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
exec "${ORBETA_BUILD_DIR:-build}/orbeta" "$@"
