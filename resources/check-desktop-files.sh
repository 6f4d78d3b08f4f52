#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo as a distribution's
# packaging checks would. Missing tools are a failure, not a skip: a check that
# silently did nothing would let a broken file ship.
set -euo pipefail
desktop=$1
metainfo=$2
version=${3:-}

missing=()
command -v desktop-file-validate >/dev/null || missing+=(desktop-file-utils)
command -v appstreamcli >/dev/null || missing+=(appstream)
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "FAIL: missing validators; install the packages ${missing[*]} (scripts/setup --test does)" >&2
  exit 1
fi

status=0
# desktop-file-validate exits 0 on warnings, so its output is read as well.
if ! out=$(desktop-file-validate "$desktop" 2>&1) || grep -qE ': (error|warning):' <<<"$out"; then
  echo "FAIL: desktop-file-validate $desktop" >&2
  status=1
fi
[[ -n $out ]] && echo "$out"

# Without --strict, appstreamcli fails on errors and warnings but not on infos.
if ! appstreamcli validate --no-net "$metainfo"; then
  echo "FAIL: appstreamcli validate $metainfo" >&2
  status=1
fi
# The newest release listed is the one being built.
if [[ -n $version ]]; then
  listed=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
  if [[ $listed != "$version" ]]; then
    echo "FAIL: $metainfo lists release '$listed' first; the project is version $version" >&2
    status=1
  fi
fi
exit $status
