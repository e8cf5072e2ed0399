// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/form.h"

namespace stockcalc {

// The day's limit-up and limit-down prices, 10 % either side of the close.
class Form3 final : public Form {
 public:
  static const WindowLayout kLayout;

  explicit Form3(Prompter& prompter);

  void Command1_Click();
  void Command2_Click();

 private:
  TextControl& Text1 = Control("Text1");      // yesterday's close C
  TextControl& Text2 = Control("Text2");      // limit-up price U
  TextControl& Text3 = Control("Text3");      // limit-down price L
  TextControl& Label8 = Control("Label8");    // rise U - C
  TextControl& Label10 = Control("Label10");  // fall L - C
};

}  // namespace stockcalc
