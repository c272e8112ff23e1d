#!/usr/bin/env bash
# Configures and builds into build/ (or $ORBETA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ORBETA_BUILD_DIR:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja
cmake --build "$build"
