#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts stockcalc on a private Xvfb display, walks to each of the nine
# windows through its switch buttons, types a worked example, computes, and
# saves a PNG of each window (and of the trading-costs window): the README's
# gallery.
# Usage: tools/gallery.sh [--large] [OUT_DIR] [PROGRAM]
#   default: the worked examples into docs/screenshots, from build/stockcalc
#   --large: four-digit prices, millions of shares and billions of yuan,
#            into docs/screenshots/large
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
arguments=("$@")
set_name=examples
default_out=docs/screenshots
if [ "${1:-}" = "--large" ]; then
  set_name=large
  default_out=docs/screenshots/large
  shift
fi
out=${1:-$default_out}
program=${2:-build/stockcalc}
if [ -z "${STOCKCALC_ON_XVFB:-}" ]; then
  mkdir -p "$out"
  STOCKCALC_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "${arguments[@]}"
fi

# The values typed into each window: a worked example, or large values.
declare -A v
if [ "$set_name" = examples ]; then
  v=([f1_close]=10 [f1_pct]=1.50
     [f2_close]=9.85 [f2_open]=10
     [f3_close]=12.34
     [f7_close]=10 [f7_count]=10
     [f6_price]=10.5元 [f6_shares]=1000股 [f6_add_price]=9.8 [f6_add_shares]=500
     [f8_close]=12.34
     [f5_price]=8.88 [f5_shares]=350
     [f9_a]=100 [f9_b]=3
     [f4_a]=12，3元 [f4_b]=1%
     [fees_buy]=1688.88 [fees_shares]=200 [fees_sell]=1700)
else
  v=([f1_close]=1523.5 [f1_pct]=3
     [f2_close]=9999.99 [f2_open]=909.09
     [f3_close]=9999.99
     [f7_close]=9999.99 [f7_count]=30
     [f6_price]=2599.99 [f6_shares]=10000000 [f6_add_price]=2599.99 [f6_add_shares]=10000000
     [f8_close]=1688.88
     [f5_price]=1688.88 [f5_shares]=1234500
     [f9_a]=2084958360 [f9_b]=7
     [f4_a]=123456789.5 [f4_b]=1000000
     [fees_buy]=9999.99 [fees_shares]=100000000 [fees_sell]=9999.99)
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
# replace_in X Y TEXT: click into a box, select what it holds and type over it.
replace_in() { click "$1" "$2"; xdotool key ctrl+a; xdotool type --delay 15 "$3"; }
shot() { import -window root -crop "${2:-307}x${3:-231}+$left+$top" +repage "$out/$1.png"; echo "$out/$1.png"; }

# The main window: take-profit and stop-loss.
type_into 140 36 "${v[f1_close]}" && replace_in 140 76 "${v[f1_pct]}"
click 59 166 && shot form1
# 涨跌幅切换 → percent change.
click 251 166
type_into 140 36 "${v[f2_close]}" && type_into 140 76 "${v[f2_open]}"
click 59 166 && shot form2
click 251 166                                     # 切换回去
# 涨停价切换 → limit prices, then 连续涨跌停 → consecutive limits.
click 251 206
type_into 140 36 "${v[f3_close]}"
click 59 190 && shot form3
click 251 158
type_into 124 36 "${v[f7_close]}" && type_into 124 68 "${v[f7_count]}"
click 59 206 && shot form7 304
click 251 206                                     # 切换回去
# 补仓成本 → average cost, then 分批买入 → staged add-position prices.
click 155 166
type_into 124 20 "${v[f6_price]}" && type_into 124 52 "${v[f6_shares]}"
type_into 124 84 "${v[f6_add_price]}" && type_into 124 116 "${v[f6_add_shares]}"
click 59 206 && shot form6
click 251 150
type_into 116 19 "${v[f8_close]}"
click 59 204 && shot form8
click 251 204                                     # 切换回去
# 乘法 → amount, then 除法计算 → division, then 加法计算 → selling price.
click 30 206
type_into 140 36 "${v[f5_price]}" && type_into 140 76 "${v[f5_shares]}"
click 59 198 && shot form5
click 251 158
type_into 140 36 "${v[f9_a]}" && type_into 140 76 "${v[f9_b]}"
click 59 198 && shot form9
click 163 158
type_into 140 36 "${v[f4_a]}" && type_into 140 76 "${v[f4_b]}"
click 59 190 && shot form4

# Ctrl+F → the trading-costs window, level with the calculator and, with no
# room beside it on this screen, centred across: (800 - 424) / 2.
xdotool key ctrl+f
sleep 0.5
left=188
type_into 124 24 "${v[fees_buy]}" && type_into 124 56 "${v[fees_shares]}" && type_into 124 88 "${v[fees_sell]}"
click 59 336 && shot fees 424 362
