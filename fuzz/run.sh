#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (AddressSanitizer and UBSan on) and runs
# each, one after the other, starting from the seed corpora of the worked
# examples. New inputs collect in build-fuzz/corpus; a crash is saved in
# build-fuzz/artifacts. After each target one line tells how far it went.
#
# Usage: fuzz/run.sh SECONDS [TARGET...]                     each target for SECONDS
#        fuzz/run.sh --runs N [--max-seconds S] [TARGET...]  each for N inputs (at most S seconds)
# TARGET is fields, windows or fees (all three by default). FUZZ_BUILD=dir
# builds elsewhere than build-fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: fuzz/run.sh SECONDS [TARGET...] | fuzz/run.sh --runs N [--max-seconds S] [TARGET...]"
limits=()
runs=
case "${1:-}" in
  --runs)
    [[ "${2:-}" =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
    runs=$2
    limits=(-runs="$runs")
    shift 2
    if [ "${1:-}" = --max-seconds ]; then
      [[ "${2:-}" =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
      limits+=(-max_total_time="$2")
      shift 2
    fi
    ;;
  *)
    [[ "${1:-}" =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
    limits=(-max_total_time="$1")
    shift
    ;;
esac
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fields windows fees)
for target in "${targets[@]}"; do
  case "$target" in
    fields | windows | fees) ;;
    *) echo "unknown target $target; $usage" >&2; exit 2 ;;
  esac
done
build=${FUZZ_BUILD:-build-fuzz}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSTOCKCALC_GUI=OFF -DBUILD_TESTING=OFF -DSTOCKCALC_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" --parallel

# A number from libFuzzer's final statistics in the log.
final() { sed -n "s/^stat::$1: *//p" "$log"; }

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  echo "== ${target}_fuzz (${limits[*]})"
  log="$build/${target}.log"
  # A window input is a list of operations: 1 KiB holds a full 255-byte text
  # for each box and hundreds of clicks. Longer lists mostly pass through
  # states already reached, at a fraction of the inputs a second.
  max_len=4096
  [ "$target" = windows ] && max_len=1024
  if ! "$build/fuzz/${target}_fuzz" "${limits[@]}" -dict=fuzz/fields.dict -print_final_stats=1 \
    -max_len="$max_len" -artifact_prefix="$build/artifacts/${target}-" "$build/corpus/$target" "fuzz/corpus/$target" \
    >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "${target}_fuzz found a fault; the input is in $build/artifacts/" >&2
    exit 1
  fi
  # libFuzzer's last lines: "#N DONE cov: C ft: F ...", "Done N runs in S second(s)", stat::...
  done_line=$(grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE|INITED)' "$log" | tail -n 1)
  echo "${target}_fuzz: $(final number_of_executed_units) inputs in $(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log") s," \
    "cov $(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done_line") ft $(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$done_line")," \
    "corpus $(find "$build/corpus/$target" -type f | wc -l) inputs, $(final new_units_added) new," \
    "peak RSS $(final peak_rss_mb) MB, no fault found"
  grep -h '^windows_fuzz: [0-9]* clicks checked' "$log" || true
  if [ -n "$runs" ] && [ "$(final number_of_executed_units)" -lt "$runs" ]; then
    echo "${target}_fuzz: stopped by the time limit before $runs inputs"
  fi
done
