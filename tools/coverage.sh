#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Line and branch coverage of the number fields and the calculators by the
# tests, in a separate build (build-cov). Prints the summary; the HTML
# report lands in build-cov/coverage/index.html.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-cov
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="--coverage" >/dev/null
cmake --build "$build" --parallel
find "$build" -name '*.gcda' -delete
(cd "$build" && ctest --output-on-failure >/dev/null)
mkdir -p "$build/coverage"
gcovr --root . --filter 'src/fields/' --filter 'src/calc/' --exclude-throw-branches --exclude-unreachable-branches \
  --html-details "$build/coverage/index.html" --print-summary --txt "$build/coverage/summary.txt" "$build"
grep -v '100%' "$build/coverage/summary.txt" | grep -E '^src/' || echo "every line and branch of src/fields and src/calc above is reached"
