// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace stockcalc {

// The program's one kind of message: modal, titled with the program's name,
// one OK button and no icon. Returns when the user has dismissed it.
void ShowAppMessage(QWidget* over, const QString& text);

}  // namespace stockcalc
