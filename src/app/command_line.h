// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace stockcalc {

// What the command line asks of a run that opens windows.
struct LaunchOptions {
  bool fees = false;  // --fees: start with the trading-costs window
};

// The end of a run that opens no window: what to print and the exit status.
struct CommandLineExit {
  int status = 0;
  QString out;    // for standard output
  QString error;  // for standard error
};

// Reads the options in `arguments` (the program's name first), with Qt's
// Chinese strings where an application object has loaded them. Returns the
// exit when the program is to end without a window.
std::optional<CommandLineExit> ParseCommandLine(const QStringList& arguments, LaunchOptions& options);

// Reads the program's options before any window system is touched, so that
// --help and --version work on a terminal without a display. Prints the
// help, the version or a one-line error and returns the exit status when
// the program is to end without opening a window; otherwise returns
// nothing and fills `options`.
std::optional<int> ReadCommandLine(int argc, char* argv[], LaunchOptions& options);

}  // namespace stockcalc
