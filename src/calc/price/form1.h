// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/form.h"

namespace stockcalc {

// The main window: take-profit and stop-loss prices from yesterday's close
// and a percentage. Its other buttons switch windows.
class Form1 final : public Form {
 public:
  static const WindowLayout kLayout;

  explicit Form1(Prompter& prompter);

  void Command1_Click();

 private:
  TextControl& Text1 = Control("Text1");    // yesterday's close C
  TextControl& Text2 = Control("Text2");    // percentage p
  TextControl& Text3 = Control("Text3");    // stop-loss price D
  TextControl& Label7 = Control("Label7");  // fall amount C - D
  TextControl& Label8 = Control("Label8");  // take-profit price C + (C - D)
  TextControl& Label9 = Control("Label9");  // distance (C - D) * 2
};

}  // namespace stockcalc
