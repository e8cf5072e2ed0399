// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arith/arith_window.h"

#include "fields/clean_field.h"

namespace stockcalc {

namespace {

// "进货价：" names its box "进货价" for screen readers.
std::string_view WithoutColon(std::string_view caption) {
  constexpr std::string_view kColon = "：";
  if (caption.ends_with(kColon)) caption.remove_suffix(kColon.size());
  return caption;
}

}  // namespace

std::vector<ControlLayout> ArithControls(const ArithLayout& layout) {
  using enum ControlKind;
  constexpr int kPromptLeft = 24;
  constexpr int kBoxLeft = 104;
  constexpr int kPromptTops[] = {24, 72, 112};
  constexpr int kBoxTops[] = {24, 64, 104};
  constexpr std::string_view kBoxNames[] = {"Text1", "Text2", "Text3"};

  std::vector<ControlLayout> controls;
  for (std::size_t i = 0; i < layout.rows.size(); ++i) {
    const ArithLayout::Row& row = layout.rows[i];
    const bool result = i == 2;
    controls.push_back({row.prompt_name,
                        Label,
                        {kPromptLeft, kPromptTops[i], 36, 12},
                        row.prompt_caption,
                        row.prompt_colour});
    controls.push_back(
        {kBoxNames[i],
         result ? ResultBox : TextBox,
         {kBoxLeft, kBoxTops[i], 89, result ? layout.result_height : 25},
         result ? layout.result_placeholder : "",
         result ? TextColour::Red : (i == 1 ? layout.second_operand_colour : TextColour::Default),
         result ? FontStyle::BoldResult : FontStyle::Default,
         WithoutColon(row.prompt_caption)});
    controls.push_back(row.unit);
  }
  controls.insert(controls.end(), layout.extra.begin(), layout.extra.end());
  controls.push_back({"Command5", Button, {120, layout.switch_row_top, 86, 28}, layout.command5_caption});
  controls.push_back({"Command4", Button, {208, layout.switch_row_top, 86, 28}, layout.command4_caption});
  controls.push_back({"Command1", Button, {16, layout.command_row_top, 86, 28}, layout.compute_caption});
  controls.push_back({"Command2", Button, {112, layout.command_row_top, 86, 28}, "清空文本框"});
  controls.push_back({"Command3", Button, {208, layout.command_row_top, 86, 28}, "切换回去"});
  return controls;
}

bool CleanAndCheckOperands(Prompter& prompter, TextControl& first, std::string_view first_prompt,
                           TextControl& second, std::string_view second_prompt) {
  CleanNumberField(first, units::kYuan);
  CleanNumberField(second, units::kYuanPercent);
  return RequiredFieldsFilled(prompter, {{first, first_prompt}, {second, second_prompt}});
}

}  // namespace stockcalc
