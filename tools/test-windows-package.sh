#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows downloads that tools/package-windows.sh made, under Wine
# in a private prefix on a private Xvfb display (tools/wine-env.sh):
#   the zip holds exactly stockcalc.exe, LICENSE and 说明.txt, as built;
#   a silent install puts the files in the user's Programs folder, two
#   Start-menu shortcuts that start the program (one with --fees) and the
#   uninstall entry; the program started from each shortcut shows its window;
#   a silent uninstall takes all of that away again and leaves the user's
#   settings, and a stockcalc.ini the user put beside the program, alone.
# One line per check, then "N passed, N failed"; exits non-zero on a failure.
#
# Usage: tools/test-windows-package.sh [BUILD_DIR]   (default build-win)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-win}

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
missing=()
command -v wine >/dev/null || missing+=(wine wine64)
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v xwininfo >/dev/null || missing+=(x11-utils)
command -v unzip >/dev/null || missing+=(unzip)
command -v python3 >/dev/null || missing+=(python3)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
[ -n "$version" ] || version=$(sed -n 's/^project(stockcalc VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip_file=$build/stockcalc-$version-win64.zip
setup=$build/stockcalc-$version-setup.exe
for f in "$build/stockcalc.exe" "$zip_file" "$setup"; do
  [ -f "$f" ] || { echo "test-windows-package: no $f; run tools/package-windows.sh first" >&2; exit 1; }
done

# shellcheck source=tools/wine-env.sh
source tools/wine-env.sh
work=$(mktemp -d)
trap 'wine_env_cleanup; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

passed=0 failed=0
check() { # NAME COMMAND...: runs the command, reports it as one check
  local name=$1
  shift
  if "$@"; then
    echo "ok    $name"
    passed=$((passed + 1))
  else
    echo "FAIL  $name"
    failed=$((failed + 1))
  fi
}

# --- the zip ------------------------------------------------------------------
zip_holds_three() {
  [ "$(LC_ALL=C.UTF-8 unzip -Z1 "$zip_file" | LC_ALL=C sort | tr '\n' ' ')" = "LICENSE stockcalc.exe 说明.txt " ] &&
    mkdir "$work/zip" && LC_ALL=C.UTF-8 unzip -q "$zip_file" -d "$work/zip" &&
    [ "$(cd "$work/zip" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')" = "./LICENSE ./stockcalc.exe ./说明.txt " ] &&
    cmp -s "$work/zip/stockcalc.exe" "$build/stockcalc.exe"
}
# Every line ends in CR LF; 说明.txt starts with a UTF-8 byte-order mark.
crlf_text() {
  python3 - "$work/zip/LICENSE" "$work/zip/说明.txt" "$version" <<'PY'
import sys
license, readme, version = (open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read(), sys.argv[3])
for data in license, readme:
    lines = data.split(b"\n")
    if lines[-1] != b"" or any(not line.endswith(b"\r") for line in lines[:-1]):
        sys.exit(1)
text = readme.decode("utf-8")
sys.exit(0 if text.startswith("\ufeff鼎衡股票计算器 " + version) and "--fees" in text else 1)
PY
}
check "zip: exactly stockcalc.exe (the built one), LICENSE and 说明.txt" zip_holds_three
check "zip: LICENSE and 说明.txt have CR LF line ends, 说明.txt a BOM and the version" crlf_text

# --- install --------------------------------------------------------------------
wine_env_display || exit 1
wine_env_prefix || exit 1

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\stockcalc'
win_path() { wine cmd /c "echo $1" 2>/dev/null | tr -d '\r'; }
local_appdata=$(win_path '%LOCALAPPDATA%')
appdata=$(win_path '%APPDATA%')
instdir_win="$local_appdata\\Programs\\stockcalc"
instdir=$(winepath -u "$instdir_win" 2>/dev/null)
menu=$(winepath -u "$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\鼎衡股票计算器" 2>/dev/null)
settings=$(winepath -u "$appdata\\stockcalc" 2>/dev/null)
installed=(stockcalc.exe LICENSE 说明.txt Uninstall.exe)
shortcuts=(鼎衡股票计算器.lnk 交易费用与保本价.lnk)
[ -n "$local_appdata" ] && [ -n "$instdir" ] && [ -n "$menu" ] || { echo "test-windows-package: no user folders in the prefix" >&2; exit 1; }

install() { wine "$setup" /S; }
installed_files() {
  local f
  for f in "${installed[@]}"; do [ -f "$instdir/$f" ] || return 1; done
  cmp -s "$instdir/stockcalc.exe" "$build/stockcalc.exe" && cmp -s "$instdir/说明.txt" "$work/zip/说明.txt"
}
# Prints a .lnk file's target path and its arguments, one per line (the
# shell-link format: a header, an optional ID list, the link info holding the
# local path, then counted strings of which the fourth is the arguments).
link_target() {
  python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
if data[:4] != b"L\0\0\0":
    sys.exit(1)
flags = struct.unpack_from("<I", data, 20)[0]
pos = 76
if flags & 0x01:  # the target's ID list
    pos += 2 + struct.unpack_from("<H", data, pos)[0]
target = ""
if flags & 0x02:  # the link info
    size, header, info_flags, _, base = struct.unpack_from("<5I", data, pos)
    if header >= 0x24:  # a Unicode local path
        at = pos + struct.unpack_from("<I", data, pos + 28)[0]
        end = at
        while data[end:end + 2] != b"\0\0":
            end += 2
        target = data[at:end].decode("utf-16-le")
    elif info_flags & 1:  # an ANSI local path
        at = pos + base
        target = data[at:data.index(b"\0", at)].decode("latin-1")
    pos += size
strings = {}
width = 2 if flags & 0x80 else 1
for bit in (0x04, 0x08, 0x10, 0x20, 0x40):  # name, relative path, working folder, arguments, icon
    if flags & bit:
        count = struct.unpack_from("<H", data, pos)[0]
        text = data[pos + 2:pos + 2 + count * width].decode("utf-16-le" if width == 2 else "latin-1")
        strings[bit] = text.rstrip("\0")  # Wine counts the terminating NUL too
        pos += 2 + count * width
print(target)
print(strings.get(0x20, ""))
PY
}
shortcut_is() { # LNK ARGUMENTS
  [ -f "$menu/$1" ] &&
    [ "$(link_target "$menu/$1" | tr 'A-Z' 'a-z')" = "$(printf '%s\n%s' "$instdir_win\\stockcalc.exe" "$2" | tr 'A-Z' 'a-z')" ]
}
shortcuts_point_at_program() { shortcut_is 鼎衡股票计算器.lnk "" && shortcut_is 交易费用与保本价.lnk --fees; }
# The uninstall entry, exported as a .reg file (UTF-16) and read back.
uninstall_entry() {
  rm -f "$work/entry.reg"
  wine reg export "$key" "Z:${work//\//\\}\\entry.reg" /y >/dev/null 2>&1 && iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\000\r'
}
entry_complete() {
  local entry q='\"' dir=${instdir_win//\\/\\\\} kib
  entry=$(uninstall_entry) || return 1
  kib=$(($(stat -c %s "$build/stockcalc.exe") / 1024))
  grep -qx '"DisplayName"="鼎衡股票计算器"' <<<"$entry" &&
    grep -qx "\"DisplayVersion\"=\"$version\"" <<<"$entry" &&
    grep -qx '"Publisher"="[^"].*"' <<<"$entry" &&
    grep -qxF "\"DisplayIcon\"=\"$dir\\\\stockcalc.exe\"" <<<"$entry" &&
    grep -qxF "\"InstallLocation\"=\"$dir\"" <<<"$entry" &&
    grep -qxF "\"UninstallString\"=\"$q$dir\\\\Uninstall.exe$q\"" <<<"$entry" &&
    grep -qxF "\"QuietUninstallString\"=\"$q$dir\\\\Uninstall.exe$q /S\"" <<<"$entry" &&
    grep -qx '"NoModify"=dword:00000001' <<<"$entry" &&
    grep -qx '"NoRepair"=dword:00000001' <<<"$entry" &&
    [ $((16#$(sed -n 's/^"EstimatedSize"=dword://p' <<<"$entry"))) -gt "$kib" ]
}

check "silent install (setup.exe /S) exits 0" install
check "installed: ${installed[*]} in $instdir_win" installed_files
check "Start menu: 鼎衡股票计算器.lnk → stockcalc.exe, 交易费用与保本价.lnk → stockcalc.exe --fees" shortcuts_point_at_program
check "uninstall entry under $key, complete" entry_complete

# --- the program, started from each shortcut -------------------------------------
window_names() { LC_ALL=C.UTF-8 xwininfo -root -tree 2>/dev/null | grep -o '^ *0x[0-9a-f]* "[^"]*"' | sed 's/^ *0x[0-9a-f]* //'; }
shows() { # NAME SECONDS: the window named NAME is there within SECONDS
  local end=$((SECONDS + $2))
  until window_names | grep -qxF "\"$1\""; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.5
  done
}
close_program() { # WM_CLOSE to its windows; all gone within 10 s
  wine taskkill /im stockcalc.exe >/dev/null 2>&1
  local end=$((SECONDS + 10))
  while window_names | grep -qE '"(鼎衡股票计算器|交易费用与保本价)'; do
    if [ "$SECONDS" -ge "$end" ]; then
      wine taskkill /f /im stockcalc.exe >/dev/null 2>&1
      return 1
    fi
    sleep 0.5
  done
}
main_window="鼎衡股票计算器    作者：青松"
starts_main() { wine start /unix "$menu/鼎衡股票计算器.lnk" >/dev/null 2>&1 && shows "$main_window" 30; }
starts_fees_alone() {
  wine start /unix "$menu/交易费用与保本价.lnk" >/dev/null 2>&1 && shows 交易费用与保本价 30 &&
    ! window_names | grep -qxF "\"$main_window\""
}
check "鼎衡股票计算器.lnk starts the program: window \"$main_window\"" starts_main
check "the program closes on WM_CLOSE" close_program
check "交易费用与保本价.lnk opens the window 交易费用与保本价 alone" starts_fees_alone
check "the program closes on WM_CLOSE" close_program

# --- uninstall --------------------------------------------------------------------
# The uninstaller copies itself to the temporary folder (~nsuN.tmp), starts
# that copy and returns at once: wait, at most 60 s, until no program of this
# prefix runs from such a folder.
uninstaller_copy_running() {
  local p
  for p in /proc/[0-9]*; do
    grep -qzxF "WINEPREFIX=$WINEPREFIX" "$p/environ" 2>/dev/null || continue
    tr '\0' ' ' <"$p/cmdline" 2>/dev/null | grep -q '\\~nsu[^\\]*\.tmp\\' && return 0
  done
  return 1
}
uninstall() {
  wine "$instdir_win\\Uninstall.exe" /S || return 1
  local end=$((SECONDS + 60))
  while uninstaller_copy_running; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}
nothing_left() {
  local f
  for f in "${installed[@]}"; do [ ! -e "$instdir/$f" ] || return 1; done
  for f in "${shortcuts[@]}"; do [ ! -e "$menu/$f" ] || return 1; done
  [ ! -e "$menu" ] && ! wine reg query "$key" >/dev/null 2>&1
}
settings_kept() { [ "$(cat "$settings/stockcalc.ini" 2>/dev/null)" = "$1" ]; }
only_user_ini_left() {
  nothing_left && [ "$(ls -A "$instdir")" = stockcalc.ini ] && [ "$(cat "$instdir/stockcalc.ini")" = "[window]" ]
}

# The user's settings, as the program writes them; the uninstaller leaves them.
mkdir -p "$settings"
printf '[window]\r\nstay_on_top=true\r\n' >"$settings/stockcalc.ini"
user_settings=$(cat "$settings/stockcalc.ini")
check "silent uninstall (Uninstall.exe /S) finishes" uninstall
check "no installed file, shortcut, Start-menu folder or uninstall entry is left" nothing_left
check "the install folder is gone" test ! -e "$instdir"
check "the settings in %APPDATA%\\stockcalc are kept" settings_kept "$user_settings"

# A portable settings file the user put beside the program stays, and so does
# the folder that holds it.
check "silent install again" install
printf '[window]' >"$instdir/stockcalc.ini"
check "silent uninstall again" uninstall
check "nothing installed is left; the user's stockcalc.ini and its folder are" only_user_ini_left

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
