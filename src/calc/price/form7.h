// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/form.h"

namespace stockcalc {

// A price compounded over a number of equal consecutive rises or falls.
class Form7 final : public Form {
 public:
  static const WindowLayout kLayout;

  explicit Form7(Prompter& prompter);

  void Command1_Click();
  void Command2_Click();

 private:
  TextControl& Text1 = Control("Text1");    // base price P
  TextControl& Text2 = Control("Text2");    // count N
  TextControl& Text5 = Control("Text5");    // percentage per step
  TextControl& Text3 = Control("Text3");    // price after N rises
  TextControl& Text4 = Control("Text4");    // price after N falls
  TextControl& Label7 = Control("Label7");  // rise amount
  TextControl& Label8 = Control("Label8");  // fall amount
};

}  // namespace stockcalc
