// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fit_font.h"

#include <algorithm>

namespace stockcalc {

FontFit FitFont(int start_pixels, int space, const std::function<int(int pixels)>& width_at) {
  int pixels = start_pixels;
  while (true) {
    if (width_at(pixels) <= space) return {pixels, true};
    if (pixels <= kSmallestFontPixels) return {pixels, false};
    pixels = std::max(kSmallestFontPixels, pixels - 1);
  }
}

}  // namespace stockcalc
