#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package orbeta_<version>_<arch>.deb:
#   scripts/package.sh [BUILD_DIR [OUT_DIR]]
# BUILD_DIR (default build-release) is configured as a packager would (Release,
# no tests, Debian's flags) when it has no cache yet, and built unless
# ORBETA_PACKAGE_NO_BUILD=1; the package goes into OUT_DIR (default
# BUILD_DIR/package). lintian, when installed, must find neither errors nor
# warnings; a build configured here must also show Debian's hardening.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
out=${2:-$build/package}
# Every time in the package is the newest changelog entry's, so that two
# builds of one commit give the same package.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l packaging/debian/changelog -STimestamp)}
export SOURCE_DATE_EPOCH
if [ ! -f "$build/CMakeCache.txt" ]; then
  # dpkg-buildflags gives what Debian builds with: the hardening (stack
  # protector, fortify, relro, bind now) and source paths relative to this
  # folder. No -g: nothing ships the debug information, cpack strips it.
  flags() {
    DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --get "$1"
  }
  cppflags=$(flags CPPFLAGS) ldflags=$(flags LDFLAGS)
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    "-DCMAKE_CXX_FLAGS=$cppflags $(flags CXXFLAGS)" \
    "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" \
    "-DCMAKE_MODULE_LINKER_FLAGS=$ldflags"
fi
[ "${ORBETA_PACKAGE_NO_BUILD:-0}" = 1 ] || cmake --build "$build"
mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -f "$out"/orbeta_*.deb
(cd "$build" && cpack -G DEB -B "$out" > "$out/cpack.log") || { cat "$out/cpack.log" >&2; exit 1; }
deb=$(echo "$out"/orbeta_*.deb)
[ -f "$deb" ] || { echo "package.sh: cpack made no package in $out" >&2; exit 1; }
if command -v lintian > /dev/null; then
  lintian --fail-on error,warning "$deb"
fi
# A build configured here has Debian's hardening, and each binary must show
# it: lintian's hardening tags (PIE, relro, bind now, fortified functions)
# are only notes, so they are asked for alone; it no longer looks for the
# stack protector, which readelf shows.
if grep -q -- '^CMAKE_CXX_FLAGS:STRING=.*-fstack-protector-strong' "$build/CMakeCache.txt"; then
  if command -v lintian > /dev/null; then
    lintian --fail-on error,warning,info \
      --tags hardening-no-pie,hardening-no-relro,hardening-no-bindnow,hardening-no-fortify-functions "$deb"
  fi
  tree=$(mktemp -d)
  dpkg-deb -x "$deb" "$tree"
  unprotected=0
  while IFS= read -r -d '' binary; do
    readelf -h "$binary" > /dev/null 2>&1 || continue
    symbols=$(readelf --dyn-syms -W "$binary")
    if ! grep -q ' __stack_chk_fail' <<< "$symbols"; then
      echo "package.sh: ${binary#"$tree"} is built without the stack protector" >&2
      unprotected=1
    fi
  done < <(find "$tree" -type f -print0)
  rm -rf "$tree"
  [ "$unprotected" = 0 ] || exit 1
fi
echo "$deb"
