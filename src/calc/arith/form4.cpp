// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arith/form4.h"

#include "calc/arith/arith_window.h"
#include "fields/clean_field.h"
#include "fields/number_parse.h"
#include "fields/write_result.h"

namespace stockcalc {
namespace {

using enum ControlKind;
using enum TextColour;

const std::vector<ControlLayout>& LayoutTable() {
  static const std::vector<ControlLayout> controls = ArithControls({
      .rows = {{
          {"Label1", "进货价：", Default, {"Label4", Label, {200, 32, 78, 12}, "元 (精确到分)"}},
          {"Label2", "利润：", Red, {"Label3", Label, {200, 72, 78, 12}, "元 (精确到分)"}},
          {"Label6", "出货价：", Black, {"Label5", Label, {200, 112, 78, 12}, "元 (精确到分)"}},
      }},
      .second_operand_colour = Red,
      .result_placeholder = "结果",
      .result_height = 25,
      .switch_row_top = 136,
      .command_row_top = 176,
      .compute_caption = "加法计算",
      .command4_caption = "除法计算",
      .command5_caption = "乘法计算",
  });
  return controls;
}

constexpr std::string_view kTabOrder[] = {"Text1",    "Text2",    "Text3",    "Command1",
                                          "Command2", "Command3", "Command4", "Command5"};

}  // namespace

const WindowLayout Form4::kLayout = {"Form4", "加法计算", 307, 231, LayoutTable(), kTabOrder};

Form4::Form4(Prompter& prompter) : Form(kLayout, prompter) {
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
}

void Form4::Command1_Click() {
  if (!CleanAndCheckOperands(prompter(), Text1, "请输入进货价！", Text2, "请输入利润！")) return;
  const double purchase = ParseLeadingNumber(Text1.Text());
  const double profit = ParseLeadingNumber(Text2.Text());
  ComputeOrReport([&] { WriteResult(Text3, purchase + profit); });
}

// Clears the purchase price alone: the profit usually stays the same.
void Form4::Command2_Click() { ClearFields({&Text1}); }

}  // namespace stockcalc
