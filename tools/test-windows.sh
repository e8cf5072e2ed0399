#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows edition and tests it under Wine: the core's tests on the
# Windows C runtime (as set up, and under a German locale whose decimal mark
# is a comma), the import check of stockcalc.exe, then the tests that drive
# the program itself (a trading day of 5,000 clicks among them). All of
# them share one private Wine prefix and one private Xvfb display, removed
# at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build-windows.sh

source tools/wine-env.sh
trap wine_env_cleanup EXIT
trap 'exit 130' INT TERM
started=$SECONDS
wine_env_display
wine_env_prefix
echo "wine prefix and display ready in $((SECONDS - started)) s"

# Every test's own summary lines, from the log of the ctest run just done.
summaries() {
  grep -hE '^\[==========\] [0-9]+ tests? from .* ran|^\[  (PASSED|SKIPPED|FAILED) +\] [0-9]+ tests?' \
    build-win/Testing/Temporary/LastTest.log || true
}

echo "-- the core's tests on the Windows C runtime"
wine_env_run ctest --test-dir build-win -R '^core' --no-tests=error --output-on-failure --timeout 300
summaries

echo "-- what stockcalc.exe imports"
tools/check-windows-imports.sh build-win/stockcalc.exe

if ctest --test-dir build-win -N -E '^core' | grep -q 'Total Tests: [1-9]'; then
  echo "-- the program driven under Wine"
  wine_env_run ctest --test-dir build-win -E '^core' --output-on-failure --timeout 1200
  summaries
  grep -h ' clicks, .* prompts answered' build-win/Testing/Temporary/LastTest.log || true
fi
