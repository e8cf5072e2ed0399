#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Three more pictures of the Windows edition under Wine, frames included:
# the trading-costs window with a worked example, the right-click menu, and
# the main window on a 144-DPI monitor (the prefix's LogPixels at 144).
# Usage: tools/gallery-windows-more.sh [OUT_DIR]   (default docs/screenshots/windows)
# Needs what tools/build-windows.sh installs, and xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots/windows}
mkdir -p "$out"
tools/build-windows.sh >/dev/null
exe=$PWD/build-win/stockcalc.exe

source tools/wine-env.sh
trap wine_env_cleanup EXIT
wine_env_display
wine_env_prefix

# Waits for the window of that name and prints its X id.
window() {
  local id=""
  for _ in $(seq 1 150); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.2
  done
  [ -n "$id" ] || { echo "gallery: no window named $1" >&2; exit 1; }
  echo "$id"
}

# Clicks at a point of the window's client area (x, y as in the layout table, times the scale).
click() {
  local id=$1 x=$2 y=$3 button=${4:-1}
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + x)) $((Y + y)) click "$button"
  sleep 0.3
}

fees_caption=交易费用与保本价
main_caption="鼎衡股票计算器    作者：青松"

wine "$exe" --fees >/dev/null 2>&1 &
id=$(window "$fees_caption")
sleep 1
click "$id" 120 24
xdotool type --delay 20 "10"; xdotool key Tab; xdotool type --delay 20 "1000"; xdotool key Tab
xdotool type --delay 20 "10.5"; xdotool key Return
sleep 1
import -window "$id" "$out/fees.png"
click "$id" 200 190 3
sleep 1
eval "$(xdotool getwindowgeometry --shell "$id")"
import -window root -crop "$((WIDTH + 40))x$((HEIGHT + 40))+$((X - 20))+$((Y - 30))" +repage "$out/menu.png"
xdotool key Escape
wineserver -k || true
sleep 1

wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wine "$exe" >/dev/null 2>&1 &
id=$(window "$main_caption")
sleep 1
click "$id" 210 55
xdotool type --delay 20 "10"; xdotool key Return
sleep 1
import -window "$id" "$out/form1-144dpi.png"
identify -format '%f %wx%h\n' "$out/fees.png" "$out/menu.png" "$out/form1-144dpi.png"
