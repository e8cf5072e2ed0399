// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/copy_text.h"

#include <gtest/gtest.h>

#include "calc/fees/form10.h"
#include "calc/price/form1.h"
#include "calc/price/form3.h"
#include "form_harness.h"

namespace stockcalc {
namespace {

using test::FormHarness;

// Rows as the eye reads them: a caption, its box, its unit and results
// beside it on one line; rows a label's height apart on separate lines.
TEST(CopyText, CopiesEachRowOfTheWindowAsOneLine) {
  FormHarness<Form1> main;
  main.Type({{"Text1", "10"}});
  main.Click("Command1");
  EXPECT_EQ(CopyText(main.form),
            "鼎衡股票计算器    作者：青松\n"
            "昨天收盘价： 10 10.15 ↑： 0.30元\n"
            "涨跌幅： 1.50 % 如：1.55\n"
            "最低价： 9.85 ↓下跌： 0.15元\n");

  FormHarness<Form3> limits;  // two result rows 24 pixels apart, an empty box
  EXPECT_EQ(CopyText(limits.form),
            "涨停价、跌停价计算\n"
            "昨天收盘价： 元 (精确到分)\n"
            "涨停价： 涨停价 元 (精确到分)\n"
            "跌停价： 跌停价 元 (精确到分)\n"
            "上涨：\n"
            "下跌：\n");
}

TEST(CopyText, CopiesTheFeesWindowWithItsRatesAndResults) {
  FormHarness<Form10> fees;
  fees.Type({{"Text1", "10"}, {"Text2", "1000"}, {"Text3", "10.5"}});
  fees.Click("Command1");
  EXPECT_EQ(CopyText(fees.form),
            "交易费用与保本价\n"
            "买入价： 10.00 元 佣金费率： 0.025 %\n"
            "股数： 1000 股 最低佣金： 5 元\n"
            "卖出价： 10.50 元 印花税率： 0.05 %\n"
            "卖出价可以不填 过户费率： 0.001 %\n"
            "买入金额：10000.00元 卖出金额：10500.00元\n"
            "买入费用：5.10元 卖出费用：10.36元\n"
            "总成本：10005.10元 净收入：10489.64元\n"
            "买入：佣金5.00 + 过户费0.10\n"
            "卖出：佣金5.00 + 印花税5.25 + 过户费0.11\n"
            "盈亏：484.54元（4.84%）\n"
            "保本价：10.02元（需涨0.20%）\n");
}

}  // namespace
}  // namespace stockcalc
