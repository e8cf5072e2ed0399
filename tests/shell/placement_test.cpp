// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/placement.h"

#include <gtest/gtest.h>

namespace stockcalc {
namespace {

TEST(CenterOnScreen, KeepsTheHalfPixelAndOverhangsEquallyWhenTooLarge) {
  EXPECT_EQ(CenterOnScreen(800, 301), 249.5);
  EXPECT_EQ(CenterOnScreen(600, 231), 184.5);
  EXPECT_EQ(CenterOnScreen(200, 307), -53.5);
}

}  // namespace
}  // namespace stockcalc
