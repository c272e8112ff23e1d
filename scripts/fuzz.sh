#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang into build-fuzz/ (or $ORBETA_FUZZ_BUILD_DIR)
# and runs each for a few seconds, or for $ORBETA_FUZZ_SECONDS each. Seeds come
# from the data tree of build/ (or $ORBETA_BUILD_DIR) when it has been built.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ORBETA_FUZZ_BUILD_DIR:-build-fuzz}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBETA_FUZZ=ON -DORBETA_WERROR=ON -DORBETA_FUZZ_SEED_BUILD_DIR="$PWD/${ORBETA_BUILD_DIR:-build}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
