// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "fields/clean_field.h"
#include "fields/no_result.h"
#include "fields/prompt.h"
#include "fields/write_result.h"
#include "recording_prompter.h"

namespace stockcalc {
namespace {

TEST(CleanNumberField, TurnsDecimalMarksIntoPointsAndDropsUnits) {
  struct Case {
    const char* typed;
    UnitList units;
    const char* cleaned;
  };
  const Case cases[] = {
      {"1,5", units::kYuan, "1.5"},
      {"1，5", units::kYuan, "1.5"},
      {"1。5", units::kYuan, "1.5"},
      {"1,234.5", units::kYuan, "1.234.5"},
      {"12，5元", units::kYuan, "12.5"},
      {"3%", units::kYuanPercent, "3"},
      {"3%", units::kYuan, "3%"},
      {"元", units::kYuan, ""},
      {"%", units::kYuanPercent, ""},
      {"300股", units::kShares, "300"},
      {"3个", units::kPieces, "3"},
      {"10元", units::kShares, "10元"},
      {" 1 元 ", units::kYuan, " 1  "},
      {"１２Ａ", units::kYuan, "１２Ａ"},
      {"元元%%,,", units::kYuanPercent, ".."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    TextControl box(ControlKind::TextBox, c.typed);
    CleanNumberField(box, c.units);
    EXPECT_EQ(box.Text(), c.cleaned);
  }
}

TEST(RequiredFieldsFilled, PromptsForTheFirstEmptyFieldOnly) {
  TextControl first(ControlKind::TextBox, "");
  TextControl second(ControlKind::TextBox, "");
  TextControl blanks(ControlKind::TextBox, "  ");
  test::RecordingPrompter prompter;
  EXPECT_FALSE(RequiredFieldsFilled(prompter, {{first, "first!"}, {second, "second!"}}));
  EXPECT_EQ(prompter.messages, (std::vector<std::string>{"first!"}));
  EXPECT_TRUE(RequiredFieldsFilled(prompter, {{blanks, "blanks!"}}));
  EXPECT_EQ(prompter.messages.size(), 1U);
}

TEST(WriteResult, WritesTheRoundedTwoDecimalForm) {
  struct Case {
    double value;
    const char* shown;
  };
  const Case cases[] = {
      {1.125, "1.12"}, {1.375, "1.38"},  {2.675, "2.68"},  {1.005, "1.00"},
      {7, "7.00"},     {-0.001, "0.00"}, {-0.15, "-0.15"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    TextControl box(ControlKind::TextBox);
    TextControl label(ControlKind::Label);
    WriteResult(box, c.value);
    WriteResult(label, c.value, {.suffix = "元"});
    EXPECT_EQ(box.Text(), c.shown);
    EXPECT_EQ(label.Text(), std::string(c.shown) + "元");
  }
}

TEST(WriteResult, LeavesTheControlUntouchedWhenThereIsNoValue) {
  TextControl box(ControlKind::TextBox, "before");
  EXPECT_THROW(WriteResult(box, std::numeric_limits<double>::infinity()), NoResult);
  EXPECT_EQ(box.Text(), "before");
}

TEST(ClearFields, EmptiesOnlyTheListedBoxes) {
  TextControl a(ControlKind::TextBox, "1");
  TextControl b(ControlKind::TextBox, "2");
  ClearFields({&a});
  EXPECT_EQ(a.Text(), "");
  EXPECT_EQ(b.Text(), "2");
}

}  // namespace
}  // namespace stockcalc
