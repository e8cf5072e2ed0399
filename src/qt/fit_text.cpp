// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/fit_text.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <vector>

#include "shell/fit_font.h"

namespace stockcalc {
namespace {

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kLineEditInnerMargin = 2;

// `font` at `pixels`: the font itself at its own size, else resized.
QFont AtPixels(const QFont& font, int pixels) {
  if (pixels == QFontInfo(font).pixelSize()) return font;
  QFont sized = font;
  sized.setPixelSize(pixels);
  return sized;
}

// The width a label may draw in, by the shown controls beside it.
int LabelSpace(const QLabel& label) {
  const QWidget* window = label.parentWidget();
  std::vector<Rect> others;
  for (const QObject* child : window->children()) {
    const auto* other = qobject_cast<const QWidget*>(child);
    if (other == nullptr || other == &label || other->isHidden()) continue;
    const QRect rect = other->geometry();
    others.push_back({rect.x(), rect.y(), rect.width(), rect.height()});
  }
  const QRect rect = label.geometry();
  return LabelSpace({rect.x(), rect.y(), rect.width(), rect.height()}, others, window->width());
}

// The width a text box has for its text before it would scroll.
int BoxTextSpace(const QLineEdit& edit) {
  // The contents rectangle as QLineEdit itself works it out when it paints.
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.rect = edit.contentsRect();
  option.lineWidth =
      edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  if (edit.isReadOnly()) option.state |= QStyle::State_ReadOnly;
  option.features = QStyleOptionFrame::None;
  const QRect contents = edit.style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                             .marginsRemoved(edit.textMargins());
  return contents.width() - 2 * kLineEditInnerMargin;
}

int BoxTextWidth(const QString& text, const QFont& font) {
  // QLineEdit scrolls once the text, one pixel for the cursor and the
  // font's overhanging bearings no longer fit.
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(text) + 1 + std::max(0, -metrics.minLeftBearing()) +
         std::max(0, -metrics.minRightBearing());
}

}  // namespace

void ShowFitted(QLabel& label, const QString& text, const QFont& font) {
  label.setText(text);
  label.setToolTip({});
  label.setAutoFillBackground(false);
  label.setFont(font);
  label.adjustSize();  // labels size themselves from their left edge
  const int space = LabelSpace(label);
  if (label.width() <= space) return;

  const int row_height = label.height();
  const FontFit fit = FitFont(QFontInfo(font).pixelSize(), space, [&](int pixels) {
    label.setFont(AtPixels(font, pixels));
    return label.sizeHint().width();
  });
  label.setFont(AtPixels(font, fit.pixels));
  label.adjustSize();
  // A smaller font stays centred on the row the layout drew for the window's font.
  label.resize(label.width(), row_height);
  if (!fit.fits) {
    label.setToolTip(text);
    label.setAutoFillBackground(true);  // what it runs into does not show through its digits
    label.raise();
  }
}

void ShowFitted(QLineEdit& edit, const QString& text, const QFont& font) {
  edit.setText(text);
  edit.setCursorPosition(0);  // from the first character, never scrolled to the end
  edit.setToolTip({});
  const int space = BoxTextSpace(edit);
  const FontFit fit = FitFont(QFontInfo(font).pixelSize(), space,
                              [&](int pixels) { return BoxTextWidth(text, AtPixels(font, pixels)); });
  edit.setFont(AtPixels(font, fit.pixels));
  if (!fit.fits) edit.setToolTip(text);
}

}  // namespace stockcalc
