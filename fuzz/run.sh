#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (AddressSanitizer and UBSan on) and runs
# each for SECONDS, starting from the seed corpora of the worked examples.
# New inputs collect in build-fuzz/corpus; a crash is saved in build-fuzz/artifacts.
# Usage: fuzz/run.sh SECONDS   (FUZZ_BUILD=dir builds elsewhere than build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: fuzz/run.sh SECONDS}
build=${FUZZ_BUILD:-build-fuzz}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSTOCKCALC_GUI=OFF -DBUILD_TESTING=OFF -DSTOCKCALC_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" --parallel

mkdir -p "$build/artifacts"
for target in fields windows fees; do
  mkdir -p "$build/corpus/$target"
  echo "== ${target}_fuzz for ${seconds}s"
  log="$build/${target}.log"
  if ! "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -dict=fuzz/fields.dict -print_final_stats=1 \
    -max_len=4096 -artifact_prefix="$build/artifacts/${target}-" "$build/corpus/$target" "fuzz/corpus/$target" \
    >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "${target}_fuzz found a fault; the input is in $build/artifacts/" >&2
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)' "$log"
done
