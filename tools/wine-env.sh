#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A private Wine for the Windows edition: a Wine prefix made for one run (no
# Mono, no Gecko, no desktop menus), its own Xvfb display, and Windows'
# Chinese font names mapped to the Noto CJK fonts, so that 微软雅黑 and 宋体
# text is drawn with real glyphs.
#
# Sourced, it gives:
#   wine_env_display   start a private Xvfb (1280x800x24) and export DISPLAY
#   wine_env_prefix    make a private prefix, export WINEPREFIX, WINEDEBUG,
#                      WINEDLLOVERRIDES, LANG and LC_ALL, map the fonts;
#                      after wine_env_display, Wine manages the windows on
#                      that display itself (there is no window manager)
#   wine_env_run CMD   run a command in the background and wait for it, so
#                      that a signal to the script is acted on at once (bash
#                      runs traps only between foreground commands)
#   wine_env_cleanup   end the command wine_env_run waits for, the prefix's
#                      wineserver (and so every program in the prefix) and our
#                      Xvfb, delete the prefix; meant for a trap:
#                        trap wine_env_cleanup EXIT; trap 'exit 130' INT TERM
#
# Run as a command, `tools/wine-env.sh PROGRAM.exe ARGS...` runs one Windows
# program and returns its exit status: in the prefix that wine_env_prefix set
# up, when there is one (so ctest run inside it shares one prefix and one
# display), else in a prefix and an Xvfb of its own, removed afterwards.
# CTest runs the Windows test programs through it.

wine_env_display() {
  local fifo
  fifo=$(mktemp -u "${TMPDIR:-/tmp}/stockcalc-xvfb.XXXXXX")
  mkfifo "$fifo"
  # Xvfb picks a free display number itself and writes it to fd 3 once it
  # accepts connections.
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset \
    3>"$fifo" </dev/null >/dev/null 2>&1 &
  WINE_ENV_XVFB_PID=$!
  local number=""
  read -r -t 20 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "wine-env: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
}

# Windows' names for the fonts a Chinese program asks for, and for the dialog
# fonts, drawn with the Noto CJK fonts: the Song faces with the serif one, the
# rest with the sans one.
wine_env_font_replacements() {
  local sans="Noto Sans CJK SC" serif="Noto Serif CJK SC" name
  fc-list : family | grep -q "$serif" || serif=$sans
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for name in SimSun 宋体 NSimSun 新宋体; do
    printf '"%s"="%s"\r\n' "$name" "$serif"
  done
  for name in "Microsoft YaHei" "Microsoft YaHei UI" 微软雅黑 SimHei 黑体 \
    "MS Shell Dlg" "MS Shell Dlg 2" Tahoma "Segoe UI"; do
    printf '"%s"="%s"\r\n' "$name" "$sans"
  done
}

wine_env_registry() {
  wine_env_font_replacements
  # Our Xvfb has no window manager, and Wine waits two seconds for one each
  # time a window it leaves to the manager is hidden (every switch between
  # windows). On our display Wine manages its windows itself, and draws their
  # frames as Windows does.
  if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
  fi
}

wine_env_prefix() {
  WINE_ENV_PREFIX=$(mktemp -d "${TMPDIR:-/tmp}/stockcalc-wine.XXXXXX")
  export WINEPREFIX=$WINE_ENV_PREFIX STOCKCALC_WINEPREFIX=$WINE_ENV_PREFIX
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
  # One wineserver for the whole run: every Wine program started in the
  # prefix starts faster, and wine_env_cleanup ends it.
  wineserver -p
  # A 64-bit prefix only; the note that there is no 32-bit Wine is harmless.
  wineboot -i >/dev/null 2>&1 || { echo "wine-env: wineboot failed" >&2; return 1; }
  # A .reg file in UTF-16 keeps the Chinese names whatever Wine's code page.
  local reg=$WINE_ENV_PREFIX/settings.reg
  { printf '\xff\xfe'; wine_env_registry | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
  wine reg import "Z:${reg//\//\\}" >/dev/null 2>&1 ||
    { echo "wine-env: the registry settings were not imported" >&2; return 1; }
}

wine_env_run() {
  "$@" &
  WINE_ENV_RUN_PID=$!
  local status=0
  wait "$WINE_ENV_RUN_PID" || status=$?
  WINE_ENV_RUN_PID=""
  return $status
}

wine_env_cleanup() {
  if [ -n "${WINE_ENV_RUN_PID:-}" ]; then
    kill "$WINE_ENV_RUN_PID" 2>/dev/null || true
    WINE_ENV_RUN_PID=""
  fi
  if [ -n "${WINE_ENV_PREFIX:-}" ] && [ -d "$WINE_ENV_PREFIX" ]; then
    WINEPREFIX=$WINE_ENV_PREFIX wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX=$WINE_ENV_PREFIX wineserver -w >/dev/null 2>&1 || true
    rm -rf "$WINE_ENV_PREFIX"
  fi
  WINE_ENV_PREFIX=""
  if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
  fi
  WINE_ENV_XVFB_PID=""
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -uo pipefail
  if [ $# -eq 0 ]; then
    echo "usage: tools/wine-env.sh PROGRAM.exe [ARGS...]  (or source it)" >&2
    exit 2
  fi
  if [ -n "${STOCKCALC_WINEPREFIX:-}" ] && [ -d "$STOCKCALC_WINEPREFIX/drive_c" ]; then
    export WINEPREFIX=$STOCKCALC_WINEPREFIX WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    exec wine "$@"
  fi
  trap wine_env_cleanup EXIT
  trap 'exit 130' INT TERM
  # The caller's locale (a test may ask for a comma-decimal one) is the
  # program's; the set-up itself runs under C.UTF-8.
  locale_all=${LC_ALL:-} locale_lang=${LANG:-}
  wine_env_display || exit 1
  wine_env_prefix || exit 1
  [ -n "$locale_all" ] && LC_ALL=$locale_all
  [ -n "$locale_lang" ] && LANG=$locale_lang
  wine_env_run wine "$@"
  exit $?
fi
