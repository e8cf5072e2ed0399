// SPDX-License-Identifier: GPL-3.0-or-later
// stockcalc: calculators for stock traders.
//
// How data flows: the user types into a window's text boxes; a click copies
// the typed texts into that window's calculator (src/calc), which cleans each
// text (src/fields), reads a number from it, computes, and writes each result
// back as text: plain number text, read back, rounded to the cent, read back,
// shown in "0.00" form. The window then shows every text that changed.
// Nothing but those texts is kept, and nothing goes through the C locale.

#include <QApplication>

#include "qt/command_line.h"
#include "qt/startup.h"
#include "qt/window_set.h"

int main(int argc, char* argv[]) {
  stockcalc::LaunchOptions options;
  if (const auto status = stockcalc::ReadCommandLine(argc, argv, options)) return *status;
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.stockcalc.StockCalc"));
  stockcalc::InstallChineseCatalogue(app);
  stockcalc::InstallWindowAccessibility();
  stockcalc::WindowSet windows;
  if (options.fees) {
    windows.StartWithFees();
  } else {
    windows.Start();
  }
  return QApplication::exec();
}
