#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice, from two fresh clones of the current commit
# in two different folders, and checks that the two are the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
debs=()
for folder in "$work/one" "$work/second-build-folder"; do
  git clone -q . "$folder"
  (cd "$folder" && cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null &&
    cmake --build build --parallel >/dev/null)
  debs+=("$("$folder/tools/package.sh" "$folder/build" | tail -1)")
done
sha256sum "${debs[@]}" | sed "s|$work/||"
if ! cmp -s "${debs[0]}" "${debs[1]}"; then
  echo "the two packages differ" >&2
  exit 1
fi
echo "reproducible: two clean builds give the same package"
