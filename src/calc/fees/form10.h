// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "calc/fees/trade_costs.h"
#include "calc/form.h"
#include "calc/settings_store.h"

namespace stockcalc {

// Trading costs and the break-even price (交易费用与保本价): the fees of a
// buy and of a sale at the broker's rates, the profit or loss, and the
// lowest price at which selling breaks even, fees included. The five rate
// boxes are remembered between runs.
class Form10 final : public Form {
 public:
  static const WindowLayout kLayout;

  Form10(Prompter& prompter, SettingsStore& settings);

  // Sets the texts after load, the rates as last used.
  void Form_Load() override;
  void Command1_Click();
  void Command2_Click();

  [[nodiscard]] TextColour Colour(std::size_t control) const override;

 private:
  struct Rate {
    TextControl& box;
    std::string_view key;     // where it is remembered
    std::string_view prompt;  // shown when the box is empty
    std::string_view wrong;   // shown when it is not a rate
  };

  std::optional<TradeRates> ReadRates();
  std::optional<Int128> TakePrice(TextControl& box, std::string_view wrong);
  void WriteSale(Int128 price, Int128 shares, const TradeRates& rates, const BuyCosts& buy);

  SettingsStore& settings_;
  TextColour profit_colour_ = TextColour::Default;

  TextControl& Text1 = Control("Text1");      // buy price
  TextControl& Text2 = Control("Text2");      // shares
  TextControl& Text3 = Control("Text3");      // sell price, optional
  TextControl& Text4 = Control("Text4");      // commission rate, %
  TextControl& Text5 = Control("Text5");      // minimum commission, yuan
  TextControl& Text6 = Control("Text6");      // stamp duty rate, %
  TextControl& Text7 = Control("Text7");      // transfer fee rate, %
  TextControl& Label16 = Control("Label16");  // buy amount
  TextControl& Label17 = Control("Label17");  // buy fees
  TextControl& Label18 = Control("Label18");  // buy fees, part by part
  TextControl& Label19 = Control("Label19");  // total cost
  TextControl& Label20 = Control("Label20");  // sale amount
  TextControl& Label21 = Control("Label21");  // sale fees
  TextControl& Label22 = Control("Label22");  // sale fees, part by part
  TextControl& Label23 = Control("Label23");  // net income
  TextControl& Label24 = Control("Label24");  // profit or loss
  TextControl& Label25 = Control("Label25");  // break-even price

  Rate rates_[3] = {
      {Text4, "fees/commission_rate", "请输入佣金费率！", "佣金费率应为0到100之间的数字（最多8位小数）！"},
      {Text6, "fees/stamp_duty_rate", "请输入印花税率！", "印花税率应为0到100之间的数字（最多8位小数）！"},
      {Text7, "fees/transfer_fee_rate", "请输入过户费率！", "过户费率应为0到100之间的数字（最多8位小数）！"},
  };
};

}  // namespace stockcalc
