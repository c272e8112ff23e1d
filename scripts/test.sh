#!/usr/bin/env bash
# Install what is missing, build, run every test, then a short run of every
# fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${ORBETA_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
bash scripts/fuzz.sh
