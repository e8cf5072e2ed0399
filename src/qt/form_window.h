// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>
#include <string_view>
#include <vector>

#include "qt/qt_settings_store.h"
#include "calc/form.h"
#include "calc/forms.h"
#include "shell/window_commands.h"

class QAction;

namespace stockcalc {

// One calculator window on the screen. It builds its widgets from the
// window's layout table and keeps them in step with the calculator's texts:
// typed text goes in before a handler runs, changed texts come out after it
// (and before any message box, so the user sees the cleaned inputs).
class FormWindow final : public QWidget, public Prompter {
 public:
  // Window FormN with its calculator (kFeesForm for the trading-costs
  // window); its load step has not run yet. Buttons that the calculator
  // does not handle itself and the context menu go to `commands`. Closing
  // one of the nine ends the program; closing the trading-costs window
  // only hides it.
  explicit FormWindow(int number, WindowCommands* commands = nullptr);
  ~FormWindow() override;

  [[nodiscard]] Form& Calculator() { return *form_; }

  // Runs the calculator's load step and shows its texts.
  void Load();

  // What the window set does with a window: show it (not modal, no owner),
  // hide it, bring it to the front, give it the keyboard focus.
  void Show() { show(); }
  void Hide() { hide(); }
  void Raise() { raise(); }
  void Activate() { activateWindow(); }

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

  // Shows whether the window stays above other programs' windows.
  void SetStaysOnTop(bool on);

  // The context menu's entries: 交易费用与保本价…, 窗口置顶 and 复制全部.
  [[nodiscard]] QList<QAction*> MenuActions() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildWidgets();
  void BuildMenuActions();
  void CopyAll();
  void ShowColours();
  void OnButton(std::string_view button);
  void TakeTypedTexts();
  // Load texts stand as the layout table draws them, overlaps and all;
  // what a click writes shows in full wherever the layout leaves room.
  enum class Fit { Captions, Results };
  void ShowChangedTexts(Fit fit = Fit::Results);

  QtSettingsStore settings_;  // what the trading-costs window remembers
  std::unique_ptr<Form> form_;
  int number_ = 0;
  bool ends_program_ = true;
  WindowCommands* commands_ = nullptr;
  std::vector<QWidget*> widgets_;          // one per control, in layout-table order
  std::vector<TextColour> shown_colours_;  // the text colour each control shows
  QAction* fees_action_ = nullptr;
  QAction* stay_on_top_action_ = nullptr;
  QAction* copy_action_ = nullptr;
  double top_ = 0.0;
  double left_ = 0.0;
};

}  // namespace stockcalc
