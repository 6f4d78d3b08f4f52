#!/usr/bin/env bash
# Renders the hicolor PNGs from quintaval.svg. The PNGs are committed so that a
# build needs no SVG converter; run this again after editing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing (Debian: librsvg2-bin)" >&2; exit 1; }
for n in 16 24 32 48 64 128 256; do
  mkdir -p "hicolor/${n}x${n}/apps"
  rsvg-convert -w "$n" -h "$n" quintaval.svg -o "hicolor/${n}x${n}/apps/quintaval.png"
done
