#!/usr/bin/env bash
# Includes point one way, down the layers below. Each folder may include
# itself and the folders listed for it, nothing else; the Qt-free folders
# include no Qt header at all.
set -uo pipefail
source_dir="$1"
status=0

declare -A may_include=(
  [text]=""
  [conversion]="text"
  [interpretation]="text conversion"
  [profile]="text conversion interpretation"
  [batch]="text conversion interpretation profile"
  [framework]="text"
  [converter_window]="text conversion framework"
  [report_window]="text conversion interpretation framework converter_window"
  [battery_window]="text conversion interpretation profile framework converter_window report_window"
  [shell]="text conversion interpretation profile framework converter_window report_window battery_window"
)
qt_free="text conversion interpretation profile batch"

sources() { ls "$source_dir/$1"/*.h "$source_dir/$1"/*.cpp 2>/dev/null; }

for folder in "${!may_include[@]}"; do
  [ -d "$source_dir/$folder" ] || continue
  allowed="$folder ${may_include[$folder]}"
  pattern="^($(echo $allowed | tr ' ' '|'))/"
  bad=$(sources "$folder" | xargs -r grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' \
        | while IFS= read -r line; do
            target=$(sed -E 's/.*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$line")
            [[ "$target" =~ $pattern ]] || [[ "$target" == *.moc ]] || printf '%s\n' "$line"
          done)
  if [ -n "$bad" ]; then
    echo "FAIL: $folder/ includes from outside what it may use ($allowed)"
    printf '%s\n' "$bad"
    status=1
  fi
done

for folder in $qt_free; do
  [ -d "$source_dir/$folder" ] || continue
  bad=$(sources "$folder" | xargs -r grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q|qt)')
  if [ -n "$bad" ]; then
    echo "FAIL: $folder/ is Qt-free but includes a Qt header"
    printf '%s\n' "$bad"
    status=1
  fi
done

# Every folder of sources is placed in a layer.
for dir in "$source_dir"/*/; do
  folder=$(basename "$dir")
  case "$folder" in tests|bench|resources|docs|scripts|build*) continue ;; esac
  ls "$dir"*.cpp >/dev/null 2>&1 || continue
  if [ -z "${may_include[$folder]+set}" ]; then
    echo "FAIL: $folder/ holds sources but has no place among the layers"
    status=1
  fi
done
exit $status
