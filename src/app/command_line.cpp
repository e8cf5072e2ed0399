// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "app/startup.h"

namespace stockcalc {
namespace {

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toUtf8().constData(), stream);
  std::fflush(stream);
}

// Qt's own window-system options (-platform xcb, -style fusion, ...): the
// application object reads them; here they are only let through.
void AllowToolkitOptions(QCommandLineParser& parser) {
  for (const char* name : {"platform", "platformtheme", "style", "stylesheet", "display", "geometry"}) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  QCommandLineOption reverse(QStringLiteral("reverse"));
  reverse.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(reverse);
}

}  // namespace

std::optional<CommandLineExit> ParseCommandLine(const QStringList& arguments, LaunchOptions& options) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("鼎衡股票计算器：止盈止损价、涨跌幅、涨停价和跌停价、连续涨跌停复利价、\n"
                     "补仓后平均成本、分批补仓价，以及加法、乘法、除法计算，结果精确到分；\n"
                     "交易费用与保本价。"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption fees(QStringLiteral("fees"), QStringLiteral("启动时打开“交易费用与保本价”窗口。"));
  parser.addOption(fees);
  AllowToolkitOptions(parser);

  if (!parser.parse(arguments))
    return CommandLineExit{2, {}, QStringLiteral("stockcalc: %1\n").arg(parser.errorText())};
  if (!parser.positionalArguments().isEmpty()) {
    return CommandLineExit{
        2, {}, QStringLiteral("stockcalc: 多余的参数“%1”。\n").arg(parser.positionalArguments().front())};
  }
  if (parser.isSet(QStringLiteral("help-all")))
    parser.process(arguments);  // prints Qt's options too, and exits
  if (parser.isSet(help)) return CommandLineExit{0, parser.helpText(), {}};
  if (parser.isSet(version)) {
    return CommandLineExit{
        0, QStringLiteral("stockcalc %1\n").arg(QCoreApplication::applicationVersion()), {}};
  }
  options.fees = parser.isSet(fees);
  return std::nullopt;
}

std::optional<int> ReadCommandLine(int argc, char* argv[], LaunchOptions& options) {
  if (argc <= 1) return std::nullopt;  // the usual start: nothing to read

  // A core application only, for Qt's Chinese strings: no window system yet.
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("stockcalc"));
  QCoreApplication::setApplicationVersion(QStringLiteral(STOCKCALC_VERSION));
  InstallChineseCatalogue(app);
  const std::optional<CommandLineExit> exit = ParseCommandLine(QCoreApplication::arguments(), options);
  if (!exit) return std::nullopt;
  Print(stdout, exit->out);
  Print(stderr, exit->error);
  return exit->status;
}

}  // namespace stockcalc
