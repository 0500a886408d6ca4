#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line at the top of every source file of the project, or with
# --check lists the files that lack it (exit 1 when any does).
set -euo pipefail
cd "$(dirname "$0")/.."
tag='SPDX-License-Identifier: GPL-3.0-or-later'
check=false
[ "${1:-}" = "--check" ] && check=true

missing=0
while IFS= read -r -d '' file; do
  grep -q "$tag" "$file" && continue
  if $check; then
    echo "no licence line: $file"
    missing=1
    continue
  fi
  case "$file" in
    *.cpp|*.h) line="// $tag" ;;
    *) line="# $tag" ;;
  esac
  first=$(head -n 1 "$file")
  tmp=$(mktemp "$file.XXXXXX")
  if [[ "$first" == '#!'* ]]; then
    { echo "$first"; echo "$line"; tail -n +2 "$file"; } >"$tmp"
  else
    { echo "$line"; cat "$file"; } >"$tmp"
  fi
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
done < <(git ls-files -z --cached --others --exclude-standard -- \
  '*.cpp' '*.h' '*.sh' '*.cmake' '*CMakeLists.txt' 'Makefile' '.ci/run')
exit $missing
