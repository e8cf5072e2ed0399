#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what a Windows program imports, so that it starts on a bare Windows 7
# SP1 from any folder: only DLLs that come with Windows (no libstdc++-6.dll,
# libgcc_s_*.dll or libwinpthread-1.dll beside it), no function that Windows 7
# lacks (those are looked up with GetProcAddress when present), and a
# subsystem version Windows 7 accepts.
# Usage: tools/check-windows-imports.sh [PROGRAM.exe...]  (build-win/stockcalc.exe)
set -euo pipefail
[ $# -gt 0 ] || set -- "$(dirname "$0")/../build-win/stockcalc.exe"

# Windows 7's own DLLs a desktop program may link to.
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll msvcrt.dll
  advapi32.dll shell32.dll shlwapi.dll ole32.dll oleaut32.dll oleacc.dll uxtheme.dll
  dwmapi.dll imm32.dll version.dll winmm.dll usp10.dll ws2_32.dll crypt32.dll "

# Functions of Windows 8 and later that a toolchain or a DPI-aware program
# easily imports by accident.
newer_functions=" GetDpiForWindow GetDpiForSystem GetSystemMetricsForDpi
  AdjustWindowRectExForDpi SystemParametersInfoForDpi EnableNonClientDpiScaling
  SetThreadDpiAwarenessContext GetThreadDpiAwarenessContext SetProcessDpiAwarenessContext
  GetWindowDpiAwarenessContext AreDpiAwarenessContextsEqual GetAwarenessFromDpiAwarenessContext
  SetProcessDpiAwareness GetProcessDpiAwareness GetDpiForMonitor
  GetSystemTimePreciseAsFileTime CreateFile2 GetCurrentThreadStackLimits
  SetThreadDescription GetThreadDescription WaitOnAddress WakeByAddressSingle WakeByAddressAll
  SetDefaultDllDirectories AddDllDirectory RemoveDllDirectory "

status=0
for exe in "$@"; do
  if [ ! -f "$exe" ]; then
    echo "check-windows-imports: $exe: no such file" >&2
    status=1
    continue
  fi
  dump=$(x86_64-w64-mingw32-objdump -p "$exe")
  # One "DLL function" line for every import.
  imports=$(awk '
    /^\tDLL Name: / { dll = tolower($3); print dll, "-"; next }
    /^\t[0-9a-f]+\t/ && dll != "" { print dll, $3 }
    /^$/ { dll = "" }' <<<"$dump")
  bad=()
  while read -r dll function; do
    if [ "$function" = "-" ]; then
      case "$dll" in
        lib*.dll) bad+=("$dll: a toolchain DLL, link it statically") ;;
        *) [[ "$system_dlls" == *[[:space:]]"$dll"[[:space:]]* ]] || bad+=("$dll: not a DLL of Windows 7") ;;
      esac
    elif [[ "$newer_functions" == *[[:space:]]"$function"[[:space:]]* ]]; then
      bad+=("$dll!$function: newer than Windows 7, look it up at run time")
    fi
  done <<<"$imports"
  major=$(awk '/^MajorSubsystemVersion/ { print $2 }' <<<"$dump")
  minor=$(awk '/^MinorSubsystemVersion/ { print $2 }' <<<"$dump")
  if [ -z "$major" ] || [ $((major * 100 + minor)) -gt 601 ]; then
    bad+=("subsystem version ${major:-?}.${minor:-?}: Windows 7 needs 6.1 or lower")
  fi
  dlls=$(awk '$2 == "-" { printf " %s", $1 }' <<<"$imports")
  count=$(awk '$2 != "-"' <<<"$imports" | wc -l)
  if [ $count -eq 0 ]; then
    bad+=("no imports found: not a program objdump can read")
  fi
  if [ ${#bad[@]} -gt 0 ]; then
    for problem in "${bad[@]}"; do echo "$exe: $problem" >&2; done
    status=1
  else
    echo "$exe: $count functions from Windows' own DLLs only:$dlls"
  fi
done
exit $status
