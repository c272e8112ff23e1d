#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Install what is missing, build, run every test, then a short run of every
# fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${ORBETA_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
# Once more without XDG_RUNTIME_DIR, as a cron job, an SSH command or a
# container runs it: the tests that start the program or make worksheets with
# orbeta-cli, the runs that start Qt's GUI, except the long tour.
env -u XDG_RUNTIME_DIR ctest --test-dir "${ORBETA_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)" \
    -R '^(Program|WorksheetCommand|DocumentedExamples)\.' -E 'TourWritesEveryScreen'
bash scripts/fuzz.sh
