// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;

namespace stockcalc {

// The windows keep their fixed layout, so a long result has only the space
// the layout gives it. These show a computed text in full wherever that is
// possible: at the control's own font when it fits, else at the largest
// smaller font that fits, never below 8 pixels. A text that does
// not fit even then shows from its first character and carries its full
// text in its tooltip. A text that fits looks exactly as it always did.

// Shows a label's text from its left edge. Its space runs to the first
// control to its right on its row, or else to the window's right edge. One
// that does not fit even at the smallest font stands above what it runs into, on the window's
// background, so no control hides a digit of it.
void ShowFitted(QLabel& label, const QString& text, const QFont& font);

// Shows a box's text from its first character, never scrolled to its end.
void ShowFitted(QLineEdit& edit, const QString& text, const QFont& font);

}  // namespace stockcalc
