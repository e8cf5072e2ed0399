#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts stockcalc on a private Xvfb display inside its own D-Bus session
# with the accessibility bus running, and prints its accessibility tree as a
# screen reader reads it. Needs at-spi2-core, python3-pyatspi and dbus.
# Usage: tools/a11y-check.sh [PROGRAM]
set -euo pipefail
program=${1:-build/stockcalc}
if [ -z "${STOCKCALC_IN_SESSION:-}" ]; then
  STOCKCALC_IN_SESSION=1 exec xvfb-run -a -s "-screen 0 800x600x24" dbus-run-session -- "$0" "$program"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
sleep 0.5
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
app=$!
trap 'kill "$app" "$launcher" 2>/dev/null || true' EXIT
sleep 1
tools/a11y-dump.py
