// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/form.h"

namespace stockcalc {

// Division: dividend (Text1) / divisor (Text2), for valuations such as a
// price-earnings multiple.
class Form9 final : public Form {
 public:
  static const WindowLayout kLayout;
  static constexpr std::string_view kZeroDivisorMessage = "除数不能为零！";

  explicit Form9(Prompter& prompter);

  void Command1_Click();
  void Command2_Click();

 private:
  TextControl& Text1 = Control("Text1");  // dividend
  TextControl& Text2 = Control("Text2");  // divisor
  TextControl& Text3 = Control("Text3");  // quotient
};

}  // namespace stockcalc
