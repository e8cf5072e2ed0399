// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "calc/fees/form10.h"
#include "calc/fees/trade_costs.h"
#include "fields/exact_decimal.h"
#include "form_harness.h"

namespace stockcalc {
namespace {

using test::FormHarness;

ExactDecimal Percent(std::string_view text) { return *ParseExactDecimal(text, 8); }

TradeRates DefaultRates(Int128 minimum = 500) {
  return RatesFromPercentages(Percent("0.025"), Percent("0.05"), Percent("0.001"), minimum);
}

TEST(Form10, WorkedExamplesWithTheDefaultRates) {
  test::RunCases<Form10>({
      {"10.00 x 1000, sold at 10.50",
       {{"Text1", "10"}, {"Text2", "1000股"}, {"Text3", "10，5元"}},
       {{"Text1", "10.00"},
        {"Text2", "1000"},
        {"Text3", "10.50"},
        {"Label16", "买入金额：10000.00元"},
        {"Label17", "买入费用：5.10元"},
        {"Label18", "买入：佣金5.00 + 过户费0.10"},
        {"Label19", "总成本：10005.10元"},
        {"Label20", "卖出金额：10500.00元"},
        {"Label21", "卖出费用：10.36元"},
        {"Label22", "卖出：佣金5.00 + 印花税5.25 + 过户费0.11"},
        {"Label23", "净收入：10489.64元"},
        {"Label24", "盈亏：484.54元（4.84%）"},
        {"Label25", "保本价：10.02元（需涨0.20%）"}}},
      {"1688.88 x 200, sold at 1700",
       {{"Text1", "1688.88"}, {"Text2", "200"}, {"Text3", "1700"}},
       {{"Label17", "买入费用：87.82元"},
        {"Label18", "买入：佣金84.44 + 过户费3.38"},
        {"Label19", "总成本：337863.82元"},
        {"Label21", "卖出费用：258.40元"},
        {"Label22", "卖出：佣金85.00 + 印花税170.00 + 过户费3.40"},
        {"Label23", "净收入：339741.60元"},
        {"Label24", "盈亏：1877.78元（0.56%）"},
        {"Label25", "保本价：1690.61元（需涨0.10%）"}}},
      {"3.21 x 100, sold at 3.30",
       {{"Text1", "3.21"}, {"Text2", "100"}, {"Text3", "3.30"}},
       {{"Label17", "买入费用：5.00元"},
        {"Label18", "买入：佣金5.00 + 过户费0.00"},
        {"Label19", "总成本：326.00元"},
        {"Label21", "卖出费用：5.17元"},
        {"Label22", "卖出：佣金5.00 + 印花税0.17 + 过户费0.00"},
        {"Label23", "净收入：324.83元"},
        {"Label24", "盈亏：-1.17元（-0.36%）"},
        {"Label25", "保本价：3.32元（需涨3.43%）"}}},
      {"no sell price: the buy and the break-even only",
       {{"Text1", "10"}, {"Text2", "1000.9"}},
       {{"Text2", "1000"},
        {"Text3", ""},
        {"Label19", "总成本：10005.10元"},
        {"Label20", "卖出金额："},
        {"Label22", ""},
        {"Label24", "盈亏："},
        {"Label25", "保本价：10.02元（需涨0.20%）"}}},
      {"the minimum on the buy, not on the sale",
       {{"Text1", "10"}, {"Text2", "1000"}, {"Text3", "30"}},
       {{"Label18", "买入：佣金5.00 + 过户费0.10"},
        {"Label22", "卖出：佣金7.50 + 印花税15.00 + 过户费0.30"}}},
      {"no minimum commission",
       {{"Text1", "3.21"}, {"Text2", "100"}, {"Text5", "0"}},
       {{"Label17", "买入费用：0.08元"},
        {"Label18", "买入：佣金0.08 + 过户费0.00"},
        {"Label19", "总成本：321.08元"}}},
      {"a sale that neither wins nor loses",
       {{"Text1", "10"},
        {"Text2", "100"},
        {"Text3", "10"},
        {"Text4", "0"},
        {"Text5", "0"},
        {"Text6", "0"},
        {"Text7", "0"}},
       {{"Label24", "盈亏：0.00元（0.00%）"}, {"Label25", "保本价：10.00元（需涨0.00%）"}}},
      {"rates that leave nothing to break even on",
       {{"Text1", "10"}, {"Text2", "100"}, {"Text4", "50"}, {"Text6", "50"}},
       {{"Label25", "保本价：卖出费用过高，无法保本"}}},
      {"the largest position: 9999.99 x 100000000",
       {{"Text1", "9999.99"}, {"Text2", "100000000"}, {"Text3", "9999.99"}},
       {{"Label16", "买入金额：999999000000.00元"},
        {"Label18", "买入：佣金249999750.00 + 过户费9999990.00"},
        {"Label19", "总成本：1000258999740.00元"},
        {"Label22", "卖出：佣金249999750.00 + 印花税499999500.00 + 过户费9999990.00"},
        {"Label23", "净收入：999239000760.00元"},
        {"Label24", "盈亏：-1019998980.00元（-0.10%）"}}},
  });
}

TEST(Form10, ProfitIsRedAndLossIsGreen) {
  FormHarness<Form10> h;
  std::size_t profit = 0;  // Label24's row in the layout table
  while (Form10::kLayout.controls[profit].name != "Label24") ++profit;
  const std::pair<std::string_view, TextColour> cases[] = {
      {"11", TextColour::Red}, {"9", TextColour::Green}, {"", TextColour::Default}};
  for (const auto& [sell, colour] : cases) {
    h.Type({{"Text1", "10"}, {"Text2", "1000"}, {"Text3", sell}});
    h.Click("Command1");
    EXPECT_EQ(h.form.Colour(profit), colour) << sell;
  }
}

// A wrong rate, price or count: its message, and no result written.
TEST(Form10, RefusesWhatIsNotATradeOrARate) {
  const std::string_view wrong_commission = "佣金费率应为0到100之间的数字（最多8位小数）！";
  const std::string_view wrong_minimum = "最低佣金应为不小于0的金额（最多2位小数）！";
  const test::FormCase cases[] = {
      {"negative rate", {{"Text4", "-0.1"}}, {}, wrong_commission},
      {"rate not a number", {{"Text4", "abc"}}, {}, wrong_commission},
      {"rate with text after it", {{"Text4", "0.025abc"}}, {}, wrong_commission},
      {"rate above 100 %", {{"Text4", "100.5"}}, {}, wrong_commission},
      {"nine decimals", {{"Text4", "0.000000001"}}, {}, wrong_commission},
      {"negative stamp duty", {{"Text6", "-1"}}, {}, "印花税率应为0到100之间的数字（最多8位小数）！"},
      {"negative minimum", {{"Text5", "-5"}}, {}, wrong_minimum},
      {"minimum below the cent", {{"Text5", "5.001"}}, {}, wrong_minimum},
      {"empty rate", {{"Text7", ""}}, {}, "请输入过户费率！"},
      {"empty price", {{"Text1", ""}}, {}, "请输入买入价！"},
      {"zero shares", {{"Text2", "0.9股"}}, {{"Text2", "0.9"}}, "股数应大于零！"},
      {"shares not a number", {{"Text2", "abc"}}, {}, "股数应大于零！"},
      {"zero price", {{"Text1", "0元"}}, {{"Text1", "0"}}, "买入价应大于零！"},
      {"sell price below the cent", {{"Text3", "0.004"}}, {{"Text1", "10"}}, "卖出价应大于零！"},
      {"price beyond a billion yuan", {{"Text1", "1000000000.01"}}, {}, Form::kOutOfRangeMessage},
      {"shares beyond ten billion", {{"Text2", "10000000001"}}, {}, Form::kOutOfRangeMessage},
  };
  for (const test::FormCase& c : cases) {
    SCOPED_TRACE(c.name);
    FormHarness<Form10> h;
    const auto loaded = h.Snapshot();
    h.Type({{"Text1", "10"}, {"Text2", "1000"}, {"Text3", "10.5"}});
    h.Type(c.typed);
    h.Click("Command1");
    EXPECT_EQ(h.prompter.messages, std::vector<std::string>{std::string(c.message)});
    h.ExpectTexts(c.shown);
    const auto after = h.Snapshot();
    for (std::size_t i = 0; i < after.size(); ++i) {
      if (Form10::kLayout.controls[i].kind == ControlKind::Label) {
        EXPECT_EQ(after[i], loaded[i]) << i;
      }
    }
    EXPECT_TRUE(h.settings.values.empty());  // nothing remembered either
  }
}

TEST(Form10, RemembersTheRatesAndClearsOnlyTheTrade) {
  FormHarness<Form10> first;
  first.Type({{"Text1", "10"}, {"Text2", "1000"}, {"Text4", "0.0187%"}, {"Text5", "0"}});
  first.Click("Command1");
  FormHarness<Form10> next;
  next.settings = first.settings;
  next.form.Form_Load();
  next.ExpectTexts({{"Text4", "0.0187"}, {"Text5", "0"}, {"Text6", "0.05"}, {"Text7", "0.001"}});
  first.Click("Command2");
  first.ExpectTexts({{"Text1", ""}, {"Text2", ""}, {"Text3", ""}, {"Text4", "0.0187"}, {"Text5", "0"}});
}

// Net income of selling every share at `price`, fees rounded as charged.
Int128 Net(Int128 price, Int128 shares, const TradeRates& rates) {
  return Sell(price, shares, rates).net_income;
}

// The break-even price is the lowest cent at which the sale does not lose,
// checked against a plain scan over every cent, for many trades and rates,
// down to single shares where a cent more can cost a rounded cent of fees.
TEST(BreakEvenPrice, IsTheLowestCentThatDoesNotLose) {
  std::mt19937 random(20261210);
  const std::string_view rate_texts[] = {"0", "0.001", "0.025", "0.05", "0.3", "1.5", "12.345"};
  const Int128 minimums[] = {0, 1, 500, 2000};
  auto pick = [&random](auto& options) { return options[random() % std::size(options)]; };
  for (int trial = 0; trial < 400; ++trial) {
    const TradeRates rates = RatesFromPercentages(Percent(pick(rate_texts)), Percent(pick(rate_texts)),
                                                  Percent(pick(rate_texts)), pick(minimums));
    const Int128 price = 1 + random() % 3000;
    const Int128 shares = trial % 4 == 0 ? 1 : 1 + random() % 5000;
    const Int128 cost = Buy(price, shares, rates).total_cost;
    Int128 scanned = 1;
    while (Net(scanned, shares, rates) < cost) ++scanned;
    const auto found = BreakEvenPrice(shares, cost, rates);
    ASSERT_TRUE(found.has_value());
    ASSERT_EQ(IntegerText(*found), IntegerText(scanned))
        << "price " << IntegerText(price) << " shares " << IntegerText(shares) << " trial " << trial;
  }
}

TEST(BreakEvenPrice, HugePositionsStayExact) {
  const TradeRates rates = DefaultRates();
  for (const Int128 shares : {Int128{100'000'000}, Int128{10'000'000'000}}) {
    const Int128 cost = Buy(999'999, shares, rates).total_cost;
    const auto found = BreakEvenPrice(shares, cost, rates);
    ASSERT_TRUE(found.has_value());
    EXPECT_GE(Net(*found, shares, rates), cost);
    EXPECT_LT(Net(*found - 1, shares, rates), cost);
  }
}

TEST(ExactDecimal, ReadsPlainDecimalsOnly) {
  const auto read = [](std::string_view text) {
    const auto value = ParseExactDecimal(text, 8);
    return value ? IntegerText(value->digits) + "e-" + std::to_string(value->scale) : std::string("none");
  };
  EXPECT_EQ(read("0.025"), "25e-3");
  EXPECT_EQ(read(" -12. "), "-12e-0");
  EXPECT_EQ(read(".5"), "5e-1");
  for (const std::string_view wrong : {"", ".", "-", "1e3", "1.2.3", "1 2", "0.123456789", "１"}) {
    EXPECT_EQ(read(wrong), "none") << wrong;
  }
  EXPECT_EQ(CentsText(-5), "-0.05");
  EXPECT_EQ(CentsText(100'000'000'000'000), "1000000000000.00");
  EXPECT_EQ(IntegerText(DivideRounded(-15, 10)), "-2");
  EXPECT_EQ(IntegerText(DivideRounded(14, 10)), "1");
}

}  // namespace
}  // namespace stockcalc
