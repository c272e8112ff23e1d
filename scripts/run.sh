#!/usr/bin/env bash
# Quick start: install what is missing, build, start the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
exec "${ORBETA_BUILD_DIR:-build}/orbeta" "$@"
