#!/usr/bin/env bash
# Fails when an #include points up the layers, across the two roads, or by a relative path.
# Layers from the bottom: workbook, core, ui, register and registerxml (side by side), control.
# src/host, src/gtk and app/ sit beside the library and see only its public headers (velloway/...)
# and their own folder (the programs also the reference host and the desktop front end).
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A allowed=(
  [workbook]="workbook"
  [core]="workbook core velloway"
  [ui]="workbook core ui velloway"
  [register]="workbook core ui register velloway"
  [registerxml]="workbook core ui registerxml velloway"
  [control]="workbook core ui register registerxml control velloway"
  [host]="host velloway"
  [gtk]="gtk velloway"
  [app]="app host gtk velloway"
  [velloway]="velloway"
)
status=0
while IFS= read -r file; do
  case "$file" in
    src/*) layer=$(echo "$file" | cut -d/ -f2) ;;
    app/*) layer=app ;;
    include/velloway/*) layer=velloway ;;
  esac
  while IFS= read -r line; do
    target=$(echo "$line" | sed -E 's/^[0-9]+:#include "([^"]+)".*/\1/')
    number=${line%%:*}
    if [[ "$target" == *../* || "$target" == ./* ]]; then
      echo "$file:$number: relative include \"$target\""
      status=1
      continue
    fi
    [[ "$target" == */* ]] || continue  # a header next to the file
    folder=${target%%/*}
    if [[ " ${allowed[$layer]:-} " != *" $folder "* ]]; then
      echo "$file:$number: $layer may not include \"$target\""
      status=1
    fi
  done < <(grep -nE '^#include "' "$file" || true)
done < <(git ls-files 'src/*.h' 'src/*.cpp' 'app/*.h' 'app/*.cpp' 'include/*.h')
exit $status
