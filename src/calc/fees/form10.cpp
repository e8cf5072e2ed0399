// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/fees/form10.h"

#include <cmath>

#include "fields/clean_field.h"
#include "fields/number_parse.h"
#include "fields/number_text.h"

namespace stockcalc {
namespace {

using enum ControlKind;
using enum TextColour;

constexpr ControlLayout kControls[] = {
    // The trade, on the left.
    {"Label1", Label, {16, 20, 48, 12}, "买入价："},
    {"Text1", TextBox, {80, 12, 89, 25}, "", Default, FontStyle::Default, "买入价"},
    {"Label8", Label, {174, 20, 12, 12}, "元"},
    {"Label2", Label, {16, 52, 48, 12}, "股数："},
    {"Text2", TextBox, {80, 44, 89, 25}, "", Default, FontStyle::Default, "股数"},
    {"Label9", Label, {174, 52, 12, 12}, "股"},
    {"Label3", Label, {16, 84, 48, 12}, "卖出价："},
    {"Text3", TextBox, {80, 76, 89, 25}, "", Default, FontStyle::Default, "卖出价"},
    {"Label10", Label, {174, 84, 12, 12}, "元"},
    {"Label15", Label, {80, 116, 96, 12}, "卖出价可以不填"},
    // The broker's rates, on the right.
    {"Label4", Label, {224, 20, 60, 12}, "佣金费率："},
    {"Text4", TextBox, {288, 12, 89, 25}, "0.025", Default, FontStyle::Default, "佣金费率"},
    {"Label11", Label, {382, 20, 12, 12}, "%"},
    {"Label5", Label, {224, 52, 60, 12}, "最低佣金："},
    {"Text5", TextBox, {288, 44, 89, 25}, "5", Default, FontStyle::Default, "最低佣金"},
    {"Label12", Label, {382, 52, 12, 12}, "元"},
    {"Label6", Label, {224, 84, 60, 12}, "印花税率："},
    {"Text6", TextBox, {288, 76, 89, 25}, "0.05", Default, FontStyle::Default, "印花税率"},
    {"Label13", Label, {382, 84, 12, 12}, "%"},
    {"Label7", Label, {224, 116, 60, 12}, "过户费率："},
    {"Text7", TextBox, {288, 108, 89, 25}, "0.001", Default, FontStyle::Default, "过户费率"},
    {"Label14", Label, {382, 116, 12, 12}, "%"},
    // The results: the buy on the left, the sale on the right, then the answers.
    {"Label16", Label, {16, 150, 60, 12}, "买入金额："},
    {"Label20", Label, {224, 150, 60, 12}, "卖出金额："},
    {"Label17", Label, {16, 172, 60, 12}, "买入费用："},
    {"Label21", Label, {224, 172, 60, 12}, "卖出费用："},
    {"Label19", Label, {16, 194, 60, 12}, "总成本："},
    {"Label23", Label, {224, 194, 60, 12}, "净收入："},
    // The fees part by part, each side on a row of its own.
    {"Label18", Label, {16, 218, 60, 12}, ""},
    {"Label22", Label, {16, 240, 60, 12}, ""},
    {"Label24", Label, {16, 266, 60, 14}, "盈亏：", Default, FontStyle::BoldResult},
    {"Label25", Label, {16, 292, 60, 14}, "保本价：", Red, FontStyle::BoldResult},
    {"Command1", Button, {16, 322, 86, 28}, "计算"},
    {"Command2", Button, {112, 322, 86, 28}, "清空"},
};

constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Text3",    "Text4",   "Text5",
                                          "Text6", "Text7", "Command1", "Command2"};

constexpr std::string_view kMinimumKey = "fees/minimum_commission";
constexpr std::string_view kWrongMinimum = "最低佣金应为不小于0的金额（最多2位小数）！";

// Inputs beyond these are out of range: the fee arithmetic stays well inside 128 bits.
constexpr double kHighestShares = 1e10;
constexpr Int128 kHighestPrice = Int128{100'000'000'000};  // cents: a billion yuan

std::string Yuan(Int128 cents) { return CentsText(cents) + "元"; }

}  // namespace

const WindowLayout Form10::kLayout = {"Form10", "交易费用与保本价", 424, 362, kControls, kTabOrder};

Form10::Form10(Prompter& prompter, SettingsStore& settings) : Form(kLayout, prompter), settings_(settings) {
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
}

void Form10::Form_Load() {
  Form::Form_Load();
  for (Rate& rate : rates_) {
    if (auto stored = settings_.Read(rate.key)) rate.box.SetText(std::move(*stored));
  }
  if (auto stored = settings_.Read(kMinimumKey)) Text5.SetText(std::move(*stored));
}

TextColour Form10::Colour(std::size_t control) const {
  return &Controls()[control] == &Label24 ? profit_colour_ : Form::Colour(control);
}

void Form10::Command1_Click() {
  CleanNumberField(Text1, units::kYuan);
  CleanNumberField(Text2, units::kShares);
  CleanNumberField(Text3, units::kYuan);
  CleanNumberField(Text4, units::kPercent);
  CleanNumberField(Text5, units::kYuan);
  CleanNumberField(Text6, units::kPercent);
  CleanNumberField(Text7, units::kPercent);
  if (!RequiredFieldsFilled(prompter(), {{Text1, "请输入买入价！"},
                                         {Text2, "请输入股数！"},
                                         {Text4, rates_[0].prompt},
                                         {Text5, "请输入最低佣金！"},
                                         {Text6, rates_[1].prompt},
                                         {Text7, rates_[2].prompt}})) {
    return;
  }
  const std::optional<TradeRates> rates = ReadRates();
  if (!rates) return;

  const double whole_shares = std::trunc(ParseLeadingNumber(Text2.Text()));
  if (!(whole_shares > 0)) {  // also when it is not a number at all
    prompter().ShowMessage("股数应大于零！");
    return;
  }
  if (whole_shares > kHighestShares) {
    prompter().ShowMessage(kOutOfRangeMessage);
    return;
  }
  const std::optional<Int128> buy_price = TakePrice(Text1, "买入价应大于零！");
  if (!buy_price) return;
  std::optional<Int128> sell_price;
  if (!Text3.Text().empty()) {
    sell_price = TakePrice(Text3, "卖出价应大于零！");
    if (!sell_price) return;
  }

  const auto shares = static_cast<Int128>(whole_shares);
  Text2.SetText(NumberText(whole_shares));
  Text1.SetText(CentsText(*buy_price));
  if (sell_price) Text3.SetText(CentsText(*sell_price));
  // Every rate is valid: remember them as they stand now.
  for (const Rate& rate : rates_) settings_.Write(rate.key, rate.box.Text());
  settings_.Write(kMinimumKey, Text5.Text());

  const BuyCosts buy = Buy(*buy_price, shares, *rates);
  Label16.SetText("买入金额：" + Yuan(buy.amount));
  Label17.SetText("买入费用：" + Yuan(buy.fees));
  Label18.SetText("买入：佣金" + CentsText(buy.commission) + " + 过户费" + CentsText(buy.transfer_fee));
  Label19.SetText("总成本：" + Yuan(buy.total_cost));
  if (sell_price) {
    WriteSale(*sell_price, shares, *rates, buy);
  } else {
    // No sale: its lines show their names only.
    for (TextControl* line : {&Label20, &Label21, &Label22, &Label23, &Label24}) ShowLoadText(*line);
    profit_colour_ = Default;
  }
  if (const auto break_even = BreakEvenPrice(shares, buy.total_cost, *rates)) {
    const Int128 rise = PercentHundredths(*break_even - *buy_price, *buy_price);
    Label25.SetText("保本价：" + Yuan(*break_even) + "（需涨" + CentsText(rise) + "%）");
  } else {
    Label25.SetText("保本价：卖出费用过高，无法保本");
  }
}

void Form10::WriteSale(Int128 price, Int128 shares, const TradeRates& rates, const BuyCosts& buy) {
  const SaleProceeds sale = Sell(price, shares, rates);
  Label20.SetText("卖出金额：" + Yuan(sale.amount));
  Label21.SetText("卖出费用：" + Yuan(sale.fees));
  Label22.SetText("卖出：佣金" + CentsText(sale.commission) + " + 印花税" + CentsText(sale.stamp_duty) +
                  " + 过户费" + CentsText(sale.transfer_fee));
  Label23.SetText("净收入：" + Yuan(sale.net_income));
  const Int128 profit = sale.net_income - buy.total_cost;
  Label24.SetText("盈亏：" + Yuan(profit) + "（" + CentsText(PercentHundredths(profit, buy.total_cost)) +
                  "%）");
  profit_colour_ = profit > 0 ? Red : (profit < 0 ? Green : Default);
}

std::optional<TradeRates> Form10::ReadRates() {
  ExactDecimal percent[3];
  for (std::size_t i = 0; i < 3; ++i) {
    const auto rate = ParseExactDecimal(rates_[i].box.Text(), 8);
    if (!rate || rate->digits < 0 || rate->digits > 100 * PowerOfTen(rate->scale)) {
      prompter().ShowMessage(rates_[i].wrong);
      return std::nullopt;
    }
    percent[i] = *rate;
  }
  const auto minimum = ParseExactDecimal(Text5.Text(), 2);
  if (!minimum || minimum->digits < 0 || minimum->digits > kHighestPrice * PowerOfTen(minimum->scale) / 100) {
    prompter().ShowMessage(kWrongMinimum);
    return std::nullopt;
  }
  return RatesFromPercentages(percent[0], percent[1], percent[2],
                              minimum->digits * PowerOfTen(2 - minimum->scale));
}

std::optional<Int128> Form10::TakePrice(TextControl& box, std::string_view wrong) {
  // To the cent as the other windows take a price, then counted in whole cents.
  const double price = ParseLeadingNumber(box.Text());
  if (!std::isfinite(price) || std::fabs(price) >= 1e12) {
    prompter().ShowMessage(kOutOfRangeMessage);
    return std::nullopt;
  }
  const std::optional<Int128> cents = ParseCents(FormatTwoDecimals(price));
  if (!cents || *cents <= 0) {
    prompter().ShowMessage(wrong);
    return std::nullopt;
  }
  if (*cents > kHighestPrice) {
    prompter().ShowMessage(kOutOfRangeMessage);
    return std::nullopt;
  }
  return cents;
}

void Form10::Command2_Click() { ClearFields({&Text1, &Text2, &Text3}); }

}  // namespace stockcalc
