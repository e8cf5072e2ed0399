// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "shell/command_line.h"

namespace stockcalc {

// Reads the program's options. For --help, --version or a wrong option it
// writes the text where the user will see it and returns the exit status
// (0, 0 and 2): to the standard output or error when they lead somewhere (a
// pipe, a file), else to the console the program was started from, else,
// started from the desktop, in a message box. Otherwise returns nothing
// and fills `options`.
std::optional<int> ReadCommandLine(LaunchOptions& options);

}  // namespace stockcalc
