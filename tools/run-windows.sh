#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the Windows edition under Wine: builds it if there is no
# build-win/stockcalc.exe yet, then runs it in a private Wine prefix with the
# Chinese fonts mapped, on $DISPLAY when there is one, else on a private Xvfb.
# Arguments go to the program (tools/run-windows.sh --fees). Everything made
# for the run is removed when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-win/stockcalc.exe ] || tools/build-windows.sh
source tools/wine-env.sh
trap wine_env_cleanup EXIT
trap 'exit 130' INT TERM
[ -n "${DISPLAY:-}" ] || wine_env_display
wine_env_prefix
wine_env_run wine build-win/stockcalc.exe "$@"
