#!/usr/bin/env bash
# Prints which folder includes which, counted by #include lines: "FROM -> TO  COUNT".
# A folder is the first one or two path parts below the repository (src/core, app, tests/unit/ui).
# Includes of headers in the same folder and of system headers are left out.
set -euo pipefail
cd "$(dirname "$0")/.."
folder_of_file() { # src/core/X.cpp -> src/core ; app/main.cpp -> app ; include/velloway/x.h -> include
  case "$1" in
    src/*|tests/unit/*) echo "$1" | cut -d/ -f1-$(( $(echo "$1" | grep -q '^tests/unit/' && echo 3 || echo 2) ));;
    tests/*) echo "$1" | cut -d/ -f1-2;;
    *) echo "$1" | cut -d/ -f1;;
  esac
}
folder_of_include() { # "core/X.h" -> src/core ; "velloway/x.h" -> include ; "app/Commands.h" -> app
  case "$1" in
    velloway/*) echo include;;
    app/*) echo app;;
    unit/*) echo "tests/$(echo "$1" | cut -d/ -f1-2)";;
    support/*|e2e/*) echo "tests/$(echo "$1" | cut -d/ -f1)";;
    */*) echo "src/$(echo "$1" | cut -d/ -f1)";;
    *) echo "";;
  esac
}
roots=(src app include tests/unit tests/e2e tests/support bench)
for root in "${roots[@]}"; do [ -d "$root" ] && find "$root" -name '*.h' -o -name '*.cpp' -o -name '*.c' ; done |
  sort | while read -r file; do
    from=$(folder_of_file "$file")
    grep -oE '^#include "[^"]+"' "$file" | sed -E 's/#include "(.*)"/\1/' | while read -r inc; do
      to=$(folder_of_include "$inc")
      [ -n "$to" ] && [ "$to" != "$from" ] && echo "$from -> $to"
    done || true
  done | sort | uniq -c | awk '{printf "%-24s -> %-20s %4d\n", $2, $4, $1}'
