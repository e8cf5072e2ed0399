// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/look.h"

#include <QStringList>

namespace stockcalc {

QFont WindowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback")});
  font.setPixelSize(12);
  return font;
}

QFont BoldResultFont() {
  QFont font;
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                    QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                    QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK SC")});
  font.setPointSizeF(10.5);
  font.setBold(true);
  return font;
}

QFont FontOf(FontStyle style) { return style == FontStyle::BoldResult ? BoldResultFont() : WindowFont(); }

QColor ColourOf(TextColour colour) {
  switch (colour) {
    case TextColour::Black: return {0, 0, 0};
    case TextColour::Red: return {255, 0, 0};
    case TextColour::Green: return {0, 192, 0};
    case TextColour::DarkGreen: return {0, 128, 0};
    case TextColour::Default: break;
  }
  return {};
}

}  // namespace stockcalc
