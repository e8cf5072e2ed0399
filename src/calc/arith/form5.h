// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/form.h"

namespace stockcalc {

// Amount = price per share x number of shares, with the lots of 100 shares.
class Form5 final : public Form {
 public:
  static const WindowLayout kLayout;

  explicit Form5(Prompter& prompter);

  void Command1_Click();
  void Command2_Click();

 private:
  TextControl& Text1 = Control("Text1");    // price per share
  TextControl& Text2 = Control("Text2");    // number of shares
  TextControl& Text3 = Control("Text3");    // amount
  TextControl& Label9 = Control("Label9");  // lots
};

}  // namespace stockcalc
