// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "app/form_window.h"
#include "app/switch_table.h"
#include "calc/forms.h"

namespace stockcalc {

// The nine windows, one instance each, created on first use: the first time
// a window is shown or another window reads its position. A created window
// lives until the set is destroyed at the end of the program.
class WindowSet {
 public:
  WindowSet();
  ~WindowSet();
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  // Creates the main window and shows it.
  void Start();

  // Window FormN, created and loaded now if it does not exist yet.
  FormWindow& Window(int number);
  // Window FormN if it exists, else nullptr; never creates.
  [[nodiscard]] FormWindow* Existing(int number) const;

  // Moves the user from one window to another, the target taking the
  // source's top-left corner.
  void SwitchWindow(int from, int to, SwitchOrder order);

 private:
  void Place(FormWindow& window, int number);

  std::array<std::unique_ptr<FormWindow>, kFormCount> windows_;
};

}  // namespace stockcalc
