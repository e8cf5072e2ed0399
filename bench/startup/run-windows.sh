#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures stockcalc.exe against the Win32 floor (bench/win32/floor.cpp) side
# by side under Wine, on a private Xvfb server and a private Wine prefix, and
# gives the sizes of both programs. Usage:
#   bench/startup/run-windows.sh [RUNS] [BUILD_DIR]
# RUNS defaults to 11; `bench/startup/run-windows.sh 1` is a quick check.
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-11}
build=$(realpath -m "${2:-build-win}")
title="鼎衡股票计算器    作者：青松"  # the main window's, and the floor's

if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
if ! log=$(cmake --build "$build" --target stockcalc floor 2>&1); then
  echo "$log" >&2
  exit 1
fi

# The timer is a Linux program, built here from its one source so that no
# Linux build folder is needed.
timer=$build/bench-host/startup
if [ ! -x "$timer" ] || [ bench/startup/startup.cpp -nt "$timer" ]; then
  mkdir -p "$build/bench-host"
  g++ -std=c++20 -O2 -o "$timer" bench/startup/startup.cpp -lxcb
fi

# shellcheck source=tools/wine-env.sh
. tools/wine-env.sh
work=$(mktemp -d)
trap 'wine_env_cleanup; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
# A private display and prefix; with no window manager on the display, Wine
# manages the windows itself, so a close does not wait for a manager.
wine_env_display
wine_env_prefix

# The timer starts a path; each program is a two-line script that becomes
# Wine in the same process. The prefix's wineserver stays up for the whole
# run (wine_env_prefix), so no launch pays for starting it.
for program in stockcalc floor; do
  printf '#!/bin/sh\nexec wine %s\n' "$build/$program.exe" >"$work/$program.exe"
  chmod +x "$work/$program.exe"
done
(cd "$work" && "$timer" --runs "$runs" --name "$title" ./stockcalc.exe ./floor.exe) | tee "$work/result"

echo
for program in stockcalc floor; do
  bytes=$(stat -c %s "$build/$program.exe")
  awk -v p="$program.exe" -v b="$bytes" 'BEGIN { printf "%-16s %9d bytes  %5.2f MiB\n", p, b, b / 1048576 }'
done
bytes=$(stat -c %s "$build/stockcalc.exe")
ratio=$(awk '/^median ratio/ { print $6 }' "$work/result")
awk -v b="$bytes" -v r="$ratio" 'BEGIN {
  printf "goal: stockcalc.exe at most 2 MiB:             %s\n", b <= 2 * 1048576 ? "met" : "NOT met"
  printf "goal: start-up at most 1.10 x the floor:       %s (%.3f)\n", r <= 1.10 ? "met" : "NOT met", r
}'
