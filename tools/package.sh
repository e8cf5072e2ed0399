#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a build folder, the same bytes every time for
# the same commit: every file in it carries the commit's time.
# Usage: tools/package.sh [BUILD_DIR]   (default build; prints the .deb's path)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
umask 022
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  # The last commit's time; outside a git checkout, the changelog's date.
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || dpkg-parsechangelog -l data/changelog -S Timestamp)
fi
export SOURCE_DATE_EPOCH
rm -f "$build"/stockcalc_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/stockcalc_*.deb
