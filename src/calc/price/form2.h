// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/form.h"

namespace stockcalc {

// Percent change between a closing price and an opening price.
class Form2 final : public Form {
 public:
  static const WindowLayout kLayout;
  static constexpr std::string_view kZeroOpeningMessage = "开盘价不能为零，无法计算涨跌幅！";

  explicit Form2(Prompter& prompter);

  void Command1_Click();
  void Command2_Click();

 private:
  TextControl& Text1 = Control("Text1");    // closing price A
  TextControl& Text2 = Control("Text2");    // opening price B
  TextControl& Text3 = Control("Text3");    // percent change
  TextControl& Label8 = Control("Label8");  // change amount A - B
};

}  // namespace stockcalc
