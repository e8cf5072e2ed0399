// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/form.h"

namespace stockcalc {

// The average cost of a position bought in two lots.
class Form6 final : public Form {
 public:
  static const WindowLayout kLayout;
  static constexpr std::string_view kZeroSharesMessage = "总股数为零，无法计算平均股价！";

  explicit Form6(Prompter& prompter);

  void Command1_Click();
  void Command2_Click();

 private:
  TextControl& Text1 = Control("Text1");      // buy price P1
  TextControl& Text2 = Control("Text2");      // buy quantity Q1
  TextControl& Text3 = Control("Text3");      // add price P2
  TextControl& Text4 = Control("Text4");      // add quantity Q2
  TextControl& Text5 = Control("Text5");      // average price
  TextControl& Label7 = Control("Label7");    // average price line
  TextControl& Label9 = Control("Label9");    // cost of the first lot
  TextControl& Label13 = Control("Label13");  // total cost
  TextControl& Label14 = Control("Label14");  // cost of the added lot
  TextControl& Label15 = Control("Label15");  // total number of shares
};

}  // namespace stockcalc
