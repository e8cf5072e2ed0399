// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "calc/form.h"
#include "calc/forms.h"

namespace stockcalc {

// One calculator window on the screen. It builds its widgets from the
// window's layout table and keeps them in step with the calculator's texts:
// typed text goes in before a handler runs, changed texts come out after it
// (and before any message box, so the user sees the cleaned inputs).
class FormWindow final : public QWidget, public Prompter {
 public:
  // Called for a button that the calculator does not handle itself.
  using SwitchHandler = std::function<void(std::string_view button)>;

  // Window FormN with its calculator; its load step has not run yet.
  FormWindow(int number, SwitchHandler on_switch);
  ~FormWindow() override;

  [[nodiscard]] Form& Calculator() { return *form_; }

  // Runs the calculator's load step and shows its texts.
  void Load();

  // The window's outer position and size in pixels, held as floating point:
  // the screen shows the nearest whole pixel. A window the user has dragged
  // reads where it now stands.
  [[nodiscard]] double Top() const;
  [[nodiscard]] double Left() const;
  void SetTop(double top);
  void SetLeft(double left);
  [[nodiscard]] double OuterWidth() const;
  [[nodiscard]] double OuterHeight() const;

  void ShowMessage(std::string_view text) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildWidgets();
  void OnButton(std::string_view button);
  void TakeTypedTexts();
  void ShowLoadedTexts();
  void ShowChangedTexts();

  std::unique_ptr<Form> form_;
  SwitchHandler on_switch_;
  std::vector<QWidget*> widgets_;  // one per control, in layout-table order
  double top_ = 0.0;
  double left_ = 0.0;
};

}  // namespace stockcalc
