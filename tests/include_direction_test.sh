#!/usr/bin/env bash
# Includes point one way: the framework knows no window and nothing of the
# program, and the converter window knows nothing of the shell that uses it.
set -uo pipefail
source_dir="$1"
status=0

includes() { grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$source_dir/$1"/*.h "$source_dir/$1"/*.cpp; }

report() {
  if [ -n "$2" ]; then
    echo "FAIL: $1"
    printf '%s\n' "$2"
    status=1
  fi
}

report "framework/ includes from outside framework/" \
  "$(includes framework | grep -vE '#[[:space:]]*include[[:space:]]*"framework/')"
report "converter_window/ includes from shell/" \
  "$(includes converter_window | grep -E '#[[:space:]]*include[[:space:]]*"shell/')"
exit $status
