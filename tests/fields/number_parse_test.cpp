// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace stockcalc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
  const char* text;
  double expected;
};

TEST(ParseLeadingNumber, ReadsTheLongestLeadingNumber) {
  const ParseCase cases[] = {
      {"12.5abc", 12.5},  {"1.2.3", 1.2},  {"12%", 12},
      {"1.234.5", 1.234}, {"1 2", 12},     {" \t1\n2 . 5", 12.5},
      {"-3.5", -3.5},     {"+7", 7},       {".5", 0.5},
      {"5.", 5},          {"-.25", -0.25}, {"1e3", 1000},
      {"1E-2", 0.01},     {"2d2", 200},    {"2D+1", 20},
      {"3e", 3},          {"3e+", 3},      {"3ex", 3},
      {"3 e 2", 300},     {"", 0},         {"abc", 0},
      {"-", 0},           {".", 0},        {"+-5", 0},
      {"   ", 0},         {"元5", 0},      {"１２", 0},
      {"0.1", 0.1},       {"007", 7},      {"10.5元", 10.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseLeadingNumber(c.text), c.expected);
  }
}

TEST(ParseLeadingNumber, ReadsHexAndOctalIntegersUpTo64Bits) {
  const ParseCase cases[] = {
      {"&H1F", 31},
      {"&hff", 255},
      {"&O17", 15},
      {"&o777x", 511},
      {"&H", 0},
      {"&", 0},
      {"&X1", 0},
      {"& H 1 0", 16},
      {"&HFFFF", 65535},
      {"&O8", 0},
      {"&H1.5", 1},
      {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
      {"&H10000000000000000", kInf},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseLeadingNumber(c.text), c.expected);
  }
}

TEST(ParseLeadingNumber, OutOfRangeExponentsGoToInfinityOrZero) {
  EXPECT_EQ(ParseLeadingNumber("1e400"), kInf);
  EXPECT_EQ(ParseLeadingNumber("-1e400"), -kInf);
  EXPECT_EQ(ParseLeadingNumber("0.0001e309"), 1e305);
  EXPECT_EQ(ParseLeadingNumber("1e-400"), 0.0);
  EXPECT_EQ(ParseLeadingNumber("-0.5e-400"), 0.0);
  EXPECT_EQ(ParseLeadingNumber(".5e400"), kInf);
  EXPECT_EQ(ParseLeadingNumber("1e99999999999999999999"), kInf);
  EXPECT_EQ(ParseLeadingNumber("0e99999999999999999999"), 0.0);
  EXPECT_EQ(ParseLeadingNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(ParseLeadingNumber, LongTextsAreReadInFull) {
  const std::string many_digits = "1" + std::string(300, '0');
  EXPECT_EQ(ParseLeadingNumber(many_digits), 1e300);
  EXPECT_EQ(ParseLeadingNumber("0." + std::string(400, '0') + "1e405"), 1e4);
}

TEST(ParseWholeNumber, AcceptsOnlyOneNumberWithBlanksAround) {
  struct WholeCase {
    const char* text;
    bool ok;
    double value;
  };
  const WholeCase cases[] = {
      {"12", true, 12},    {" 12.5 ", true, 12.5}, {"-3e2", true, -300}, {".5", true, 0.5}, {"5.", true, 5},
      {"+1d1", true, 10},  {"12abc", false, 0},    {"1.2.3", false, 0},  {"", false, 0},    {"   ", false, 0},
      {"1 2", false, 0},   {"3e", false, 0},       {"&H10", false, 0},   {"-", false, 0},   {".", false, 0},
      {"300股", false, 0}, {"10%", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto value = ParseWholeNumber(c.text);
    ASSERT_EQ(value.has_value(), c.ok);
    if (c.ok) {
      EXPECT_EQ(*value, c.value);
    }
  }
}

}  // namespace
}  // namespace stockcalc
