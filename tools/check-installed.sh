#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a stockcalc program (the installed one unless told another) on a
# private Xvfb display and waits until its main window is on the screen.
# Usage: tools/check-installed.sh [PROGRAM]
set -euo pipefail
program=${1:-/usr/bin/stockcalc}
if [ -z "${STOCKCALC_ON_XVFB:-}" ]; then
  STOCKCALC_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$program"
fi
# xwininfo prints window names in the locale's encoding: a Chinese one needs UTF-8.
export LC_ALL=C.UTF-8
log=$(mktemp)
"$program" >"$log" 2>&1 &
app=$!
trap 'kill "$app" 2>/dev/null || true; rm -f "$log"' EXIT
# The first start on a new machine may build the font cache: allow for it.
for _ in $(seq 300); do
  if xwininfo -root -tree 2>/dev/null | grep -q '鼎衡股票计算器'; then
    echo "$program shows its main window: $(xwininfo -root -tree | grep -o '"鼎衡股票计算器[^"]*"')"
    exit 0
  fi
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
echo "$program showed no window; it said:" >&2
cat "$log" >&2
exit 1
