// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

namespace stockcalc {

// The layout tables are drawn at 96 DPI (100 % scaling). The functions that
// know a monitor's own DPI arrived after Windows 7, so each is looked up at
// run time and falls back to the system DPI where it is missing.

inline constexpr int kLayoutDpi = 96;

// Asks for per-monitor DPI awareness (v2, else v1, else system-wide), for
// when the manifest's request was not honoured.
void BecomeDpiAware();

// The DPI of the monitor the window is on.
int DpiOf(HWND window);

// A length of the layout tables at `dpi`.
inline int Scale(int layout_pixels, int dpi) { return MulDiv(layout_pixels, dpi, kLayoutDpi); }

// The outer size of a window whose client area is `client` at `dpi`.
SIZE OuterSize(SIZE client, DWORD style, DWORD ex_style, int dpi);

}  // namespace stockcalc
