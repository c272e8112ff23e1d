#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The manual pages render without a warning, and every command the command
# line dispatches, every option and every environment variable its --help
# names has its entry (a command missing from --help would be missing here).
#   manual_pages.sh ORBETA ORBETA-CLI PAGE.1.gz...
set -euo pipefail
orbeta=$1 cli=$2
shift 2
command -v groff > /dev/null || { echo "groff is not installed"; exit 77; }
fail=0
for page in "$@"; do
  warnings=$(gzip -dc "$page" | groff -ww -z -man 2>&1)
  if [ -n "$warnings" ]; then
    echo "$page: groff warns: $warnings"
    fail=1
  fi
  # Every page says of when it is, as man shows it in its last line.
  gzip -dc "$page" | head -n 1 | grep -Eq '^\.TH [A-Z-]+ 1 [0-9]{4}-[0-9]{2}-[0-9]{2} ' \
    || { echo "$page: the .TH line has no date: $(gzip -dc "$page" | head -n 1)"; fail=1; }
  if command -v man > /dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
    [ -z "$warnings" ] || { echo "$page: man warns: $warnings"; fail=1; }
  fi
done

entries() { gzip -dc "$1" | grep -A1 '^\.TP$' | sed 's/\\-/-/g' | sed -n 's/^\\fB\([^\\]*\)\\fR.*/\1/p'; }
page_of() {
  local page
  for page in "${@:2}"; do
    if [[ $(basename "$page") == "$1.1.gz" ]]; then echo "$page"; fi
  done
}

cli_page=$(page_of orbeta-cli "$@")
orbeta_page=$(page_of orbeta "$@")
# "usage: ... commands: calc decode ..." is printed from the dispatch table.
commands=$("$cli" 2>&1 | sed -n 's/^commands://p' || true)
[ -n "$commands" ] || { echo "orbeta-cli without arguments lists no commands"; exit 1; }
for command in $commands; do
  entries "$cli_page" | grep -qx "$command" || { echo "orbeta-cli(1) has no entry for the command $command"; fail=1; }
done

# Every option and variable the help names at the start of an entry.
check_help() {
  local program=$1 page=$2 word
  for word in $("$program" --help | sed -n 's/^  \([-A-Z][-A-Za-z_]*\).*/\1/p'); do
    entries "$page" | grep -q -- "^$word" || { echo "$(basename "$page"): no entry for $word"; fail=1; }
  done
}
check_help "$cli" "$cli_page"
check_help "$orbeta" "$orbeta_page"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT "EXIT STATUS" FILES "SEE ALSO"; do
  for page in "$cli_page" "$orbeta_page"; do
    gzip -dc "$page" | grep -qx "\.SH $section" || { echo "$(basename "$page"): no section $section"; fail=1; }
  done
done
gzip -dc "$cli_page" | grep -qx '\.SH COMMANDS' || { echo "orbeta-cli(1): no section COMMANDS"; fail=1; }
exit $fail
