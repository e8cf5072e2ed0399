#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package without installing it: its dependencies resolve,
# lintian finds no error and no warning, and the program unpacked from it
# starts and shows its window.
# Usage: tools/check-package.sh [DEB]   (default build/stockcalc_*.deb)
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "${1:-$(ls build/stockcalc_*.deb)}")

apt-get install --simulate -qq "$deb" >/dev/null
echo "dependencies resolve: $(dpkg-deb -f "$deb" Depends)"

as_root=()
[ "$(id -u)" -eq 0 ] && as_root=(--allow-root)
lintian "${as_root[@]}" --fail-on error,warning "$deb"
echo "lintian: no error, no warning"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
tools/check-installed.sh "$unpacked/usr/bin/stockcalc"
