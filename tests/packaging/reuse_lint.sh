#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# reuse lint on a copy of the source tree as scripts/spdx-headers.sh leaves
# it: every file declares its copyright and licence, or .reuse/dep5 does.
# On a tree whose files all carry their lines the script changes nothing.
#   reuse_lint.sh SOURCE_DIR SCRATCH_DIR
set -euo pipefail
source=$1 scratch=$2
command -v reuse > /dev/null || { echo "reuse is not installed"; exit 77; }
git -C "$source" rev-parse --git-dir > /dev/null 2>&1 || { echo "$source is not a git checkout"; exit 77; }
rm -rf "$scratch"
mkdir -p "$scratch"
(cd "$source" && git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf - --no-recursion --ignore-failed-read 2> /dev/null) | tar -xf - -C "$scratch"
cd "$scratch"
git init -q . && git add -A
bash scripts/spdx-headers.sh > /dev/null
reuse lint
changed=$(bash scripts/spdx-headers.sh)
[ -z "$changed" ] || { echo "a second run of spdx-headers.sh changed: $changed"; exit 1; }
cd / && rm -rf "$scratch"
