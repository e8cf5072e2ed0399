#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures stockcalc against the floor program side by side on a private
# Xvfb server. Usage: bench/startup/run.sh [RUNS] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-11}
build=${2:-build}
cmake --build "$build" --target stockcalc floor startup >/dev/null

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$runtime"' EXIT
read -r -u "$fd" display
DISPLAY=":$display" "$build/startup" --runs "$runs" "$build/stockcalc" "$build/floor"
