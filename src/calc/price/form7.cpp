// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/price/form7.h"

#include <cmath>

#include "fields/clean_field.h"
#include "fields/number_parse.h"
#include "fields/number_text.h"
#include "fields/write_result.h"

namespace stockcalc {
namespace {

using enum ControlKind;
using enum TextColour;

constexpr ControlLayout kControls[] = {
    {"Label1", Label, {16, 32, 36, 12}, "昨天收盘价："},
    {"Text1", TextBox, {88, 24, 89, 25}, "", Default, FontStyle::Default, "昨天收盘价"},
    {"Label3", Label, {192, 32, 78, 12}, "元 (精确到分)"},
    {"Label2", Label, {16, 64, 36, 12}, "数量："},
    {"Text2", TextBox, {88, 56, 89, 25}, "", Default, FontStyle::Default, "数量"},
    {"Label4", Label, {192, 64, 42, 12}, "个 (年)"},
    {"Label9", Label, {16, 96, 36, 12}, "涨幅："},
    {"Text5", TextBox, {88, 88, 89, 25}, "10", Default, FontStyle::Default, "涨幅"},
    {"Label10", Label, {192, 96, 48, 12}, "% 如：10"},
    {"Label5", Label, {16, 136, 36, 12}, "连涨价：", Red},
    {"Text3", ResultBox, {88, 120, 89, 28}, "连涨价", Red, FontStyle::Default, "连涨价"},
    {"Label7", Label, {192, 128, 36, 12}, "上涨：", Red},
    {"Label6", Label, {16, 168, 36, 12}, "连跌价：", Green},
    {"Text4", ResultBox, {88, 152, 89, 28}, "连跌价", Green, FontStyle::Default, "连跌价"},
    {"Label8", Label, {192, 160, 36, 12}, "下跌：", Green},
    {"Command1", Button, {16, 192, 86, 28}, "复利计算"},
    {"Command2", Button, {112, 192, 86, 28}, "清空文本框"},
    {"Command3", Button, {208, 192, 86, 28}, "切换回去"},
};

constexpr std::string_view kTabOrder[] = {"Text1",    "Text2", "Command1", "Command2",
                                          "Command3", "Text3", "Text4",    "Text5"};

}  // namespace

const WindowLayout Form7::kLayout = {"Form7", "复利计算器-终端PC版", 304, 231, kControls, kTabOrder};

Form7::Form7(Prompter& prompter) : Form(kLayout, prompter) {
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
}

void Form7::Command1_Click() {
  CleanNumberField(Text1, units::kYuan);
  CleanNumberField(Text2, units::kPieces);
  CleanNumberField(Text5, units::kPercent);
  if (!RequiredFieldsFilled(
          prompter(),
          {{Text1, "请输入昨天收盘价！"}, {Text2, "请输入连板数量！"}, {Text5, "请输入涨幅！"}})) {
    return;
  }
  ComputeOrReport([&] {
    Text1.SetText(FormatTwoDecimals(ParseLeadingNumber(Text1.Text())));
    const double base = RoundTwoDecimals(ParseLeadingNumber(Text1.Text()));
    const double count = std::trunc(ParseLeadingNumber(Text2.Text()));
    Text2.SetText(NumberText(count));
    const double rate = ParseLeadingNumber(Text5.Text()) / 100;

    // One power over the whole count: no rounding day by day, and no loop
    // however large the count.
    WriteRoundedResult(Text3, base * std::pow(1 + rate, count));
    WriteResult(Text4, base * std::pow(1 - rate, count));
    WriteResult(Label7, ParseLeadingNumber(Text3.Text()) - base, {.prefix = "上涨：", .suffix = "元"});
    Label8.SetText("下跌：" + FormatTwoDecimals(ParseLeadingNumber(Text4.Text()) - base) + " 元");
  });
}

void Form7::Command2_Click() { ClearFields({&Text1, &Text2}); }

}  // namespace stockcalc
