// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/price/form2.h"

#include <cmath>

#include "fields/clean_field.h"
#include "fields/number_parse.h"
#include "fields/write_result.h"

namespace stockcalc {
namespace {

using enum ControlKind;
using enum TextColour;

constexpr ControlLayout kControls[] = {
    {"Label1", Label, {24, 24, 36, 12}, "收盘价："},
    {"Text1", TextBox, {104, 24, 89, 25}, "", Default, FontStyle::Default, "收盘价"},
    {"Label4", Label, {200, 32, 78, 12}, "元 (精确到分)"},
    {"Label2", Label, {24, 72, 36, 12}, "开盘价："},
    {"Text2", TextBox, {104, 64, 89, 25}, "", Default, FontStyle::Default, "开盘价"},
    {"Label3", Label, {200, 72, 78, 12}, "元 (精确到分)"},
    {"Label5", Label, {24, 112, 6, 12}, "涨跌幅："},
    {"Text3", ResultBox, {104, 104, 89, 33}, "涨跌幅度", Default, FontStyle::Default, "涨跌幅"},
    {"Label6", Label, {200, 112, 6, 12}, "%"},
    {"Label7", Label, {216, 112, 36, 12}, "涨跌："},
    {"Label8", Label, {248, 112, 36, 12}, "", Red},
    {"Command1", Button, {16, 152, 86, 28}, "计算涨跌幅"},
    {"Command2", Button, {112, 152, 86, 28}, "清空文本框"},
    {"Command3", Button, {208, 152, 86, 28}, "切换回去"},
};

constexpr std::string_view kTabOrder[] = {"Command3", "Text3", "Command2", "Command1", "Text2", "Text1"};

}  // namespace

const WindowLayout Form2::kLayout = {"Form2", "涨跌幅计算", 307, 231, kControls, kTabOrder};

Form2::Form2(Prompter& prompter) : Form(kLayout, prompter) {
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
}

void Form2::Command1_Click() {
  CleanNumberField(Text1, units::kYuan);
  CleanNumberField(Text2, units::kYuanPercent);
  const double close = ParseLeadingNumber(Text1.Text());
  const double open = ParseLeadingNumber(Text2.Text());
  if (!RequiredFieldsFilled(prompter(), {{Text1, "请输入昨天收盘价！"}, {Text2, "请输入最低价！"}})) {
    return;
  }
  const double change = ((close - open) / open) * 100;
  if (open == 0 || (std::isfinite(close - open) && !std::isfinite(change))) {
    prompter().ShowMessage(kZeroOpeningMessage);
    return;
  }
  ComputeOrReport([&] {
    WriteResult(Text3, change);
    // The amount converts whole texts; one that is not a number as a whole
    // (10%, 1.2.3) counts by its leading number, as the percent change did.
    WriteResult(Label8, ParseWholeOrLeadingNumber(Text1.Text()) - ParseWholeOrLeadingNumber(Text2.Text()),
                {.suffix = "元"});
  });
}

void Form2::Command2_Click() { ClearFields({&Text1, &Text2}); }

}  // namespace stockcalc
