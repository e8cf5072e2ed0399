#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the Windows edition in ./build-win with mingw-w64: installs
# what is missing, then builds build-win/stockcalc.exe and the Windows test
# programs (build-win/tests/core_tests.exe, tests/win32). Extra arguments go
# to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
# The commit's time, not the clock's, for anything that records a date.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 0)
export SOURCE_DATE_EPOCH
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON "$@" >/dev/null
cmake --build build-win --parallel
