// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "calc/form.h"

namespace stockcalc {

// Prices at which to add to a position after three staged falls.
class Form8 final : public Form {
 public:
  static const WindowLayout kLayout;

  explicit Form8(Prompter& prompter);

  void Command1_Click();
  void Command2_Click();

 private:
  // The three stages are alike and differ only in their controls.
  struct Stage {
    TextControl& fall;        // fall in per cent (input)
    std::string_view prompt;  // shown when the fall is empty
    TextControl& price;       // add price (output)
    TextControl& distance;    // add price minus close (output)
  };

  TextControl& Text1 = Control("Text1");  // yesterday's close P
  std::array<Stage, 3> stages_{{
      {Control("Text2"), "请输入跌幅1！", Control("Text3"), Control("Label15")},
      {Control("Text4"), "请输入跌幅2！", Control("Text5"), Control("Label16")},
      {Control("Text6"), "请输入跌幅3！", Control("Text7"), Control("Label17")},
  }};
};

}  // namespace stockcalc
