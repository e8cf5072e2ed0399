// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/form.h"

namespace stockcalc {

// Selling price = purchase price + profit.
class Form4 final : public Form {
 public:
  static const WindowLayout kLayout;

  explicit Form4(Prompter& prompter);

  void Command1_Click();
  void Command2_Click();

 private:
  TextControl& Text1 = Control("Text1");  // purchase price
  TextControl& Text2 = Control("Text2");  // profit
  TextControl& Text3 = Control("Text3");  // selling price
};

}  // namespace stockcalc
