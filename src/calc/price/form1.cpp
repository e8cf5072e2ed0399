// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/price/form1.h"

#include "fields/clean_field.h"
#include "fields/number_parse.h"
#include "fields/write_result.h"

namespace stockcalc {
namespace {

using enum ControlKind;
using enum TextColour;

constexpr ControlLayout kControls[] = {
    {"Label1", Label, {24, 24, 36, 12}, "昨天收盘价："},
    {"Text1", TextBox, {104, 24, 89, 25}, "", Default, FontStyle::Default, "昨天收盘价"},
    {"Label8", Label, {200, 32, 12, 12}, "", Red},
    {"Label4", Label, {232, 32, 12, 12}, "↑："},
    {"Label9", Label, {264, 32, 36, 12}, ""},
    {"Label2", Label, {24, 72, 36, 12}, "涨跌幅："},
    {"Text2", TextBox, {104, 64, 89, 25}, "1.50", Default, FontStyle::Default, "涨跌幅"},
    {"Label3", Label, {200, 72, 60, 12}, "% 如：1.55"},
    {"Label6", Label, {24, 112, 36, 12}, "最低价："},
    {"Text3", ResultBox, {104, 104, 89, 33}, "最低价", Default, FontStyle::Default, "最低价"},
    {"Label5", Label, {200, 112, 6, 12}, "↓下跌："},
    {"Label7", Label, {240, 112, 36, 12}, "", Green},
    {"Command1", Button, {16, 152, 86, 28}, "止盈止损价"},
    {"Command2", Button, {112, 152, 86, 28}, "补仓成本"},
    {"Command3", Button, {208, 152, 86, 28}, "涨跌幅切换"},
    {"Command6", Button, {16, 192, 46, 28}, "乘法"},
    {"Command7", Button, {56, 192, 46, 28}, "除法"},
    {"Command5", Button, {112, 192, 86, 28}, "复利计算器"},
    {"Command4", Button, {208, 192, 86, 28}, "涨停价切换"},
};

constexpr std::string_view kTabOrder[] = {"Text1",    "Text2",    "Command1", "Command2", "Text3",
                                          "Command3", "Command4", "Command5", "Command6", "Command7"};

}  // namespace

const WindowLayout Form1::kLayout = {"Form1", "鼎衡股票计算器    作者：青松", 307, 231, kControls, kTabOrder};

Form1::Form1(Prompter& prompter) : Form(kLayout, prompter) {
  OnClick("Command1", [this] { Command1_Click(); });
}

void Form1::Command1_Click() {
  CleanNumberField(Text1, units::kYuan);
  CleanNumberField(Text2, units::kYuanPercent);
  const double close = ParseLeadingNumber(Text1.Text());
  const double percent = ParseLeadingNumber(Text2.Text());
  if (!RequiredFieldsFilled(prompter(), {{Text1, "请输入昨天收盘价！"}, {Text2, "请输入涨跌幅！"}})) {
    return;
  }
  ComputeOrReport([&] {
    const double fraction = percent / 100;
    WriteResult(Text3, close - fraction * close);
    // Everything after the stop-loss price uses the price as shown, to the cent.
    const double fall = close - ReadNumber(Text3);
    WriteRoundedResult(Label7, fall, {.suffix = "元"});
    WriteResult(Label8, close + fall);
    WriteResult(Label9, fall * 2, {.suffix = "元"});
  });
}

}  // namespace stockcalc
