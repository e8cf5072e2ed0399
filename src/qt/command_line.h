// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "shell/command_line.h"

namespace stockcalc {

// Reads the program's options before any window system is touched, so that
// --help and --version work on a terminal without a display. Prints the
// help, the version or a one-line error and returns the exit status when
// the program is to end without opening a window; otherwise returns
// nothing and fills `options`. Qt's own options (-platform, -style…) pass
// through to the application object.
std::optional<int> ReadCommandLine(int argc, char* argv[], LaunchOptions& options);

}  // namespace stockcalc
