// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "calc/layout.h"
#include "fields/prompt.h"
#include "fields/text_control.h"

namespace stockcalc {

// The layout the three arithmetic windows share: two operand rows and a
// result row (prompt at the left, box, unit note), the result box red and
// bold, two switch buttons to the siblings above compute, clear and back.
// What differs between the windows is this data.
struct ArithLayout {
  struct Row {
    std::string_view prompt_name;  // "Label1"
    std::string_view prompt_caption;
    TextColour prompt_colour = TextColour::Default;
    ControlLayout unit;  // the note beside the box
  };
  std::array<Row, 3> rows;  // first operand, second operand, result
  TextColour second_operand_colour = TextColour::Default;
  std::string_view result_placeholder;
  int result_height = 25;
  int switch_row_top = 0;   // Command5 and Command4
  int command_row_top = 0;  // Command1 to Command3
  std::string_view compute_caption;
  std::string_view command4_caption;
  std::string_view command5_caption;
  std::span<const ControlLayout> extra;  // controls only one window has
};

// The layout table of one arithmetic window.
std::vector<ControlLayout> ArithControls(const ArithLayout& layout);

// The first steps of every arithmetic compute button: both operand boxes
// cleaned ("元" from both, "%" from the second too), then checked in order.
// Returns false after showing the prompt of the first empty box.
bool CleanAndCheckOperands(Prompter& prompter, TextControl& first, std::string_view first_prompt,
                           TextControl& second, std::string_view second_prompt);

}  // namespace stockcalc
