// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window_set.h"
#include "win32/form_window.h"
#include "win32/look.h"

namespace stockcalc {

// The fonts of the windows: a base of the window set, so that they are made
// before the first window and destroyed after the last.
struct WindowFonts {
  FontCache fonts;
};

// The program's windows as Win32 windows, under the window set's rules: the
// primary monitor's size and work area, and the settings in stockcalc.ini.
class WindowSet final : private WindowFonts, public BasicWindowSet<FormWindow> {
 public:
  WindowSet();
};

}  // namespace stockcalc
