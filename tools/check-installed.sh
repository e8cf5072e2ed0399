#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a stockcalc program (the installed one unless told another) on a
# private Xvfb display and waits until its main window is on the screen. Usage: tools/check-installed.sh [PROGRAM]
set -euo pipefail
program=${1:-/usr/bin/stockcalc}
if [ -z "${STOCKCALC_ON_XVFB:-}" ]; then
  STOCKCALC_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$program"
fi
"$program" &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  if xwininfo -root -tree 2>/dev/null | grep -q '鼎衡股票计算器'; then
    echo "$program shows its main window: $(xwininfo -root -tree | grep -o '"鼎衡股票计算器[^"]*"')"
    exit 0
  fi
  sleep 0.1
done
echo "$program showed no window within 5 seconds" >&2
exit 1
