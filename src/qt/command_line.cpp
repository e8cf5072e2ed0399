// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/command_line.h"

#include <cstdio>
#include <string>
#include <vector>

namespace stockcalc {
namespace {

constexpr std::string_view kQtOptionsWithValue[] = {"platform", "platformtheme", "style",
                                                     "stylesheet", "display", "geometry"};
constexpr std::string_view kQtFlags[] = {"reverse"};

void Print(std::FILE* stream, const std::string& text) {
  std::fputs(text.c_str(), stream);
  std::fflush(stream);
}

}  // namespace

std::optional<int> ReadCommandLine(int argc, char* argv[], LaunchOptions& options) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const std::optional<CommandLineExit> exit =
      ParseCommandLine(arguments, STOCKCALC_VERSION, options, {kQtOptionsWithValue, kQtFlags});
  if (!exit) return std::nullopt;
  Print(stdout, exit->out);
  Print(stderr, exit->error);
  return exit->status;
}

}  // namespace stockcalc
