#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing stockcalc needs on Debian 12,
# and only what is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  fonts-noto-cjk
  libgtest-dev libbenchmark-dev
  clang clang-tidy libclang-rt-14-dev gcovr
  desktop-file-utils appstream dpkg-dev file lintian x11-utils libxcb1-dev
  locales xvfb xauth imagemagick xdotool
  # The Windows edition: cross-built with mingw-w64 (posix threads), its
  # tests built against GoogleTest's sources and run under Wine on Xvfb,
  # Chinese drawn with the Noto CJK fonts (fc-list checks which are there).
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64 fontconfig
  # Wine's own fonts (the caption buttons' glyphs); the zip and the installer.
  fonts-wine nsis zip unzip python3
  # The X libraries Wine's display driver loads at run time; Wine only
  # recommends them.
  libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3 libxxf86vm1
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests also run under a locale whose decimal mark is a comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  as_root sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  as_root locale-gen >/dev/null
fi

# zip flags 说明.txt's name as UTF-8 only when en_US.UTF-8 exists.
if ! locale -a 2>/dev/null | grep -qi '^en_US\.utf-\?8$'; then
  as_root sed -i 's/^# *en_US.UTF-8 UTF-8/en_US.UTF-8 UTF-8/' /etc/locale.gen
  as_root locale-gen >/dev/null
fi
