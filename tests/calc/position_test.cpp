// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calc/position/form6.h"
#include "calc/position/form8.h"
#include "form_harness.h"

namespace stockcalc {
namespace {

using test::FormHarness;

TEST(Form6, ComputesCostsAndAverage) {
  test::RunCases<Form6>({
      {"units typed",
       {{"Text1", "10.5元"}, {"Text2", "1000股"}, {"Text3", "9.8"}, {"Text4", "500"}},
       {{"Text1", "10.50"},
        {"Text2", "1000"},
        {"Text3", "9.80"},
        {"Text4", "500"},
        {"Label9", "成本：10500"},
        {"Label14", "成本：4900"},
        {"Label13", "总成本：15400"},
        {"Label15", "总股数：1500"},
        {"Text5", "10.27"},
        {"Label7", "平均股价：10.27"}}},
      {"12.34 x 300, 11.11 x 200",
       {{"Text1", "12.34"}, {"Text2", "300"}, {"Text3", "11.11"}, {"Text4", "200"}},
       {{"Label9", "成本：3702"},
        {"Label14", "成本：2222"},
        {"Label13", "总成本：5924"},
        {"Label15", "总股数：500"},
        {"Text5", "11.85"},
        {"Label7", "平均股价：11.85"}}},
      {"costs with decimals",
       {{"Text1", "3.33"}, {"Text2", "333"}, {"Text3", "2.22"}, {"Text4", "222"}},
       {{"Label9", "成本：1108.89"},
        {"Label14", "成本：492.84"},
        {"Label13", "总成本：1601.73"},
        {"Label15", "总股数：555"},
        {"Text5", "2.89"}}},
      {"prices rewritten",
       {{"Text1", "15.5"}, {"Text2", "200"}, {"Text3", "12"}, {"Text4", "300"}},
       {{"Text1", "15.50"}, {"Text3", "12.00"}, {"Label13", "总成本：6700"}, {"Text5", "13.40"}}},
      {"1,000 is one share",
       {{"Text1", "10.5"}, {"Text2", "1,000"}, {"Text3", "9.8"}, {"Text4", "500"}},
       {{"Text2", "1"},
        {"Label9", "成本：10.5"},
        {"Label13", "总成本：4910.5"},
        {"Label15", "总股数：501"},
        {"Text5", "9.80"}}},
      {"whole shares",
       {{"Text1", "1"}, {"Text2", "300.9"}, {"Text3", "1"}, {"Text4", "1e3"}},
       {{"Text2", "300"}, {"Text4", "1000"}, {"Label15", "总股数：1300"}}},
      {"prices at the cent first",
       {{"Text1", "20.126"}, {"Text2", "100"}, {"Text3", "19.5"}, {"Text4", "300"}},
       {{"Text1", "20.13"},
        {"Label9", "成本：2013"},
        {"Label14", "成本：5850"},
        {"Label13", "总成本：7863"},
        {"Text5", "19.66"}}},
      {"average half away from zero",
       {{"Text1", "12.5"}, {"Text2", "100"}, {"Text3", "10"}, {"Text4", "300"}},
       {{"Label13", "总成本：4250"}, {"Label15", "总股数：400"}, {"Text5", "10.63"}}},
      {"fifteen-digit costs",
       {{"Text1", "10.13"}, {"Text2", "333"}, {"Text3", "9.87"}, {"Text4", "100"}},
       {{"Label9", "成本：3373.29"}, {"Label14", "成本：987"}}},
      {"negative quantity",
       {{"Text1", "10"}, {"Text2", "100"}, {"Text3", "12"}, {"Text4", "-50"}},
       {{"Label9", "成本：1000"},
        {"Label14", "成本：-600"},
        {"Label13", "总成本：400"},
        {"Label15", "总股数：50"},
        {"Text5", "8.00"}}},
      {"nothing added",
       {{"Text1", "8.88"}, {"Text2", "100"}, {"Text3", "7.77"}, {"Text4", "0"}},
       {{"Label14", "成本：0"}, {"Text5", "8.88"}}},
  });
}

TEST(Form6, PromptsAndHandlesZeroShares) {
  test::RunCases<Form6>({
      {"all empty", {}, {{"Text5", "股票价格"}}, "请输入买入价格！"},
      {"price only a unit, later boxes still cleaned",
       {{"Text1", "元"}, {"Text2", "1,5股"}},
       {{"Text1", ""}, {"Text2", "1.5"}},
       "请输入买入价格！"},
      {"add quantity empty",
       {{"Text1", "1"}, {"Text2", "1"}, {"Text3", "1"}},
       {{"Label9", ""}},
       "请输入补仓数量！"},
      {"shares cancel out",
       {{"Text1", "10"}, {"Text2", "100"}, {"Text3", "12"}, {"Text4", "-100"}},
       {{"Label9", "成本：1000"},
        {"Label14", "成本：-1200"},
        {"Label13", "总成本：-200"},
        {"Label15", "总股数：0"},
        {"Text5", "股票价格"},
        {"Label7", ""}},
       Form6::kZeroSharesMessage},
      {"costs beyond range",
       {{"Text1", "1e300"}, {"Text2", "1e300"}, {"Text3", "1"}, {"Text4", "1"}},
       {{"Text1", "1e300"}, {"Text2", "1e300"}, {"Label9", ""}, {"Text5", "股票价格"}},
       Form::kOutOfRangeMessage},
  });
}

TEST(Form6, ClearKeepsTheResults) {
  FormHarness<Form6> h;
  h.Type({{"Text1", "12.34"}, {"Text2", "300"}, {"Text3", "11.11"}, {"Text4", "200"}});
  h.Click("Command1");
  h.Click("Command2");
  h.ExpectTexts({{"Text1", ""},
                 {"Text2", ""},
                 {"Text3", ""},
                 {"Text4", ""},
                 {"Text5", "11.85"},
                 {"Label9", "成本：3702"},
                 {"Label7", "平均股价：11.85"}});
}

TEST(Form8, ComputesThreeStages) {
  test::RunCases<Form8>({
      {"10 with the default falls",
       {{"Text1", "10"}},
       {{"Text3", "9.70"},
        {"Label15", "-0.30"},
        {"Text5", "9.50"},
        {"Label16", "-0.50"},
        {"Text7", "9.20"},
        {"Label17", "-0.80"}}},
      {"12.34",
       {{"Text1", "12.34"}},
       {{"Text3", "11.97"},
        {"Label15", "-0.37"},
        {"Text5", "11.72"},
        {"Label16", "-0.62"},
        {"Text7", "11.35"},
        {"Label17", "-0.99"}}},
      {"8.88",
       {{"Text1", "8.88"}},
       {{"Text3", "8.61"},
        {"Label15", "-0.27"},
        {"Text5", "8.44"},
        {"Label16", "-0.44"},
        {"Text7", "8.17"},
        {"Label17", "-0.71"}}},
      {"half-percent falls",
       {{"Text1", "18.18"}, {"Text2", "2.5"}, {"Text4", "4.5"}, {"Text6", "7.5"}},
       {{"Text3", "17.73"},
        {"Label15", "-0.45"},
        {"Text5", "17.36"},
        {"Label16", "-0.82"},
        {"Text7", "16.82"},
        {"Label17", "-1.36"}}},
      {"units typed",
       {{"Text1", "10元"}, {"Text2", "3%"}, {"Text4", "5%"}, {"Text6", "8%"}},
       {{"Text1", "10"},
        {"Text2", "3"},
        {"Text4", "5"},
        {"Text6", "8"},
        {"Text3", "9.70"},
        {"Label17", "-0.80"}}},
      {"close used as typed",
       {{"Text1", "10.006"}},
       {{"Text1", "10.006"},
        {"Text3", "9.71"},
        {"Label15", "-0.30"},
        {"Text5", "9.51"},
        {"Label16", "-0.50"},
        {"Text7", "9.21"},
        {"Label17", "-0.80"}}},
      {"1,234 is 1.234",
       {{"Text1", "1,234"}},
       {{"Text1", "1.234"},
        {"Text3", "1.20"},
        {"Label15", "-0.03"},
        {"Text5", "1.17"},
        {"Label16", "-0.06"},
        {"Text7", "1.14"},
        {"Label17", "-0.09"}}},
      {"falls with decimal marks and units",
       {{"Text1", "10"}, {"Text2", "3，5"}, {"Text4", "3。5"}, {"Text6", "3元"}},
       {{"Text2", "3.5"}, {"Text3", "9.65"}, {"Label15", "-0.35"}, {"Text6", "3"}, {"Text7", "9.70"}}},
      {"negative, zero and large falls",
       {{"Text1", "10"}, {"Text2", "-5"}, {"Text4", "0"}, {"Text6", "150"}},
       {{"Text3", "10.50"},
        {"Label15", "0.50"},
        {"Text5", "10.00"},
        {"Label16", "0.00"},
        {"Text7", "-5.00"},
        {"Label17", "-15.00"}}},
      {"small prices",
       {{"Text1", "3.33"}, {"Text2", "10"}, {"Text4", "10"}, {"Text6", "10"}},
       {{"Text3", "3.00"}, {"Label15", "-0.33"}, {"Text7", "3.00"}, {"Label17", "-0.33"}}},
      {"letters",
       {{"Text1", "abc"}, {"Text2", "abc"}},
       {{"Text1", "abc"}, {"Text3", "0.00"}, {"Label15", "0.00"}, {"Label17", "0.00"}}},
      {"empty close", {{"Text2", ""}}, {{"Text3", "股票价格"}, {"Label15", " "}}, "请输入昨天收盘价！"},
      {"beyond range",
       {{"Text1", "1e308"}, {"Text2", "-100"}},
       {{"Text3", "股票价格"}, {"Label15", " "}},
       Form::kOutOfRangeMessage},
  });
}

TEST(Form8, ClearEmptiesTheFallsSoTheNextComputePromptsForThem) {
  FormHarness<Form8> h;
  h.Type({{"Text1", "10"}});
  h.Click("Command1");
  h.Click("Command2");
  h.ExpectTexts(
      {{"Text1", ""}, {"Text2", ""}, {"Text4", ""}, {"Text6", ""}, {"Text3", "9.70"}, {"Label17", "-0.80"}});
  h.Type({{"Text1", "10"}});
  h.Click("Command1");
  EXPECT_EQ(h.prompter.messages, std::vector<std::string>{"请输入跌幅1！"});
}

}  // namespace
}  // namespace stockcalc
