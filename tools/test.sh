#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One command for a newcomer and for CI: install what is missing, then build
# and check everything. Widget tests run on Qt's offscreen platform, so no
# display is needed.
#
#   tools/test.sh          every check below (what CI runs)
#   tools/test.sh --quick  only the warning-free build and the test suite
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
[ "${1:-}" = "--quick" ] && quick=true

step() { printf '\n==== %s\n' "$*"; }

tools/install-deps.sh

step "build with warnings as errors, and the test suite"
tools/build.sh -DSTOCKCALC_WERROR=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
(cd build && ctest -LE long --output-on-failure --timeout 300)
$quick && exit 0

step "a trading day: 120,000 clicks through the real windows, memory read before and after"
(cd build && ctest -L long --output-on-failure --timeout 1200)
grep -h ' clicks, .* prompts answered' build/Testing/Temporary/LastTest.log || true

step "clang-tidy"
run-clang-tidy -quiet -p build -j "$(nproc)" '/src/' >build/clang-tidy.log 2>&1 || { cat build/clang-tidy.log; exit 1; }
if grep -E '(warning|error):' build/clang-tidy.log; then exit 1; fi
echo "clang-tidy: no findings in src/"

step "fuzz smoke: each target for 60 seconds"
fuzz/run.sh 60

step "Debian package: build it, check it with apt and lintian, start the program unpacked from it"
tools/check-package.sh "$(tools/package.sh build)"

step "the package is reproducible: two clean builds of this commit give the same bytes"
tools/reproducible.sh

step "Windows edition: build, tests under wine (a trading day of 5,000 clicks among them), import check, reproducible exe"
tools/test-windows.sh
tools/reproducible-windows.sh

step "Windows downloads: zip and installer built twice, the same bytes; installed, started and uninstalled under Wine"
tools/package-windows.sh --check build-win
tools/test-windows-package.sh build-win

step "benchmarks, each once briefly (they measure; nothing here asserts a time)"
build/micro_bench --benchmark_min_time=0.001 >build/bench.log
echo "micro_bench: $(grep -c '^BM_' build/bench.log) results"
build/widget_bench --benchmark_min_time=0.001 | grep '^BM_'
bench/startup/run.sh 1
bench/startup/run-windows.sh 1

step "the test suite again under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTOCKCALC_WERROR=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
cmake --build build-asan --parallel
(cd build-asan && ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest -LE long --output-on-failure --timeout 600)
