// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace stockcalc {

// What the command line asks of a run that opens windows.
struct LaunchOptions {
  bool fees = false;  // --fees: start with the trading-costs window alone
};

// The end of a run that opens no window: what to print and the exit status.
struct CommandLineExit {
  int status = 0;
  std::string out;    // for standard output
  std::string error;  // for standard error
};

// Options of the toolkit underneath (the Qt edition's -platform, -style…):
// let through unread, so that the toolkit can read them itself.
struct ToolkitOptions {
  std::span<const std::string_view> with_value;
  std::span<const std::string_view> flags;
};

// Reads the program's options: -h/--help, -v/--version, --fees. A single
// dash reads like two (-help is --help), and --name=value gives a value.
// Returns the exit when the program is to end without a window: status 0
// with the help or the version, status 2 with a one-line error for an
// unknown option or a stray argument (an error wins over --help). Otherwise
// returns nothing and fills `options`. `arguments` leaves out the
// program's own name; texts are UTF-8.
std::optional<CommandLineExit> ParseCommandLine(std::span<const std::string> arguments,
                                                std::string_view version, LaunchOptions& options,
                                                const ToolkitOptions& toolkit = {});

}  // namespace stockcalc
