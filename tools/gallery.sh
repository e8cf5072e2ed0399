#!/usr/bin/env bash
# Saves a PNG of each of the nine windows, a worked example computed in it,
# as the program draws it on a private Xvfb display.
# Usage: tools/gallery.sh [OUT_DIR] [BUILD_DIR]   (default docs/screenshots, build)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
build=${2:-build}
mkdir -p "$out"
xvfb-run -a -s "-screen 0 800x600x24" "$build/gallery" "$out"
ls "$out"/form*.png
