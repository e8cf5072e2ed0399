// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <span>

#include "calc/layout.h"

namespace stockcalc {

// The windows keep their fixed layout, so a long computed text has only the
// space the layout gives it. It shows at the control's own font when it
// fits, else at the largest smaller font that fits, never below this size;
// a text that does not fit even then shows from its first character and
// carries its full text in its tooltip.
inline constexpr int kSmallestFontPixels = 8;

struct FontFit {
  int pixels = 0;     // the font size to show the text at
  bool fits = false;  // false: even the smallest size is too wide
};

// Tries `start_pixels` (the control's own font), then one pixel smaller at
// a time down to kSmallestFontPixels, and returns the first size whose text
// width, as `width_at` measures it, is at most `space`.
FontFit FitFont(int start_pixels, int space, const std::function<int(int pixels)>& width_at);

// The width a label may draw in: from its left edge to the first of the
// other (shown) controls to its right on its row, or else to the window's
// right edge. The row is the middle half of the label's height, where its
// digits stand: a button that only grazes the label's box above or below
// its text is not in the way.
int LabelSpace(const Rect& label, std::span<const Rect> others, int window_width);

}  // namespace stockcalc
