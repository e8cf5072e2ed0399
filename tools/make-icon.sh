#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Windows icon data/stockcalc.ico from the program's SVG icon: one
# image for each size Windows asks for (16 to 256 pixels). The icon is kept
# in the repository; run this again only when the SVG changes.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert >/dev/null || ! command -v convert >/dev/null; then
  as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends librsvg2-bin imagemagick
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pngs=()
for size in 16 20 24 32 40 48 64 256; do
  rsvg-convert -w "$size" -h "$size" data/org.stockcalc.StockCalc.svg -o "$work/$size.png"
  pngs+=("$work/$size.png")
done
convert "${pngs[@]}" -strip data/stockcalc.ico
echo "data/stockcalc.ico: $(identify data/stockcalc.ico | wc -l) images"
