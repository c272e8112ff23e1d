#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark of build/orbeta: time from launch to the first window
# (the splash), time from launch to the menu with the splash skipped, and the
# resident memory then. Uses the display in $DISPLAY, or a virtual X server
# (xvfb-run) when there is none. Prints the median of RUNS runs (default 7).
#   scripts/benchmark-startup.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-${ORBETA_BUILD_DIR:-build}}
runs=${RUNS:-7}
program="$build/orbeta"
[ -x "$program" ] || { echo "no $program; build first" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "needs a display or xvfb-run (package xvfb)" >&2; exit 1; }
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi

# One run: prints "<ms to first window> <ms to menu or -> <rss kB> <cpu ms>".
measure() {
  local start out first menu rss cpu
  start=$(date +%s%3N)
  out=$(ORBETA_BENCHMARK=1 "$program" "$@" 2>/dev/null)
  first=$(awk '/^first-window/ {print $2}' <<<"$out")
  menu=$(awk '/^menu/ {print $2}' <<<"$out")
  rss=$(awk '/^rss-kb/ {print $2}' <<<"$out")
  cpu=$(awk '/^cpu-ms/ {print $2}' <<<"$out")
  echo "$((first - start)) $([ -n "$menu" ] && echo $((menu - start)) || echo -) $rss ${cpu:-0}"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

"$program" --help >/dev/null 2>&1 || true # warm the file cache
splash=() menu=() rss=() splashcpu=() menucpu=()
for ((i = 0; i < runs; i++)); do
  read -r f _ _ c < <(measure)
  splash+=("$f")
  splashcpu+=("$c")
  read -r _ m r c < <(measure --no-splash)
  menu+=("$m")
  rss+=("$r")
  menucpu+=("$c")
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
echo "first window (splash): $(printf '%s\n' "${splash[@]}" | median) ms   (goal < 100 ms; processor time $(printf '%s\n' "${splashcpu[@]}" | median) ms)"
echo "menu, splash skipped:  $(printf '%s\n' "${menu[@]}" | median) ms   (goal < 200 ms; processor time $(printf '%s\n' "${menucpu[@]}" | median) ms)"
echo "resident memory then:  $(( $(printf '%s\n' "${rss[@]}" | median) / 1024 )) MB   (goal < 60 MB)"
