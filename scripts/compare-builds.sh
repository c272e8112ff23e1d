#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package twice from the commit checked out and compares
# the two byte for byte: once with scripts/package.sh in FIRST_BUILD_DIR of
# this checkout (default build-release; ccache as usual), once from a copy of
# the commit (git archive) at another path, in a build folder of another
# name, without ccache. When they differ it says where: diffoscope's report
# when installed, otherwise the members of the .deb, the file list with times
# and owners, the files, and for a binary the sections that differ.
# Two full builds: run it on demand, not in CI.
#   scripts/compare-builds.sh [FIRST_BUILD_DIR [WORK_DIR]]
# Exit status 0 when the packages are the same, 1 when they differ.
set -euo pipefail
cd "$(dirname "$0")/.."
first_build=${1:-build-release}
work=$(readlink -m "${2:-${TMPDIR:-/tmp}/orbeta-compare-builds}")
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "compare-builds.sh: both builds are of the commit; commit or stash the changes first" >&2
  exit 2
fi
commit=$(git rev-parse HEAD)
unset ORBETA_PACKAGE_NO_BUILD
rm -rf "$work"
mkdir -p "$work"

echo "compare-builds: first build in $first_build"
bash scripts/package.sh "$first_build" "$work/first" > "$work/first.log" 2>&1 \
  || { tail -n 30 "$work/first.log" >&2; exit 2; }

second_source="$work/elsewhere/orbeta-$commit"
mkdir -p "$second_source"
git archive "$commit" | tar -x -C "$second_source"
echo "compare-builds: second build in $second_source/build-second, without ccache"
(cd "$second_source" && CCACHE_DISABLE=1 bash scripts/package.sh build-second "$work/second") > "$work/second.log" 2>&1 \
  || { tail -n 30 "$work/second.log" >&2; exit 2; }

status=0
for first in "$work"/first/*.deb; do
  name=$(basename "$first")
  second="$work/second/$name"
  [ -f "$second" ] || { echo "$name: only the first build made it"; status=1; continue; }
  if cmp -s "$first" "$second"; then
    echo "$name: the same ($(stat -c %s "$first") bytes, sha256 $(sha256sum < "$first" | cut -c1-16)…)"
    continue
  fi
  status=1
  echo "$name: the two builds differ"
  if command -v diffoscope > /dev/null; then
    diffoscope --text "$work/$name.diffoscope.txt" "$first" "$second" || true
    echo "  diffoscope's report: $work/$name.diffoscope.txt"
    continue
  fi
  for side in first second; do
    unpacked="$work/unpacked/$side/$name"
    mkdir -p "$unpacked/ar"
    (cd "$unpacked/ar" && ar x "$work/$side/$name")
    ar tv "$work/$side/$name" > "$unpacked/ar.list"
    dpkg-deb -c "$work/$side/$name" > "$unpacked/data.list"
    dpkg-deb -R "$work/$side/$name" "$unpacked/tree"
  done
  a="$work/unpacked/first/$name" b="$work/unpacked/second/$name"
  diff "$a/ar.list" "$b/ar.list" | sed 's/^/  ar: /' || true
  diff "$a/data.list" "$b/data.list" | sed 's/^/  data.tar: /' || true
  diff -rq "$a/tree" "$b/tree" | sed "s|$work/unpacked/||g; s/^/  /" || true
  while IFS= read -r -d '' file; do
    relative=${file#"$a/tree/"}
    other="$b/tree/$relative"
    [ -f "$other" ] && ! cmp -s "$file" "$other" || continue
    readelf -h "$file" > /dev/null 2>&1 || continue
    sections=$(readelf -SW "$file" | sed -n 's/^ *\[ *[0-9]*\] \([^ ]*\) .*/\1/p' | grep -v '^NULL$' || true)
    for section in $sections; do
      objcopy -O binary --only-section="$section" "$file" "$work/one.section" 2> /dev/null || continue
      objcopy -O binary --only-section="$section" "$other" "$work/two.section" 2> /dev/null || continue
      cmp -s "$work/one.section" "$work/two.section" || echo "  $relative: section $section differs"
    done
  done < <(find "$a/tree" -type f -print0)
done
exit "$status"
