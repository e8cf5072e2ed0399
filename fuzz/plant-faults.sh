#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows that fees_fuzz catches wrong fee arithmetic: plants one fault at a
# time in a throwaway copy of the last commit (this work tree is never
# touched), rebuilds fees_fuzz there and runs it for at most 60 seconds,
# from the seed corpus or, with --empty, from nothing but the dictionary.
# One line per fault: caught or not, after how long and how many inputs,
# and the law that failed. Ends with status 1 when a fault went uncaught.
#
# Usage: fuzz/plant-faults.sh [--empty]
set -euo pipefail
cd "$(dirname "$0")/.."
seeds=fuzz/corpus/fees
if [ "${1:-}" = --empty ]; then seeds=; shift; fi
[ $# -eq 0 ] || { echo "usage: fuzz/plant-faults.sh [--empty]" >&2; exit 2; }

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
git archive HEAD | tar -x -C "$copy"
cd "$copy"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSTOCKCALC_GUI=OFF -DBUILD_TESTING=OFF -DSTOCKCALC_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=fuzzer-no-link" >/dev/null

costs=src/calc/fees/trade_costs.cpp
uncaught=0
# plant NAME FILE FROM TO: FROM (found exactly once) becomes TO for one run.
plant() {
  local name=$1 file=$2 from=$3 to=$4
  cp "$file" "$file.orig"
  python3 - "$file" "$from" "$to" <<'EOF'
import sys
path, old, new = sys.argv[1:]
text = open(path, encoding="utf-8").read()
if text.count(old) != 1:
    sys.exit(f"{path}: the planting spot is not there exactly once: {old}")
open(path, "w", encoding="utf-8").write(text.replace(old, new))
EOF
  cmake --build build --target fees_fuzz >/dev/null
  rm -rf corpus && mkdir corpus
  local log=$name.log started status=0
  started=$(date +%s%N)
  # shellcheck disable=SC2086  # no seed directory with --empty
  build/fuzz/fees_fuzz -max_total_time=60 -dict=fuzz/fields.dict -max_len=4096 \
    -artifact_prefix=corpus/crash- corpus $seeds >"$log" 2>&1 || status=$?
  local ms=$((($(date +%s%N) - started) / 1000000))
  if [ "$status" -eq 0 ]; then
    echo "$name: NOT caught in 60 s"
    uncaught=$((uncaught + 1))
  else
    local inputs
    # libFuzzer numbers its inputs (#N) once the seeds have run; none yet
    # means a seed itself broke a law.
    inputs=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#' || true)
    local when="on a seed"
    [ -z "$inputs" ] || when="at input $inputs"
    echo "$name: caught after $((ms / 1000)).$((ms % 1000 / 100)) s $when: $(grep -m 1 '^fees:' "$log" || tail -n 1 "$log")"
  fi
  mv "$file.orig" "$file"
}

plant fee-rounded-down "$costs" \
  'return DivideRounded(amount * rate, rates.denominator);' 'return amount * rate / rates.denominator;'
plant stamp-duty-half-rounded-down "$costs" \
  'sale.stamp_duty = Fee(sale.amount, rates.stamp_duty, rates);' \
  'sale.stamp_duty = (2 * sale.amount * rates.stamp_duty + rates.denominator - 1) / (2 * rates.denominator);'
plant sale-minimum-commission-ignored "$costs" \
  'sale.commission = Commission(sale.amount, rates);' 'sale.commission = Fee(sale.amount, rates.commission, rates);'
plant total-cost-without-transfer-fee "$costs" \
  'buy.total_cost = buy.amount + buy.fees;' 'buy.total_cost = buy.amount + buy.commission;'
plant break-even-a-cent-high "$costs" '  return price;
}' '  return price + 1;
}'
plant break-even-skips-exact-equality "$costs" \
  'while (Sell(price, shares, rates).net_income < total_cost) ++price;' \
  'while (Sell(price, shares, rates).net_income <= total_cost) ++price;'
plant percent-truncated "$costs" \
  'return DivideRounded(part * 10000, whole);' 'return part * 10000 / whole;'
[ "$uncaught" -eq 0 ]
