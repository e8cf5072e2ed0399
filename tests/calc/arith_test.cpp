// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calc/arith/form4.h"
#include "calc/arith/form5.h"
#include "calc/arith/form9.h"
#include "form_harness.h"

namespace stockcalc {
namespace {

using test::FormHarness;

TEST(Form4, AddsProfitToPurchasePrice) {
  test::RunCases<Form4>({
      {"10.5 + 2", {{"Text1", "10.5"}, {"Text2", "2"}}, {{"Text3", "12.50"}}},
      {"cleaned",
       {{"Text1", "12，3元"}, {"Text2", "1%"}},
       {{"Text1", "12.3"}, {"Text2", "1"}, {"Text3", "13.30"}}},
      {"0.1 + 0.2", {{"Text1", "0.1"}, {"Text2", "0.2"}}, {{"Text3", "0.30"}}},
      {"negative profit", {{"Text1", "8.88"}, {"Text2", "-1.5"}}, {{"Text3", "7.38"}}},
      {"both empty", {}, {{"Text3", "结果"}}, "请输入进货价！"},
      {"profit empty", {{"Text1", "1"}, {"Text2", "%"}}, {{"Text3", "结果"}}, "请输入利润！"},
  });
}

TEST(Form4, ClearEmptiesThePurchasePriceAlone) {
  FormHarness<Form4> h;
  h.Type({{"Text1", "10"}, {"Text2", "5%"}});
  h.Click("Command1");
  h.Click("Command2");
  h.ExpectTexts({{"Text1", ""}, {"Text2", "5"}, {"Text3", "15.00"}});
}

TEST(Form5, MultipliesPriceBySharesAndCountsLots) {
  test::RunCases<Form5>({
      {"12.34 x 1000", {{"Text1", "12.34"}, {"Text2", "1000"}}, {{"Text3", "12340.00"}, {"Label9", " 10"}}},
      {"8.88 x 350", {{"Text1", "8.88"}, {"Text2", "350"}}, {{"Text3", "3108.00"}, {"Label9", " 4"}}},
      {"3.333 x 3", {{"Text1", "3.333"}, {"Text2", "3"}}, {{"Text3", "10.00"}, {"Label9", " 0"}}},
      {"cleaned price",
       {{"Text1", "12,5元"}, {"Text2", "234"}},
       {{"Text1", "12.5"}, {"Text3", "2925.00"}, {"Label9", " 2"}}},
      {"one lot", {{"Text1", "10"}, {"Text2", "100"}}, {{"Text3", "1000.00"}, {"Label9", " 1"}}},
      {"349 shares are 4 lots", {{"Text1", "1"}, {"Text2", "349"}}, {{"Label9", " 4"}}},
      {"150 shares are 2 lots", {{"Text1", "1"}, {"Text2", "150"}}, {{"Label9", " 2"}}},
      {"fractional quantity", {{"Text1", "10"}, {"Text2", "0.5"}}, {{"Text3", "5.00"}, {"Label9", " 0"}}},
      {"1，000 is one share",
       {{"Text1", "10"}, {"Text2", "1，000"}},
       {{"Text2", "1.000"}, {"Text3", "10.00"}}},
      {"300股 counts as 300",
       {{"Text1", "2"}, {"Text2", "300股"}},
       {{"Text2", "300股"}, {"Text3", "600.00"}, {"Label9", " 3"}}},
      {"negative lots show no minus zero",
       {{"Text1", "1"}, {"Text2", "-30"}},
       {{"Text3", "-30.00"}, {"Label9", " 0"}}},
      {"both empty", {}, {{"Text3", "金额"}, {"Label9", ""}}, "请输入每股价格！"},
      {"quantity empty", {{"Text1", "1"}}, {{"Text3", "金额"}}, "请输入股票数量！"},
  });
}

TEST(Form5, ClearKeepsTheAmountAndLots) {
  FormHarness<Form5> h;
  h.Type({{"Text1", "10"}, {"Text2", "100"}});
  h.Click("Command1");
  h.Click("Command2");
  h.ExpectTexts({{"Text1", ""}, {"Text2", ""}, {"Text3", "1000.00"}, {"Label9", " 1"}});
}

TEST(Form9, DividesTheDividendByTheDivisor) {
  test::RunCases<Form9>({
      {"100 / 3", {{"Text1", "100"}, {"Text2", "3"}}, {{"Text3", "33.33"}}},
      {"2 / 3", {{"Text1", "2"}, {"Text2", "3"}}, {{"Text3", "0.67"}}},
      {"10 / 4", {{"Text1", "10"}, {"Text2", "4"}}, {{"Text3", "2.50"}}},
      {"1 / 8 goes to the even cent", {{"Text1", "1"}, {"Text2", "8"}}, {{"Text3", "0.12"}}},
      {"cleaned",
       {{"Text1", "1，5"}, {"Text2", "3元"}},
       {{"Text1", "1.5"}, {"Text2", "3"}, {"Text3", "0.50"}}},
      {"negative", {{"Text1", "-10"}, {"Text2", "4"}}, {{"Text3", "-2.50"}}},
      {"both empty", {}, {{"Text3", "结果"}}, "请输入被除数！"},
      {"divisor empty", {{"Text1", "1"}}, {{"Text3", "结果"}}, "请输入除数！"},
      {"divisor 0", {{"Text1", "1"}, {"Text2", "0"}}, {{"Text3", "结果"}}, Form9::kZeroDivisorMessage},
      {"divisor letters",
       {{"Text1", "1"}, {"Text2", "abc"}},
       {{"Text3", "结果"}},
       Form9::kZeroDivisorMessage},
      {"quotient beyond range",
       {{"Text1", "1e300"}, {"Text2", "1e-300"}},
       {{"Text3", "结果"}},
       Form::kOutOfRangeMessage},
  });
}

TEST(Form9, ClearKeepsTheResult) {
  FormHarness<Form9> h;
  h.Type({{"Text1", "100"}, {"Text2", "3"}});
  h.Click("Command1");
  h.Click("Command2");
  h.ExpectTexts(
      {{"Text1", ""}, {"Text2", ""}, {"Text3", "33.33"}, {"Label1", "被除数："}, {"Label2", "除数："}});
}

}  // namespace
}  // namespace stockcalc
