// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/position/form6.h"

#include <cmath>

#include "fields/clean_field.h"
#include "fields/number_parse.h"
#include "fields/number_text.h"

namespace stockcalc {
namespace {

using enum ControlKind;
using enum TextColour;

constexpr ControlLayout kControls[] = {
    {"Label1", Label, {8, 16, 36, 12}, "买入价格："},
    {"Text1", TextBox, {88, 8, 89, 25}, "", Default, FontStyle::Default, "买入价格"},
    {"Label6", Label, {184, 16, 36, 12}, " 元 "},
    {"Label2", Label, {8, 48, 36, 12}, "买入数量："},
    {"Text2", TextBox, {88, 40, 89, 25}, "", Default, FontStyle::Default, "买入数量"},
    {"Label8", Label, {184, 48, 36, 12}, " 股 "},
    {"Label9", Label, {208, 48, 36, 12}, "", DarkGreen},
    {"Label3", Label, {8, 80, 36, 12}, "补仓价格："},
    {"Text3", TextBox, {88, 72, 89, 25}, "", Default, FontStyle::Default, "补仓价格"},
    {"Label10", Label, {184, 80, 42, 12}, " 元 "},
    {"Label4", Label, {8, 112, 36, 12}, "补仓数量："},
    {"Text4", TextBox, {88, 104, 89, 25}, "", Default, FontStyle::Default, "补仓数量"},
    {"Label11", Label, {184, 112, 42, 12}, " 股 "},
    {"Label14", Label, {208, 112, 42, 12}, ""},
    {"Label5", Label, {8, 144, 36, 12}, "平均股价："},
    {"Text5", ResultBox, {88, 136, 89, 25}, "股票价格", Default, FontStyle::Default, "平均股价"},
    {"Label12", Label, {184, 144, 42, 12}, " 元 "},
    {"Command4", Button, {208, 136, 86, 28}, "分批买入"},
    {"Label7", Label, {8, 168, 36, 12}, "", DarkGreen},
    {"Label13", Label, {104, 168, 42, 12}, ""},
    {"Label15", Label, {216, 168, 42, 12}, ""},
    {"Command1", Button, {16, 192, 86, 28}, "计算平均成本"},
    {"Command2", Button, {112, 192, 86, 28}, "清空文件框"},
    {"Command3", Button, {208, 192, 86, 28}, "切换回去"},
};

constexpr std::string_view kTabOrder[] = {"Text2",    "Text1",    "Text3", "Text4",   "Command3",
                                          "Command2", "Command1", "Text5", "Command4"};

// A price counts at the cent: the box is rewritten in "0.00" form and that
// text is what is used.
double TakePriceAtTheCent(TextControl& box) {
  box.SetText(FormatTwoDecimals(ParseLeadingNumber(box.Text())));
  return ParseLeadingNumber(box.Text());
}

// A quantity counts in whole shares, truncated toward zero, and is shown so.
double TakeWholeShares(TextControl& box) {
  box.SetText(NumberText(std::trunc(ParseLeadingNumber(box.Text()))));
  return std::trunc(ParseLeadingNumber(box.Text()));
}

}  // namespace

const WindowLayout Form6::kLayout = {"Form6", "股票补仓后平均成本计算", 307, 231, kControls, kTabOrder};

Form6::Form6(Prompter& prompter) : Form(kLayout, prompter) {
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
}

void Form6::Command1_Click() {
  CleanNumberField(Text1, units::kYuan);
  CleanNumberField(Text2, units::kShares);
  CleanNumberField(Text3, units::kYuan);
  CleanNumberField(Text4, units::kShares);
  if (!RequiredFieldsFilled(prompter(), {{Text1, "请输入买入价格！"},
                                         {Text2, "请输入买入数量！"},
                                         {Text3, "请输入补仓价格！"},
                                         {Text4, "请输入补仓数量！"}})) {
    return;
  }
  bool zero_shares = false;
  ComputeOrReport([&] {
    const double buy_price = TakePriceAtTheCent(Text1);
    const double buy_shares = TakeWholeShares(Text2);
    const double add_price = TakePriceAtTheCent(Text3);
    const double add_shares = TakeWholeShares(Text4);
    const double buy_cost = buy_price * buy_shares;
    const double add_cost = add_price * add_shares;
    const double total_cost = buy_cost + add_cost;
    const double total_shares = buy_shares + add_shares;

    Label9.SetText("成本：" + NumberText(buy_cost));
    Label14.SetText("成本：" + NumberText(add_cost));
    Label13.SetText("总成本：" + NumberText(total_cost));
    Label15.SetText("总股数：" + NumberText(total_shares));
    if (total_shares == 0) {
      zero_shares = true;
      return;
    }
    // Straight into the "0.00" form: an exact half goes away from zero.
    Text5.SetText(FormatTwoDecimals(total_cost / total_shares));
    Label7.SetText("平均股价：" + Text5.Text());
  });
  if (zero_shares) prompter().ShowMessage(kZeroSharesMessage);
}

void Form6::Command2_Click() { ClearFields({&Text1, &Text2, &Text3, &Text4}); }

}  // namespace stockcalc
