#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Windows downloads from a built stockcalc.exe, the same bytes every
# time for the same program and commit:
#   BUILD_DIR/stockcalc-VERSION-win64.zip    stockcalc.exe, LICENSE, 说明.txt
#   BUILD_DIR/stockcalc-VERSION-setup.exe    a per-user installer (NSIS)
# The text files get Windows line ends (and 说明.txt a UTF-8 byte-order mark)
# so that every Notepad shows them; every file in the zip carries the time
# SOURCE_DATE_EPOCH (default: the last commit's time).
#
# Usage: tools/package-windows.sh [--check] [BUILD_DIR]   (default build-win)
#   --check  makes both twice, each time from a fresh copy of the files, and
#            fails unless the two builds are byte for byte the same.
set -euo pipefail
cd "$(dirname "$0")/.."
check=false
if [ "${1:-}" = "--check" ]; then check=true; shift; fi
build=${1:-build-win}
umask 022

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
missing=()
command -v zip >/dev/null || missing+=(zip)
command -v unzip >/dev/null || missing+=(unzip)
command -v makensis >/dev/null || missing+=(nsis)
command -v python3 >/dev/null || missing+=(python3)
command -v locale-gen >/dev/null || missing+=(locales)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# zip 3.0 stores a name as UTF-8, and flags it so, only when it can switch to
# the locale en_US.UTF-8; without it 说明.txt would show garbled on Windows.
if ! locale -a 2>/dev/null | grep -qi '^en_US\.utf-\?8$'; then
  as_root sed -i 's/^# *en_US.UTF-8 UTF-8/en_US.UTF-8 UTF-8/' /etc/locale.gen
  as_root locale-gen >/dev/null
fi

exe=$build/stockcalc.exe
[ -f "$exe" ] || { echo "package-windows: no $exe; build the Windows edition first" >&2; exit 1; }
# The version the program was configured with, else the one in CMakeLists.txt.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
[ -n "$version" ] || version=$(sed -n 's/^project(stockcalc VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "package-windows: no version found" >&2; exit 1; }
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
fi
export SOURCE_DATE_EPOCH

zip_name=stockcalc-$version-win64.zip
setup_name=stockcalc-$version-setup.exe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The three files as shipped, in folder $1, with fixed modes and times.
stage() {
  mkdir -p "$1"
  cp "$exe" "$1/stockcalc.exe"
  sed 's/\r*$/\r/' LICENSE >"$1/LICENSE"
  { printf '\xEF\xBB\xBF'; sed "s/@VERSION@/$version/; s/\r*\$/\r/" packaging/windows/说明.txt; } >"$1/说明.txt"
  chmod 0755 "$1/stockcalc.exe"
  chmod 0644 "$1/LICENSE" "$1/说明.txt"
  touch -d "@$SOURCE_DATE_EPOCH" "$1"/*
}

# Both downloads from a fresh copy of the files, into folder $1.
make_both() {
  local out=$1 files=$1/files
  stage "$files"
  # Sorted names, DOS times in UTC, no extra fields (owner, Unix times); the
  # non-ASCII name is stored as UTF-8 with the zip's UTF-8 flag set.
  (cd "$files" && printf '%s\n' * | LC_ALL=C sort |
    LC_ALL=C.UTF-8 TZ=UTC zip -q -X -D -UN=UTF8 -@ "../$zip_name")
  python3 - "$out/$zip_name" <<'PY'
import sys, zipfile
for entry in zipfile.ZipFile(sys.argv[1]).infolist():
    if not entry.filename.isascii() and not entry.flag_bits & 0x800:
        sys.exit(f"package-windows: {entry.filename!r} is not flagged as UTF-8 in the zip")
PY
  LC_ALL=C.UTF-8 makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$files" \
    -DICON="$PWD/data/stockcalc.ico" -DOUTFILE="$out/$setup_name" packaging/windows/stockcalc.nsi >"$out/makensis.log" 2>&1 ||
    { cat "$out/makensis.log" >&2; exit 1; }
}

make_both "$work/a"
if $check; then
  sleep 1 # a second build a little later: the clock must not show in either
  make_both "$work/b"
  for f in "$zip_name" "$setup_name"; do
    a=$(sha256sum <"$work/a/$f" | cut -d' ' -f1)
    b=$(sha256sum <"$work/b/$f" | cut -d' ' -f1)
    echo "$f: $a (first build)"
    echo "$f: $b (second build)"
    [ "$a" = "$b" ] || { echo "package-windows: $f differs between two builds" >&2; exit 1; }
  done
  echo "package-windows: both builds are the same bytes"
fi
cp "$work/a/$zip_name" "$work/a/$setup_name" "$build/"
ls "$build/$zip_name" "$build/$setup_name"
