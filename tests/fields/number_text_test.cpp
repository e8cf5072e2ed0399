// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "fields/no_result.h"
#include "fields/number_parse.h"

namespace stockcalc {
namespace {

TEST(NumberText, WritesFifteenSignificantDigitsShortest) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {0.5, "0.5"},
      {-3.0, "-3"},
      {0.1 + 0.2, "0.3"},
      {986.9999999999999, "987"},
      {10500, "10500"},
      {1108.89, "1108.89"},
      {123456789012345, "123456789012345"},
      {1e15, "1E+15"},
      {1.5e20, "1.5E+20"},
      {0.00001, "0.00001"},
      {0.000001, "1E-06"},
      {-2.5e-7, "-2.5E-07"},
      {1e300, "1E+300"},
      {999999999999999.9, "1E+15"},
      {0.1234567890123456, "0.123456789012346"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NumberText(c.value), c.text);
  }
}

TEST(NumberText, ReadsBackToTheSameFifteenDigitValue) {
  for (const double value : {1e300, -4.9e-324, 1.7976931348623157e308, 0.000123, 2.675, 1e-5}) {
    const std::string text = NumberText(value);
    SCOPED_TRACE(text);
    EXPECT_EQ(NumberText(ParseLeadingNumber(text)), text);
  }
}

TEST(RoundTwoDecimals, HalvesOfTheDoubleProductGoToEven) {
  struct Case {
    double value;
    double rounded;
  };
  const Case cases[] = {
      {1.125, 1.12}, {1.375, 1.38}, {-1.125, -1.12}, {2.5, 2.5},    {2.675, 2.68},
      {1.005, 1.00}, {0.125, 0.12}, {7, 7},          {-0.004, 0.0}, {1.114999, 1.11},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(RoundTwoDecimals(c.value), c.rounded);
  }
  EXPECT_EQ(RoundDecimals(3.49 * 10 / 10, 1), 3.5);
  EXPECT_EQ(RoundDecimals(0.25, 1), 0.2);
  EXPECT_EQ(RoundDecimals(2.5, 0), 2.0);
}

TEST(FormatTwoDecimals, RoundsTheFifteenDigitTextHalfAwayFromZero) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.125, "0.13"},
      {1.005, "1.01"},
      {-0.125, "-0.13"},
      {0.5, "0.50"},
      {3, "3.00"},
      {0.0, "0.00"},
      {-0.0, "0.00"},
      {-0.004, "0.00"},
      {-0.005, "-0.01"},
      {9.995, "10.00"},
      {0.995, "1.00"},
      {-99.999, "-100.00"},
      {12340, "12340.00"},
      {0.001, "0.00"},
      {1e20, "100000000000000000000.00"},
      {1.5e-7, "0.00"},
      {986.9999999999999, "987.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatTwoDecimals(c.value), c.text);
  }
  EXPECT_EQ(FormatDecimals(3.5, 0), "4");
  EXPECT_EQ(FormatDecimals(-0.3, 0), "0");
  EXPECT_EQ(FormatDecimals(2.45, 1), "2.5");
}

TEST(NumberWriters, RefuseValuesThatAreNotFinite) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const double value : {inf, -inf, nan}) {
    EXPECT_THROW(NumberText(value), NoResult);
    EXPECT_THROW(FormatTwoDecimals(value), NoResult);
  }
}

}  // namespace
}  // namespace stockcalc
