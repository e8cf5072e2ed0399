// SPDX-License-Identifier: GPL-3.0-or-later
// stockcalc.exe: calculators for stock traders, the Windows edition.
//
// How data flows: the user types into a window's Edit boxes; a click copies
// the typed texts (UTF-16, turned into UTF-8 at the one crossing in utf16.h)
// into that window's calculator (src/calc), which cleans each text, reads a
// number from it, computes, and writes each result back as text rounded to
// the cent. The window then shows every text that changed. The calculators,
// the window set's rules and the command line are the same code as the
// Linux edition's; this folder only binds them to Win32 controls.

#include <windows.h>
#include <commctrl.h>

#include "win32/command_line.h"
#include "win32/dpi.h"
#include "win32/window_set.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/, int /*show*/) {
  stockcalc::BecomeDpiAware();
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  stockcalc::LaunchOptions options;
  if (const auto status = stockcalc::ReadCommandLine(options)) return *status;

  stockcalc::FormWindow::RegisterClass(instance);
  stockcalc::WindowSet windows;
  if (options.fees) {
    windows.StartWithFees();
  } else {
    windows.Start();
  }

  // Ctrl+F and Ctrl+T in every window; Tab and Space move and press as in a
  // dialog; Enter is each control's own.
  const HACCEL shortcuts = stockcalc::FormWindow::Accelerators();
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    HWND window = GetAncestor(message.hwnd, GA_ROOT);
    if (window != nullptr) {
      if (TranslateAcceleratorW(window, shortcuts, &message) != 0) continue;
      if (IsDialogMessageW(window, &message) != FALSE) continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
