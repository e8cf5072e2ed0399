#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds stockcalc.exe twice, from two fresh clones of the current commit in
# two different folders, the way tools/build-windows.sh builds it, and checks
# that the two programs are the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
exes=()
for folder in "$work/one" "$work/second-build-folder"; do
  git clone -q . "$folder"
  (cd "$folder" && tools/build-windows.sh -DBUILD_TESTING=OFF >/dev/null)
  exes+=("$folder/build-win/stockcalc.exe")
done
sha256sum "${exes[@]}" | sed "s|$work/||"
if ! cmp -s "${exes[0]}" "${exes[1]}"; then
  echo "the two programs differ" >&2
  exit 1
fi
echo "reproducible: two clean builds give the same stockcalc.exe"
