// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace stockcalc {

// What a window on the screen asks of the program's window set: the
// buttons that the calculator does not handle itself, and the entries of
// the window's context menu.
class WindowCommands {
 public:
  virtual ~WindowCommands() = default;
  // Runs the switch button `button` of window `from`, if it is one.
  virtual void Switch(int from, std::string_view button) = 0;
  // Opens the trading-costs window beside window `from`, or raises it.
  virtual void OpenFeesWindow(int from) = 0;
  // Keeps every window of the program above other programs' windows, or not.
  virtual void SetStayOnTop(bool on) = 0;
};

}  // namespace stockcalc
