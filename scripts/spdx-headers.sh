#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Gives every file of the repository that can carry a comment and has no
# SPDX-License-Identifier yet the project's copyright and licence lines, in
# its own comment syntax. Running it again changes nothing. Files that cannot
# carry a comment (data tables, fuzz seeds, pictures, JSON) are declared in
# .reuse/dep5. Prints the files it changed.
set -euo pipefail
cd "$(dirname "$0")/.."

# REUSE-IgnoreStart (the lines below are not this file's own)
copyright="SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers"
licence="SPDX-License-Identifier: GPL-3.0-or-later"

# The comment's opening and closing for a file, or nothing when its kind
# cannot carry one (left to .reuse/dep5).
syntax() {
  case "$1" in
    LICENSE | LICENSES/* | .reuse/* | data/src/* | fuzz/seeds/* | cmake/Orbeta.ini.in) ;;
    packaging/debian/changelog | packaging/debian/copyright) ;;
    *.cpp | *.h | *.cc | *.hpp | *.c) echo "// |" ;;
    */CMakeLists.txt | CMakeLists.txt | *.cmake | *.sh | *.py | *.desktop | .gitignore | */.gitignore | *.yml | *.yaml | *.toml)
      echo "# |" ;;
    *.md | *.html | *.xml | *.xml.in) echo "<!-- | -->" ;;
    *.man | *.[1-8]) echo '.\" |' ;;
    *)
      # A script without an extension (.ci/run) is known by its first line.
      if head -c 2 "$1" | grep -q '^#!'; then echo "# |"; fi ;;
  esac
}

git ls-files --cached --others --exclude-standard | while IFS= read -r file; do
  [ -f "$file" ] && [ ! -L "$file" ] || continue
  grep -q "SPDX-License-Identifier" "$file" && continue
  kind=$(syntax "$file")
  [ -n "$kind" ] || continue
  open=${kind%%|*}
  close=${kind#*|}
  header="${open}${copyright}${close}"$'\n'"${open}${licence}${close}"
  first=$(head -n 1 "$file")
  tmp=$(mktemp "$file.XXXXXX")
  # A shebang or an XML declaration must stay the first line.
  if [[ "$first" == '#!'* || "$first" == '<?xml'* ]]; then
    { printf '%s\n' "$first"; printf '%s\n' "$header"; tail -n +2 "$file"; } > "$tmp"
  else
    { printf '%s\n\n' "$header"; cat "$file"; } > "$tmp"
  fi
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
  echo "$file"
done
# REUSE-IgnoreEnd
