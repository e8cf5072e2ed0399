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

TEST(LabelSpace, RunsToTheFirstControlOnItsRowElseToTheWindowEdge) {
  const Rect label{100, 40, 30, 16};  // its row: y 44 to 52
  const Rect box_right{180, 38, 60, 20};
  const Rect box_nearer{150, 50, 20, 20};   // reaches into the row
  const Rect grazing{120, 52, 20, 20};      // starts where the row ends
  const Rect above{120, 10, 20, 34};        // ends where the row starts
  const Rect to_the_left{10, 40, 80, 16};
  EXPECT_EQ(LabelSpace(label, std::vector<Rect>{}, 307), 207);
  EXPECT_EQ(LabelSpace(label, std::vector<Rect>{box_right, to_the_left}, 307), 80);
  EXPECT_EQ(LabelSpace(label, std::vector<Rect>{box_right, box_nearer}, 307), 50);
  EXPECT_EQ(LabelSpace(label, std::vector<Rect>{grazing, above}, 307), 207);
}

}  // namespace
}  // namespace stockcalc
