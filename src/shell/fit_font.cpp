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

int LabelSpace(const Rect& label, std::span<const Rect> others, int window_width) {
  const int top = label.top + label.height / 4;
  const int bottom = label.top + label.height - label.height / 4;
  int right = window_width;
  for (const Rect& other : others) {
    const bool on_row = other.top < bottom && other.top + other.height > top;
    if (on_row && other.left > label.left) right = std::min(right, other.left);
  }
  return right - label.left;
}

}  // namespace stockcalc
