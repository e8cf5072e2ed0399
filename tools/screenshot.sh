#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts stockcalc on a private Xvfb display and saves a PNG of the screen.
# Usage: tools/screenshot.sh OUT.png [BUILD_DIR]
set -euo pipefail
out=${1:?usage: tools/screenshot.sh OUT.png [BUILD_DIR]}
build=${2:-build}
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$app" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display "$build/stockcalc" &
app=$!
sleep 2
DISPLAY=$display import -window root "$out"
