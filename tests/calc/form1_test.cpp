// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/price/form1.h"

#include <gtest/gtest.h>

#include "form_harness.h"

namespace stockcalc {
namespace {

using test::FormCase;

TEST(Form1, LoadsItsCaptionsAndDefaults) {
  test::FormHarness<Form1> h;
  h.ExpectTexts({{"Text1", ""},
                 {"Text2", "1.50"},
                 {"Text3", "最低价"},
                 {"Label3", "% 如：1.55"},
                 {"Label4", "↑："},
                 {"Label5", "↓下跌："},
                 {"Label7", ""},
                 {"Command1", "止盈止损价"},
                 {"Command7", "除法"}});
  EXPECT_EQ(h.form.LoadCount(), 1);
}

TEST(Form1, ComputesStopLossAndTakeProfit) {
  test::RunCases<Form1>({
      {"10 at 1.50",
       {{"Text1", "10"}, {"Text2", "1.50"}},
       {{"Text3", "9.85"}, {"Label7", "0.15元"}, {"Label8", "10.15"}, {"Label9", "0.30元"}}},
      {"12.34 at 2",
       {{"Text1", "12.34"}, {"Text2", "2"}},
       {{"Text3", "12.09"}, {"Label7", "0.25元"}, {"Label8", "12.59"}, {"Label9", "0.50元"}}},
      {"8.88 at 10",
       {{"Text1", "8.88"}, {"Text2", "10"}},
       {{"Text3", "7.99"}, {"Label7", "0.89元"}, {"Label8", "9.77"}, {"Label9", "1.78元"}}},
      {"units are cleaned",
       {{"Text1", "100元"}, {"Text2", "3.3%"}},
       {{"Text1", "100"},
        {"Text2", "3.3"},
        {"Text3", "96.70"},
        {"Label7", "3.30元"},
        {"Label8", "103.30"},
        {"Label9", "6.60元"}}},
      {"Chinese decimal marks",
       {{"Text1", "10,5元"}, {"Text2", "1。5%"}},
       {{"Text1", "10.5"}, {"Text2", "1.5"}, {"Text3", "10.34"}}},
      {"letters read as 0",
       {{"Text1", "abc"}, {"Text2", "1.5"}},
       {{"Text1", "abc"}, {"Text3", "0.00"}, {"Label7", "0.00元"}, {"Label8", "0.00"}, {"Label9", "0.00元"}}},
      {"zero percent",
       {{"Text1", "10"}, {"Text2", "0"}},
       {{"Text3", "10.00"}, {"Label7", "0.00元"}, {"Label8", "10.00"}, {"Label9", "0.00元"}}},
      {"negative percent",
       {{"Text1", "10"}, {"Text2", "-2"}},
       {{"Text3", "10.20"}, {"Label7", "-0.20元"}, {"Label8", "9.80"}, {"Label9", "-0.40元"}}},
      {"above 100 percent",
       {{"Text1", "10"}, {"Text2", "150"}},
       {{"Text3", "-5.00"}, {"Label7", "15.00元"}, {"Label8", "25.00"}, {"Label9", "30.00元"}}},
      {"close with more decimals",
       {{"Text1", "10.004"}, {"Text2", "1.5"}},
       {{"Text3", "9.85"}, {"Label7", "0.15元"}, {"Label8", "10.16"}, {"Label9", "0.31元"}}},
  });
}

TEST(Form1, PromptsForTheFirstEmptyFieldAndWritesNothing) {
  test::RunCases<Form1>({
      {"both empty",
       {{"Text1", ""}, {"Text2", ""}},
       {{"Text3", "最低价"}, {"Label7", ""}},
       "请输入昨天收盘价！"},
      {"close is only a unit",
       {{"Text1", "元"}, {"Text2", "元%"}},
       {{"Text1", ""}, {"Text2", ""}},
       "请输入昨天收盘价！"},
      {"percentage empty",
       {{"Text1", "10"}, {"Text2", "%"}},
       {{"Text3", "最低价"}, {"Label8", ""}},
       "请输入涨跌幅！"},
      {"blanks are not empty", {{"Text1", " "}, {"Text2", "1"}}, {{"Text3", "0.00"}}},
  });
}

TEST(Form1, NoFiniteResultKeepsEveryOutputAndSaysSo) {
  test::FormHarness<Form1> h;
  h.Type({{"Text1", "10"}});
  h.Click("Command1");
  const auto before = h.Snapshot();
  for (const char* close : {"1e308", "-1.7e308", "1e400"}) {
    h.Type({{"Text1", close}, {"Text2", "-150"}});
    h.Click("Command1");
    EXPECT_EQ(h.Text("Text3"), "9.85") << close;
    EXPECT_EQ(h.Text("Label9"), "0.30元") << close;
  }
  EXPECT_EQ(h.prompter.messages.size(), 3U);
  EXPECT_EQ(h.prompter.messages.back(), Form::kOutOfRangeMessage);
  h.Type({{"Text1", "10"}, {"Text2", "1.50"}});
  EXPECT_EQ(h.Snapshot(), before);
}

}  // namespace
}  // namespace stockcalc
