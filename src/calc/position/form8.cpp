// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/position/form8.h"

#include "fields/clean_field.h"
#include "fields/number_parse.h"
#include "fields/write_result.h"

namespace stockcalc {
namespace {

using enum ControlKind;
using enum TextColour;

constexpr ControlLayout kControls[] = {
    {"Label1", Label, {8, 8, 36, 12}, "昨天收盘价："},
    {"Text1", TextBox, {80, 8, 89, 22}, "", Default, FontStyle::Default, "昨天收盘价"},
    {"Label14", Label, {176, 16, 78, 12}, "元 (精确到分)"},
    {"Label2", Label, {8, 64, 36, 12}, "跌幅1："},
    {"Text2", TextBox, {56, 56, 33, 22}, "3", Default, FontStyle::Default, "跌幅1"},
    {"Label3", Label, {96, 64, 36, 12}, "%"},
    {"Label4", Label, {112, 64, 36, 12}, "补仓价格："},
    {"Text3", ResultBox, {168, 56, 67, 22}, "股票价格", Default, FontStyle::Default, "补仓价格1"},
    {"Label5", Label, {240, 64, 36, 12}, "↓："},
    {"Label15", Label, {264, 64, 42, 12}, " ", Green},
    {"Label6", Label, {8, 112, 36, 12}, "跌幅2："},
    {"Text4", TextBox, {56, 104, 33, 22}, "5", Default, FontStyle::Default, "跌幅2"},
    {"Label7", Label, {96, 112, 36, 12}, "%"},
    {"Label8", Label, {112, 112, 36, 12}, "补仓价格："},
    {"Text5", ResultBox, {168, 104, 67, 22}, "股票价格", Default, FontStyle::Default, "补仓价格2"},
    {"Label9", Label, {240, 112, 36, 12}, "↓："},
    {"Label16", Label, {264, 112, 42, 12}, " ", Green},
    {"Label10", Label, {8, 160, 42, 12}, "跌幅3："},
    {"Text6", TextBox, {56, 152, 33, 25}, "8", Default, FontStyle::Default, "跌幅3"},
    {"Label11", Label, {96, 160, 42, 12}, "%"},
    {"Label12", Label, {112, 160, 42, 12}, "补仓价格："},
    {"Text7", ResultBox, {168, 152, 67, 25}, "股票价格", Default, FontStyle::Default, "补仓价格3"},
    {"Label13", Label, {240, 160, 42, 12}, "↓："},
    {"Label17", Label, {264, 160, 42, 12}, " ", Green},
    {"Command1", Button, {16, 192, 86, 24}, "计算补仓价"},
    {"Command2", Button, {112, 192, 86, 24}, "清空文件框"},
    {"Command3", Button, {208, 192, 86, 24}, "切换回去"},
};

constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Text3",    "Text4",    "Text5",
                                          "Text6", "Text7", "Command1", "Command2", "Command3"};

}  // namespace

const WindowLayout Form8::kLayout = {"Form8", "股票分批补仓价计算", 307, 231, kControls, kTabOrder};

Form8::Form8(Prompter& prompter) : Form(kLayout, prompter) {
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
}

void Form8::Command1_Click() {
  CleanNumberField(Text1, units::kYuan);
  for (Stage& stage : stages_) CleanNumberField(stage.fall, units::kYuanPercent);
  const double close = ParseLeadingNumber(Text1.Text());
  if (!RequiredFieldsFilled(prompter(), {{Text1, "请输入昨天收盘价！"},
                                         {stages_[0].fall, stages_[0].prompt},
                                         {stages_[1].fall, stages_[1].prompt},
                                         {stages_[2].fall, stages_[2].prompt}})) {
    return;
  }
  ComputeOrReport([&] {
    for (Stage& stage : stages_) {
      const double fraction = ParseLeadingNumber(stage.fall.Text()) / 100;
      WriteResult(stage.price, close - fraction * close);
    }
    // Each distance is from the add price as shown and the close as typed.
    for (Stage& stage : stages_) {
      WriteResult(stage.distance, ReadNumber(stage.price) - ReadNumber(Text1));
    }
  });
}

void Form8::Command2_Click() { ClearFields({&Text1, &stages_[0].fall, &stages_[1].fall, &stages_[2].fall}); }

}  // namespace stockcalc
