#!/usr/bin/env bash
# Starts stockcalc on a private Xvfb display, walks to each of the nine
# windows through its switch buttons, types a worked example, computes, and
# saves a PNG of each window: the README's gallery.
# Usage: tools/gallery.sh [OUT_DIR] [PROGRAM]   (default docs/screenshots, build/stockcalc)
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
program=${2:-build/stockcalc}
if [ -z "${STOCKCALC_ON_XVFB:-}" ]; then
  mkdir -p "$out"
  STOCKCALC_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$out" "$program"
fi

"$program" 2>/dev/null &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT
sleep 1.5

# Every window stands where the main window was centred on the 800 x 600
# screen: ((800 - 307) / 2, (600 - 231) / 2), shown at the nearest pixel.
left=247
top=185

# click X Y: a click at window coordinates (from the layout tables).
click() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; sleep 0.3; }
# type_into X Y TEXT: click into a box and type.
type_into() { click "$1" "$2"; xdotool type --delay 15 "$3"; }
shot() { import -window root -crop "${2:-307}x231+$left+$top" +repage "$out/$1.png"; echo "$out/$1.png"; }

# The main window: take-profit and stop-loss from 10 at 1.50 %.
type_into 140 36 "10"
click 59 166 && shot form1
# 涨跌幅切换 → percent change.
click 251 166
type_into 140 36 "9.85" && type_into 140 76 "10"
click 59 166 && shot form2
click 251 166                                     # 切换回去
# 涨停价切换 → limit prices, then 连续涨跌停 → consecutive limits.
click 251 206
type_into 140 36 "12.34"
click 59 190 && shot form3
click 251 158
type_into 124 36 "10" && type_into 124 68 "10"
click 59 206 && shot form7 304
click 251 206                                     # 切换回去
# 补仓成本 → average cost, then 分批买入 → staged add-position prices.
click 155 166
type_into 124 20 "10.5元" && type_into 124 52 "1000股" && type_into 124 84 "9.8" && type_into 124 116 "500"
click 59 206 && shot form6
click 251 150
type_into 116 19 "12.34"
click 59 204 && shot form8
click 251 204                                     # 切换回去
# 乘法 → amount, then 除法计算 → division, then 加法计算 → selling price.
click 30 206
type_into 140 36 "8.88" && type_into 140 76 "350"
click 59 198 && shot form5
click 251 158
type_into 140 36 "100" && type_into 140 76 "3"
click 59 198 && shot form9
click 163 158
type_into 140 36 "12，3元" && type_into 140 76 "1%"
click 59 190 && shot form4
