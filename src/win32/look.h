// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <map>
#include <tuple>

#include "calc/layout.h"

namespace stockcalc {

// Every text but the bold results is in Microsoft YaHei (微软雅黑), the
// Chinese interface font that every Chinese Windows has had since Vista, at
// 9 points: 12 pixels at 100 %, the size the layout tables are drawn for.
// The bold results are in 宋体 10.5 points bold, GB2312 character set.
inline constexpr const wchar_t* kWindowFace = L"Microsoft YaHei";
inline constexpr const wchar_t* kResultFace = L"宋体";

// The size of a style's font in pixels at 96 DPI.
int FontPixels(FontStyle style);

// The fonts of the program, made once for each style, size and DPI and
// kept until the program ends.
class FontCache {
 public:
  FontCache() = default;
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;
  ~FontCache();

  // The style's font at `pixels` (measured at 96 DPI), for a monitor of `dpi`.
  HFONT Get(FontStyle style, int pixels, int dpi);
  HFONT Get(FontStyle style, int dpi) { return Get(style, FontPixels(style), dpi); }

 private:
  std::map<std::tuple<FontStyle, int, int>, HFONT> fonts_;
};

// Puts the RGB of a text colour into `rgb`; false for the system's default.
bool ColourOf(TextColour colour, COLORREF& rgb);

}  // namespace stockcalc
