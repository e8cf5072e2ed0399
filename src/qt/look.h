// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

#include "calc/layout.h"

namespace stockcalc {

// The windows' own font: a CJK face whose captions are 12 pixels high, the
// size the layout tables are drawn for.
QFont WindowFont();

// Results in bold: 宋体 10.5 pt where it exists, else the nearest installed
// CJK face, Song (serif) first.
QFont BoldResultFont();

// The font of a control's style: the window's font or the bold result font.
QFont FontOf(FontStyle style);

// The RGB of a text colour; invalid for the toolkit's default.
QColor ColourOf(TextColour colour);

}  // namespace stockcalc
