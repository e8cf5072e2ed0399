#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One command for a newcomer: install what is missing, build, start stockcalc.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
exec build/stockcalc
