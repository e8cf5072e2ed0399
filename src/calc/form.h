// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/layout.h"
#include "fields/no_result.h"
#include "fields/prompt.h"
#include "fields/text_control.h"

namespace stockcalc {

// One calculator window without any toolkit: the texts of its controls,
// built from its layout table, and its click handlers. The widget layer
// shows these texts and forwards clicks; tests drive them directly.
class Form {
 public:
  // Shown when a computation has no finite result.
  static constexpr std::string_view kOutOfRangeMessage = "计算结果超出数值范围，请检查输入的数字！";

  Form(const WindowLayout& layout, Prompter& prompter);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  [[nodiscard]] const WindowLayout& Layout() const { return layout_; }
  [[nodiscard]] std::vector<TextControl>& Controls() { return controls_; }
  [[nodiscard]] const std::vector<TextControl>& Controls() const { return controls_; }

  // The control of that name; throws std::out_of_range for an unknown name.
  TextControl& Control(std::string_view name);

  // Sets every control's text as the layout table gives it after load.
  virtual void Form_Load();
  [[nodiscard]] int LoadCount() const { return load_count_; }

  // Runs this window's own handler of a button (compute, clear). Returns
  // false for a button the window does not handle itself (a switch button).
  bool Click(std::string_view button);

  // The text colour a control shows now: its layout's, unless the window
  // colours a result by its sign.
  [[nodiscard]] virtual TextColour Colour(std::size_t control) const {
    return layout_.controls[control].colour;
  }

 protected:
  void OnClick(std::string_view button, std::function<void()> handler);

  // Runs a computation. When it has no finite result the texts are put
  // back as they were before it started and kOutOfRangeMessage shows.
  // A template, so the computation's lambda is called in place rather than
  // copied into a std::function on every click.
  template <typename Compute>
  void ComputeOrReport(Compute&& compute) {
    KeepTexts();
    try {
      compute();
    } catch (const NoResult&) {
      PutTextsBack();
    }
  }

  Prompter& prompter() { return prompter_; }

  // Sets a control's text back to what its layout table gives it after load.
  void ShowLoadText(TextControl& control);

 private:
  void KeepTexts();
  void PutTextsBack();

  const WindowLayout& layout_;
  Prompter& prompter_;
  std::vector<TextControl> controls_;
  std::vector<std::pair<std::string_view, std::function<void()>>> handlers_;
  std::vector<std::string> kept_texts_;  // reused: a click allocates nothing to keep them
  int load_count_ = 0;
};

}  // namespace stockcalc
