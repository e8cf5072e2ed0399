// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/look.h"

#include <cwchar>

#include "win32/dpi.h"

namespace stockcalc {

int FontPixels(FontStyle style) {
  // Points to pixels at 96 DPI: 9 pt is 12 px, 10.5 pt is 14 px.
  return style == FontStyle::BoldResult ? MulDiv(105, kLayoutDpi, 720) : MulDiv(9, kLayoutDpi, 72);
}

FontCache::~FontCache() {
  for (const auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT FontCache::Get(FontStyle style, int pixels, int dpi) {
  const auto key = std::make_tuple(style, pixels, dpi);
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  LOGFONTW font{};
  font.lfHeight = -Scale(pixels, dpi);
  font.lfQuality = CLEARTYPE_QUALITY;
  if (style == FontStyle::BoldResult) {
    font.lfWeight = FW_BOLD;
    font.lfCharSet = GB2312_CHARSET;
    std::wcsncpy(font.lfFaceName, kResultFace, LF_FACESIZE - 1);
  } else {
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(font.lfFaceName, kWindowFace, LF_FACESIZE - 1);
  }
  HFONT made = CreateFontIndirectW(&font);
  fonts_.emplace(key, made);
  return made;
}

bool ColourOf(TextColour colour, COLORREF& rgb) {
  switch (colour) {
    case TextColour::Black: rgb = RGB(0, 0, 0); return true;
    case TextColour::Red: rgb = RGB(255, 0, 0); return true;
    case TextColour::Green: rgb = RGB(0, 192, 0); return true;
    case TextColour::DarkGreen: rgb = RGB(0, 128, 0); return true;
    case TextColour::Default: break;
  }
  return false;
}

}  // namespace stockcalc
