// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arith/form9.h"

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
          {"Label1", "被除数：", Default, {"Label4", Label, {208, 32, 60, 12}, "(精确到分)"}},
          {"Label2", "除数：", Default, {"Label5", Label, {208, 72, 48, 12}, "（整数）"}},
          {"Label3", "结果：", Default, {"Label6", Label, {208, 112, 60, 12}, "(精确到分)"}},
      }},
      .result_placeholder = "结果",
      .result_height = 25,
      .switch_row_top = 144,
      .command_row_top = 184,
      .compute_caption = "除法计算",
      .command4_caption = "乘法计算",
      .command5_caption = "加法计算",
  });
  return controls;
}

constexpr std::string_view kTabOrder[] = {"Text1",    "Text2",    "Text3",    "Command1",
                                          "Command2", "Command3", "Command4", "Command5"};

}  // namespace

const WindowLayout Form9::kLayout = {"Form9", "除法计算", 307, 231, LayoutTable(), kTabOrder};

Form9::Form9(Prompter& prompter) : Form(kLayout, prompter) {
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
}

void Form9::Command1_Click() {
  if (!CleanAndCheckOperands(prompter(), Text1, "请输入被除数！", Text2, "请输入除数！")) return;
  const double dividend = ParseLeadingNumber(Text1.Text());
  const double divisor = ParseLeadingNumber(Text2.Text());
  if (divisor == 0) {
    prompter().ShowMessage(kZeroDivisorMessage);
    return;
  }
  ComputeOrReport([&] { WriteResult(Text3, dividend / divisor); });
}

void Form9::Command2_Click() { ClearFields({&Text1, &Text2}); }

}  // namespace stockcalc
