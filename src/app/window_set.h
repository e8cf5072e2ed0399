// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "app/form_window.h"
#include "app/qt_settings_store.h"
#include "app/switch_table.h"
#include "calc/forms.h"

namespace stockcalc {

// The nine windows, one instance each, created on first use: the first time
// a window is shown or another window reads its position. A created window
// lives until the set is destroyed at the end of the program. Beside them,
// the trading-costs window, opened from any window's context menu.
class WindowSet final : public WindowCommands {
 public:
  WindowSet();
  ~WindowSet() override;
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  // Creates the main window and shows it.
  void Start();
  // Starts with the trading-costs window alone, centred on the screen.
  void StartWithFees();

  // Window FormN, created and loaded now if it does not exist yet.
  FormWindow& Window(int number);
  // Window FormN (or kFeesForm) if it exists, else nullptr; never creates.
  [[nodiscard]] FormWindow* Existing(int number) const;

  // Moves the user from one window to another, the target taking the
  // source's top-left corner.
  void SwitchWindow(int from, int to, SwitchOrder order);

  void OpenFeesWindow(FormWindow& from) override;
  void SetStayOnTop(bool on) override;
  [[nodiscard]] bool StaysOnTop() const { return stay_on_top_; }

 private:
  FormWindow& FeesWindow(FormWindow* beside);
  void Place(FormWindow& window, int number);
  void PlaceBeside(FormWindow& window, const FormWindow& other);
  void Created(FormWindow& window) const;

  std::array<std::unique_ptr<FormWindow>, kFormCount> windows_;
  std::unique_ptr<FormWindow> fees_;
  QtSettingsStore settings_;
  bool stay_on_top_ = false;
};

}  // namespace stockcalc
