// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string_view>

#include "fields/text_control.h"

namespace stockcalc {

// The title of every message box the program shows.
inline constexpr std::string_view kAppTitle = "鼎衡股票计算器";

// Shows a modal message (title kAppTitle, one OK button, no icon) and
// returns when the user has dismissed it. The widget layer shows a real
// message box; tests record the texts.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual void ShowMessage(std::string_view text) = 0;
};

// Tells the user that a required field is empty.
inline void ShowRequiredPrompt(Prompter& prompter, std::string_view prompt) { prompter.ShowMessage(prompt); }

struct RequiredField {
  const TextControl& box;
  std::string_view prompt;
};

// Checks the fields in order; at the first whose text is exactly empty it
// shows that field's prompt and returns false. A text of blanks is not empty.
bool RequiredFieldsFilled(Prompter& prompter, std::initializer_list<RequiredField> fields);

}  // namespace stockcalc
