// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "calc/price/form2.h"
#include "calc/price/form3.h"
#include "calc/price/form7.h"
#include "form_harness.h"

namespace stockcalc {
namespace {

using test::FormCase;
using test::FormHarness;

TEST(Form2, ComputesPercentChangeAndAmount) {
  test::RunCases<Form2>({
      {"10.5 over 10", {{"Text1", "10.5"}, {"Text2", "10"}}, {{"Text3", "5.00"}, {"Label8", "0.50元"}}},
      {"9.85 over 10", {{"Text1", "9.85"}, {"Text2", "10"}}, {{"Text3", "-1.50"}, {"Label8", "-0.15元"}}},
      {"cleaned inputs",
       {{"Text1", "12.34元"}, {"Text2", "11，11"}},
       {{"Text1", "12.34"}, {"Text2", "11.11"}, {"Text3", "11.07"}, {"Label8", "1.23元"}}},
      {"8 over 12.5", {{"Text1", "8"}, {"Text2", "12.5"}}, {{"Text3", "-36.00"}, {"Label8", "-4.50元"}}},
      {"close of 0", {{"Text1", "0"}, {"Text2", "5"}}, {{"Text3", "-100.00"}, {"Label8", "-5.00元"}}},
      {"equal prices", {{"Text1", "7.7"}, {"Text2", "7.7"}}, {{"Text3", "0.00"}, {"Label8", "0.00元"}}},
      {"opening with %", {{"Text1", "11"}, {"Text2", "10%"}}, {{"Text2", "10"}, {"Text3", "10.00"}}},
      {"close with % is read by its leading number",
       {{"Text1", "10%"}, {"Text2", "8"}},
       {{"Text1", "10%"}, {"Text3", "25.00"}, {"Label8", "2.00元"}}},
  });
}

TEST(Form2, RefusesAZeroOpeningPriceAndPromptsForEmptyBoxes) {
  test::RunCases<Form2>({
      {"both empty", {}, {{"Text3", "涨跌幅度"}, {"Label8", ""}}, "请输入昨天收盘价！"},
      {"opening empty",
       {{"Text1", "5"}, {"Text2", "元"}},
       {{"Text2", ""}, {"Text3", "涨跌幅度"}},
       "请输入最低价！"},
      {"opening 0",
       {{"Text1", "5"}, {"Text2", "0"}},
       {{"Text3", "涨跌幅度"}, {"Label8", ""}},
       Form2::kZeroOpeningMessage},
      {"opening letters",
       {{"Text1", "5"}, {"Text2", "abc"}},
       {{"Text3", "涨跌幅度"}},
       Form2::kZeroOpeningMessage},
      {"opening so near 0 the quotient overflows",
       {{"Text1", "5"}, {"Text2", "1e-320"}},
       {{"Text3", "涨跌幅度"}},
       Form2::kZeroOpeningMessage},
      {"difference beyond range",
       {{"Text1", "1e308"}, {"Text2", "-1e308"}},
       {{"Text3", "涨跌幅度"}},
       Form::kOutOfRangeMessage},
  });
}

TEST(Form2, ClearEmptiesTheInputsAndKeepsResults) {
  FormHarness<Form2> h;
  h.Type({{"Text1", "10.5"}, {"Text2", "10"}});
  h.Click("Command1");
  h.Click("Command2");
  h.ExpectTexts({{"Text1", ""}, {"Text2", ""}, {"Text3", "5.00"}, {"Label8", "0.50元"}});
}

TEST(Form3, ComputesLimitPricesAndDistances) {
  test::RunCases<Form3>({
      {"10",
       {{"Text1", "10"}},
       {{"Text2", "11.00"}, {"Text3", "9.00"}, {"Label8", "1.00元"}, {"Label10", "-1.00元"}}},
      {"12.34",
       {{"Text1", "12.34"}},
       {{"Text2", "13.57"}, {"Text3", "11.11"}, {"Label8", "1.23元"}, {"Label10", "-1.23元"}}},
      {"7.77",
       {{"Text1", "7.77"}},
       {{"Text2", "8.55"}, {"Text3", "6.99"}, {"Label8", "0.78元"}, {"Label10", "-0.78元"}}},
      {"3.33元",
       {{"Text1", "3.33元"}},
       {{"Text1", "3.33"},
        {"Text2", "3.66"},
        {"Text3", "3.00"},
        {"Label8", "0.33元"},
        {"Label10", "-0.33元"}}},
      {"25，5",
       {{"Text1", "25，5"}},
       {{"Text1", "25.5"},
        {"Text2", "28.05"},
        {"Text3", "22.95"},
        {"Label8", "2.55元"},
        {"Label10", "-2.55元"}}},
      {"halves go to the even cent",
       {{"Text1", "10.15"}},
       {{"Text2", "11.16"}, {"Text3", "9.14"}, {"Label8", "1.01元"}, {"Label10", "-1.01元"}}},
      {"distances from the rounded limits",
       {{"Text1", "10.014"}},
       {{"Text2", "11.02"}, {"Text3", "9.01"}, {"Label8", "1.01元"}, {"Label10", "-1.00元"}}},
      {"% is not stripped", {{"Text1", "10%"}}, {{"Text1", "10%"}, {"Text2", "11.00"}}},
      {"letters read as 0",
       {{"Text1", "abc"}},
       {{"Text2", "0.00"}, {"Text3", "0.00"}, {"Label8", "0.00元"}, {"Label10", "0.00元"}}},
      {"negative close",
       {{"Text1", "-10"}},
       {{"Text2", "-11.00"}, {"Text3", "-9.00"}, {"Label8", "-1.00元"}, {"Label10", "1.00元"}}},
      {"empty", {{"Text1", "元"}}, {{"Text1", ""}, {"Text2", "涨停价"}}, "请输入昨天收盘价！"},
      {"beyond range",
       {{"Text1", "1.7e308"}},
       {{"Text1", "1.7e308"}, {"Text2", "涨停价"}, {"Label8", ""}},
       Form::kOutOfRangeMessage},
  });
}

TEST(Form3, ClearEmptiesTheCloseAlone) {
  FormHarness<Form3> h;
  h.Type({{"Text1", "10"}});
  h.Click("Command1");
  h.Click("Command2");
  h.ExpectTexts(
      {{"Text1", ""}, {"Text2", "11.00"}, {"Text3", "9.00"}, {"Label8", "1.00元"}, {"Label10", "-1.00元"}});
}

TEST(Form7, CompoundsOverTheCount) {
  test::RunCases<Form7>({
      {"3 of 10%",
       {{"Text1", "10"}, {"Text2", "3"}, {"Text5", "10"}},
       {{"Text1", "10.00"},
        {"Text2", "3"},
        {"Text3", "13.31"},
        {"Text4", "7.29"},
        {"Label7", "上涨：3.31元"},
        {"Label8", "下跌：-2.71 元"}}},
      {"one rounding at the end",
       {{"Text1", "10"}, {"Text2", "10"}, {"Text5", "10"}},
       {{"Text3", "25.94"}, {"Text4", "3.49"}, {"Label7", "上涨：15.94元"}, {"Label8", "下跌：-6.51 元"}}},
      {"12.34, 5",
       {{"Text1", "12.34"}, {"Text2", "5"}, {"Text5", "10"}},
       {{"Text1", "12.34"},
        {"Text3", "19.87"},
        {"Text4", "7.29"},
        {"Label7", "上涨：7.53元"},
        {"Label8", "下跌：-5.05 元"}}},
      {"8.88, 2 of 20%",
       {{"Text1", "8.88"}, {"Text2", "2"}, {"Text5", "20"}},
       {{"Text3", "12.79"}, {"Text4", "5.68"}, {"Label7", "上涨：3.91元"}, {"Label8", "下跌：-3.20 元"}}},
      {"count cleaned and truncated",
       {{"Text1", "10"}, {"Text2", "3.9个"}, {"Text5", "10%"}},
       {{"Text2", "3"}, {"Text5", "10"}, {"Text3", "13.31"}}},
      {"negative count divides",
       {{"Text1", "10"}, {"Text2", "-2"}, {"Text5", "10"}},
       {{"Text2", "-2"}, {"Text3", "8.26"}, {"Text4", "12.35"}}},
      {"above 100%", {{"Text1", "10"}, {"Text2", "3"}, {"Text5", "150"}}, {{"Text4", "-1.25"}}},
      {"decimal comma in the rate",
       {{"Text1", "10"}, {"Text2", "1"}, {"Text5", "10，5"}},
       {{"Text5", "10.5"}, {"Text3", "11.05"}}},
      {"close with more decimals",
       {{"Text1", "10.005"}, {"Text2", "0"}, {"Text5", "10"}},
       {{"Text1", "10.01"}, {"Text3", "10.01"}, {"Label7", "上涨：0.00元"}, {"Label8", "下跌：0.00 元"}}},
  });
}

TEST(Form7, PromptsAndRefusesPowersWithoutValue) {
  test::RunCases<Form7>({
      {"all empty", {{"Text5", ""}}, {{"Text3", "连涨价"}}, "请输入昨天收盘价！"},
      {"count empty", {{"Text1", "10"}, {"Text2", "个"}}, {{"Text2", ""}}, "请输入连板数量！"},
      {"rate empty", {{"Text1", "10"}, {"Text2", "3"}, {"Text5", "%"}}, {{"Text5", ""}}, "请输入涨幅！"},
      {"zero factor to a negative count",
       {{"Text1", "10元"}, {"Text2", "-3"}, {"Text5", "100"}},
       {{"Text1", "10"}, {"Text2", "-3"}, {"Text3", "连涨价"}, {"Text4", "连跌价"}, {"Label7", "上涨："}},
       Form::kOutOfRangeMessage},
      {"a huge count overflows at once",
       {{"Text1", "10"}, {"Text2", "1e300"}, {"Text5", "10"}},
       {{"Text2", "1e300"}, {"Text3", "连涨价"}},
       Form::kOutOfRangeMessage},
  });
}

TEST(Form7, ClearKeepsTheRateAndResults) {
  FormHarness<Form7> h;
  h.Type({{"Text1", "10"}, {"Text2", "3"}});
  h.Click("Command1");
  h.Click("Command2");
  h.ExpectTexts(
      {{"Text1", ""}, {"Text2", ""}, {"Text5", "10"}, {"Text3", "13.31"}, {"Label8", "下跌：-2.71 元"}});
}

}  // namespace
}  // namespace stockcalc
