#!/usr/bin/env bash
# One command for a newcomer and for CI: install what is missing, build, and
# run every test (widget tests on Qt's offscreen platform, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
cd build
ctest --output-on-failure --timeout 300
