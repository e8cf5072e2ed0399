// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace stockcalc {

// Loads Qt's own Chinese strings (the message box's "确定", a text box's
// context menu), whatever the system's locale. Without the catalogue
// installed the program still runs, with Qt's English strings.
void InstallChineseCatalogue(QCoreApplication& app);

// Screen readers announce each calculator window as a window with its
// caption (a plain top-level widget would otherwise be a nameless filler).
void InstallWindowAccessibility();

}  // namespace stockcalc
