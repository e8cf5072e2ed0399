#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows edition's gallery: builds if needed, starts build-win/stockcalc.exe
# under Wine (a private prefix and Xvfb display, Chinese fonts mapped:
# tools/wine-env.sh), walks to each of the nine windows through its switch
# buttons, types a worked example, computes and saves a PNG of the window's
# client area. The typing and clicking is done through window messages by
# win32_gallery_driver.exe (tests/win32).
# Usage: tools/gallery-windows.sh [--large] [OUT_DIR]
#   default: the worked examples into docs/screenshots/windows
#   --large: four-digit prices, millions of shares and billions of yuan,
#            into docs/screenshots/windows/large
# The values are those of tools/gallery.sh, so both editions can be compared.
set -euo pipefail
cd "$(dirname "$0")/.."
set_name=examples
out=docs/screenshots/windows
if [ "${1:-}" = "--large" ]; then
  set_name=large
  out=docs/screenshots/windows/large
  shift
fi
out=${1:-$out}
mkdir -p "$out"

tools/build-windows.sh
driver=build-win/tests/win32/win32_gallery_driver.exe
export STOCKCALC_EXE=$PWD/build-win/stockcalc.exe

# What is typed into each window, box by box.
if [ "$set_name" = examples ]; then
  shots=(
    "form1 1 Text1=10 Text2=1.50"
    "form2 2 Text1=9.85 Text2=10"
    "form3 3 Text1=12.34"
    "form7 7 Text1=10 Text2=10"
    "form6 6 Text1=10.5元 Text2=1000股 Text3=9.8 Text4=500"
    "form8 8 Text1=12.34"
    "form5 5 Text1=8.88 Text2=350"
    "form9 9 Text1=100 Text2=3"
    "form4 4 Text1=12，3元 Text2=1%"
  )
else
  shots=(
    "form1 1 Text1=1523.5 Text2=3"
    "form2 2 Text1=9999.99 Text2=909.09"
    "form3 3 Text1=9999.99"
    "form7 7 Text1=9999.99 Text2=30"
    "form6 6 Text1=2599.99 Text2=10000000 Text3=2599.99 Text4=10000000"
    "form8 8 Text1=1688.88"
    "form5 5 Text1=1688.88 Text2=1234500"
    "form9 9 Text1=2084958360 Text2=7"
    "form4 4 Text1=123456789.5 Text2=1000000"
  )
fi

source tools/wine-env.sh
trap wine_env_cleanup EXIT
trap 'exit 130' INT TERM
wine_env_display
wine_env_prefix

coproc driver_io { wine "$driver"; }
for shot in "${shots[@]}"; do
  read -r name form values <<<"$shot"
  echo "show $form $values" >&"${driver_io[1]}"
  if ! read -r -t 120 word _ x y width height <&"${driver_io[0]}" || [ "$word" != shown ]; then
    echo "gallery-windows: $name was not shown" >&2
    exit 1
  fi
  sleep 0.5  # the last repaint reaches the X server
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "$out/$name.png"
  echo "$out/$name.png"
done
echo quit >&"${driver_io[1]}"
wait "$driver_io_PID"
