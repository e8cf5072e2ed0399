// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stockcalc {
namespace {

struct CommandLineCase {
  const char* tag;
  std::vector<std::string> arguments;
  int status;             // -1: the program goes on to open its windows
  std::string out_piece;  // a piece of what goes to standard output
  std::string error;      // the whole of standard error
  bool fees = false;
};

class CommandLine : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, EndsOrStartsAsTheOptionsSay) {
  const CommandLineCase& c = GetParam();
  constexpr std::string_view with_value[] = {"platform"};
  constexpr std::string_view flags[] = {"reverse"};
  LaunchOptions options;
  const auto exit = ParseCommandLine(c.arguments, "9.8.7", options, {with_value, flags});
  if (c.status < 0) {
    ASSERT_FALSE(exit.has_value()) << exit->error;
    EXPECT_EQ(options.fees, c.fees);
    return;
  }
  ASSERT_TRUE(exit.has_value());
  EXPECT_EQ(exit->status, c.status);
  EXPECT_NE(exit->out.find(c.out_piece), std::string::npos) << exit->out;
  if (c.out_piece.empty()) {
    EXPECT_EQ(exit->out, "");
  }
  EXPECT_EQ(exit->error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLine,
    testing::Values(
        CommandLineCase{"none", {}, -1, "", ""},
        CommandLineCase{"fees", {"--fees"}, -1, "", "", true},
        CommandLineCase{"fees_single_dash", {"-fees"}, -1, "", "", true},
        CommandLineCase{"toolkit_value_apart", {"-platform", "offscreen", "--fees"}, -1, "", "", true},
        CommandLineCase{"toolkit_value_joined", {"--platform=offscreen"}, -1, "", ""},
        CommandLineCase{"toolkit_flag", {"-reverse"}, -1, "", ""},
        CommandLineCase{"help", {"--help"}, 0, "用法：", ""},
        CommandLineCase{"help_lists_fees", {"-h"}, 0, "--fees", ""},
        CommandLineCase{"version", {"--version"}, 0, "stockcalc 9.8.7\n", ""},
        CommandLineCase{"version_short", {"-v"}, 0, "stockcalc 9.8.7", ""},
        CommandLineCase{"unknown", {"--bogus"}, 2, "", "stockcalc: 未知选项“bogus”。\n"},
        CommandLineCase{"unknown_short", {"-x"}, 2, "", "stockcalc: 未知选项“x”。\n"},
        CommandLineCase{"argument", {"12.5"}, 2, "", "stockcalc: 多余的参数“12.5”。\n"},
        CommandLineCase{"after_double_dash", {"--", "--fees"}, 2, "", "stockcalc: 多余的参数“--fees”。\n"},
        CommandLineCase{"error_wins_over_help", {"--help", "--bogus"}, 2, "", "stockcalc: 未知选项“bogus”。\n"},
        CommandLineCase{"value_to_a_flag", {"--fees=1"}, 2, "", "stockcalc: 选项“fees”不带值。\n"},
        CommandLineCase{"toolkit_value_missing", {"-platform"}, 2, "", "stockcalc: 选项“platform”缺少值。\n"}),
    [](const testing::TestParamInfo<CommandLineCase>& row) { return std::string(row.param.tag); });

}  // namespace
}  // namespace stockcalc
