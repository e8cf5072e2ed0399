// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fit_font.h"

#include <gtest/gtest.h>

#include <vector>

namespace stockcalc {
namespace {

// A text 10 characters long, each character as wide as the font is high.
int TenCharacters(int pixels) { return 10 * pixels; }

TEST(FitFont, TakesTheLargestSizeThatFitsNeverBelowEightPixels) {
  EXPECT_EQ(FitFont(12, 120, TenCharacters).pixels, 12);  // fits at its own size
  EXPECT_EQ(FitFont(12, 119, TenCharacters).pixels, 11);
  EXPECT_EQ(FitFont(14, 90, TenCharacters).pixels, 9);
  EXPECT_TRUE(FitFont(14, 80, TenCharacters).fits);
  const FontFit too_wide = FitFont(14, 79, TenCharacters);
  EXPECT_EQ(too_wide.pixels, 8);
  EXPECT_FALSE(too_wide.fits);
}

TEST(FitFont, AFontAlreadyAtTheSmallestSizeIsNotShrunk) {
  std::vector<int> tried;
  const FontFit fit = FitFont(8, 10, [&](int pixels) {
    tried.push_back(pixels);
    return TenCharacters(pixels);
  });
  EXPECT_EQ(tried, std::vector<int>{8});
  EXPECT_FALSE(fit.fits);
}

}  // namespace
}  // namespace stockcalc
