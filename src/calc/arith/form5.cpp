// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arith/form5.h"

#include "calc/arith/arith_window.h"
#include "fields/clean_field.h"
#include "fields/number_parse.h"
#include "fields/write_result.h"

namespace stockcalc {
namespace {

using enum ControlKind;
using enum TextColour;

constexpr ControlLayout kLots[] = {
    {"Label9", Label, {232, 72, 48, 14}, "", Red, FontStyle::BoldResult},
    {"Label10", Label, {280, 72, 12, 12}, "手"},
};

const std::vector<ControlLayout>& LayoutTable() {
  static const std::vector<ControlLayout> controls = ArithControls({
      .rows = {{
          {"Label1", "单价：", Default, {"Label4", Label, {200, 32, 78, 12}, "元 (精确到分)"}},
          {"Label2", "数量：", Default, {"Label3", Label, {200, 72, 12, 12}, "股"}},
          {"Label5", "金额：", Default, {"Label6", Label, {200, 112, 78, 12}, "元 (精确到分)"}},
      }},
      .result_placeholder = "金额",
      .result_height = 33,
      .switch_row_top = 144,
      .command_row_top = 184,
      .compute_caption = "乘法计算",
      .command4_caption = "除法计算",
      .command5_caption = "加法计算",
      .extra = kLots,
  });
  return controls;
}

constexpr std::string_view kTabOrder[] = {"Text1", "Text2",    "Command1", "Command2",
                                          "Text3", "Command3", "Command4", "Command5"};

}  // namespace

const WindowLayout Form5::kLayout = {"Form5", "乘法计算", 307, 231, LayoutTable(), kTabOrder};

Form5::Form5(Prompter& prompter) : Form(kLayout, prompter) {
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
}

void Form5::Command1_Click() {
  if (!CleanAndCheckOperands(prompter(), Text1, "请输入每股价格！", Text2, "请输入股票数量！")) return;
  ComputeOrReport([&] {
    // Whole texts; one that is not a number as a whole (300股: "股" is not
    // stripped here) counts by its leading number.
    const double shares = ParseWholeOrLeadingNumber(Text2.Text());
    WriteResult(Text3, ParseWholeOrLeadingNumber(Text1.Text()) * shares, {.read_back = ReadBack::Whole});
    // Lots of 100 shares, not truncated: 150 shares are 2 lots, 349 are 4.
    WriteResult(Label9, shares / 100,
                {.prefix = " ", .round_places = 1, .format_places = 0, .read_back = ReadBack::Leading});
  });
}

void Form5::Command2_Click() { ClearFields({&Text1, &Text2}); }

}  // namespace stockcalc
