// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"

#include <algorithm>

namespace stockcalc {
namespace {

constexpr std::string_view kHelp =
    "用法：stockcalc [选项]\n"
    "鼎衡股票计算器：止盈止损价、涨跌幅、涨停价和跌停价、连续涨跌停复利价、\n"
    "补仓后平均成本、分批补仓价，以及加法、乘法、除法计算，结果精确到分；\n"
    "交易费用与保本价。\n"
    "\n"
    "选项：\n"
    "  -h, --help     显示本帮助。\n"
    "  -v, --version  显示版本信息。\n"
    "  --fees         启动时打开“交易费用与保本价”窗口。\n";

bool Contains(std::span<const std::string_view> names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

CommandLineExit Error(std::string_view what, std::string_view name, std::string_view after = "。") {
  std::string text = "stockcalc: ";
  text.append(what).append("“").append(name).append("”").append(after).append("\n");
  return {2, {}, std::move(text)};
}

}  // namespace

std::optional<CommandLineExit> ParseCommandLine(std::span<const std::string> arguments,
                                                std::string_view version, LaunchOptions& options,
                                                const ToolkitOptions& toolkit) {
  bool help = false;
  bool show_version = false;
  bool fees = false;
  bool only_arguments = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    const bool is_option = !only_arguments && argument.size() > 1 && argument.front() == '-';
    if (!is_option) return Error("多余的参数", argument);
    if (argument == "--") {
      only_arguments = true;
      continue;
    }
    std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    const std::size_t equals = name.find('=');
    const bool has_value = equals != std::string_view::npos;
    if (has_value) name = name.substr(0, equals);

    if (Contains(toolkit.with_value, name)) {
      if (!has_value && ++i == arguments.size()) return Error("选项", name, "缺少值。");
      continue;
    }
    const bool known = name == "h" || name == "help" || name == "v" || name == "version" || name == "fees" ||
                       Contains(toolkit.flags, name);
    if (!known) return Error("未知选项", name);
    if (has_value) return Error("选项", name, "不带值。");
    help = help || name == "h" || name == "help";
    show_version = show_version || name == "v" || name == "version";
    fees = fees || name == "fees";
  }
  if (help) return CommandLineExit{0, std::string(kHelp), {}};
  if (show_version) return CommandLineExit{0, "stockcalc " + std::string(version) + "\n", {}};
  options.fees = fees;
  return std::nullopt;
}

}  // namespace stockcalc
