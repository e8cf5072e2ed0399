// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>

namespace stockcalc {

enum class ControlKind {
  Label,
  TextBox,    // a box the user types into
  ResultBox,  // a box the program writes a result into; the user can select and copy it
  Button,
};

// The text of one control: a label's caption, a text box's text or a
// button's caption. A window's state is nothing but these texts, so the
// calculators work on them directly; the widget layer copies typed text in
// before a click and shows every changed text afterwards.
class TextControl {
 public:
  explicit TextControl(ControlKind kind, std::string text = {}) : kind_(kind), text_(std::move(text)) {}

  [[nodiscard]] ControlKind Kind() const { return kind_; }
  [[nodiscard]] const std::string& Text() const { return text_; }

  void SetText(std::string text) {
    if (text != text_) {
      text_ = std::move(text);
      changed_ = true;
    }
  }

  // True when the text changed since the widget layer last showed it.
  [[nodiscard]] bool Changed() const { return changed_; }
  void MarkShown() { changed_ = false; }

 private:
  ControlKind kind_;
  std::string text_;
  bool changed_ = false;
};

}  // namespace stockcalc
