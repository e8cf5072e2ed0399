// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

// Takes the locale from the environment, as the program does under Qt, so a
// run under a comma-decimal locale really exercises one.
int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

TEST(Locale, CommaLocaleIsActiveWhenAsked) {
  if (std::getenv("STOCKCALC_EXPECT_COMMA_LOCALE") == nullptr) GTEST_SKIP() << "default locale run";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",")
      << "the comma-decimal locale is not installed, so this run proves nothing";
}
