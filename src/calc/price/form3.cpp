// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/price/form3.h"

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
    {"Label4", Label, {200, 32, 78, 12}, "元 (精确到分)"},
    {"Label2", Label, {24, 72, 36, 12}, "涨停价：", Red},
    {"Text2", ResultBox, {104, 64, 89, 25}, "涨停价", Red, FontStyle::Default, "涨停价"},
    {"Label3", Label, {200, 72, 78, 12}, "元 (精确到分)"},
    {"Label6", Label, {24, 112, 36, 12}, "跌停价：", Green},
    {"Text3", ResultBox, {104, 104, 89, 25}, "跌停价", Green, FontStyle::Default, "跌停价"},
    {"Label5", Label, {200, 112, 78, 12}, "元 (精确到分)"},
    {"Label7", Label, {32, 136, 36, 12}, "上涨：", Red},
    {"Label8", Label, {104, 136, 36, 12}, "", Red},
    {"Command4", Button, {208, 144, 86, 28}, "连续涨跌停"},
    {"Label9", Label, {32, 160, 36, 12}, "下跌：", Green},
    {"Label10", Label, {104, 160, 42, 12}, "", Green},
    {"Command1", Button, {16, 176, 86, 28}, "计算涨停价"},
    {"Command2", Button, {112, 176, 86, 28}, "清空文本框"},
    {"Command3", Button, {208, 176, 86, 28}, "切换回去"},
};

constexpr std::string_view kTabOrder[] = {"Command3", "Command2", "Command1", "Text3",
                                          "Text2",    "Text1",    "Command4"};

constexpr double kLimitUp = 1.1;
constexpr double kLimitDown = 0.9;

}  // namespace

const WindowLayout Form3::kLayout = {"Form3", "涨停价、跌停价计算", 307, 231, kControls, kTabOrder};

Form3::Form3(Prompter& prompter) : Form(kLayout, prompter) {
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
}

void Form3::Command1_Click() {
  CleanNumberField(Text1, units::kYuan);
  const double close = ParseLeadingNumber(Text1.Text());
  if (!RequiredFieldsFilled(prompter(), {{Text1, "请输入昨天收盘价！"}})) return;
  ComputeOrReport([&] {
    WriteResult(Text2, close * kLimitUp);
    WriteResult(Text3, close * kLimitDown);
    // The distances are taken from the limit prices as shown, to the cent.
    WriteResult(Label8, ReadNumber(Text2) - ReadNumber(Text1), {.suffix = "元"});
    WriteResult(Label10, ReadNumber(Text3) - ReadNumber(Text1), {.suffix = "元"});
  });
}

void Form3::Command2_Click() { ClearFields({&Text1}); }

}  // namespace stockcalc
